#pragma once

#include <QLabel>

namespace sprout {

// A small sign in a corner of a screen while the voice is off, so that a parent
// knows why the program is silent and how to turn it on. It lies in a corner where
// only the backdrop is, lets every click through, and goes when the voice is on.
class VoiceOffSign : public QLabel {
    Q_OBJECT
public:
    // Puts a sign on a screen's client area of the given size, in the first corner
    // clear of the areas its controls take (top right, top left, bottom right,
    // bottom left).
    static void place(QWidget* clientArea, QSize size, const QList<QRect>& keepClear);
    // Shows or hides the sign of every screen as the voice now is.
    static void refreshAll();
    // Sizes the sign for the scale its screen is shown at, in its corner of a
    // client area of that size.
    void fitScreen(QSize clientSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    VoiceOffSign(QWidget* clientArea, QSize size, const QList<QRect>& keepClear);
    void refresh();
    void setShown(bool shown);
    void settleInCorner();
    void growWithScreen(double scale);
    void moveToCorner(QSize clientSize);
    static QRect inCorner(QRect area, QSize size, Qt::Corner corner);

    Qt::Corner m_corner = Qt::TopRightCorner;
    // Measuring the sign loads a font of its own, which a screen opened with the voice
    // on need not wait for: the sign finds its corner when it first shows, from the
    // screen as it was built.
    bool m_settled = false;
    QSize m_designedSize;
    QList<QRect> m_keepClear;
    double m_builtScale;
    QSize m_clientSize;
};

} // namespace sprout
