#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace sprout {

// A label, image or picture box: takes every click inside its rectangle, also
// where nothing is drawn, so a click never falls through to what lies beneath.
// Its caption's finished pixels are kept: laying glyphs onto the screen one by one
// costs ten times what laying down their picture does.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // Sets the caption; a change is reported only when the text really differs,
    // while every setting is reported as set (a verdict given twice is heard twice).
    void setCaption(const QString& text);

    // The font the caption is drawn in: the label's own, with the letters closed up
    // where the caption would spill over the label by a little.
    QFont captionFont() const { return fit().font; }
    // How many pixels the caption is drawn above the label's top to fit.
    int captionLift() const { return fit().lift; }

signals:
    void clicked();
    void changed();
    void captionSet();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Fitting needs the font's glyphs, so it is done when first asked for (most
    // often the first paint), not when the screen is built: a label hidden under
    // a picture costs nothing until it shows.
    struct CaptionFit {
        QString text;
        QSize size;
        QFont designed;
        int flags = 0;
        QFont font;
        int lift = 0;
    };
    const CaptionFit& fit() const;

    bool m_pressed = false;
    mutable CaptionFit m_fit;
};

// A push button whose caption wraps at word boundaries inside the button.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A frame with its caption, drawn as a group box is. The style stretches a small
// picture over the whole frame, the most costly part of a screen coming back, so
// the finished frame is kept.
class FrameBox : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A straight line between two points of its parent.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QPoint from, QPoint to, int width, QColor colour, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from, m_to;
    int m_width;
    QColor m_colour;
};

} // namespace sprout
