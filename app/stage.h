#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace sprout {

class Screen;
struct WindowDesign;

// The one full-screen surface of the full-screen classroom. Each screen's window lies
// on it as a child, scaled by the largest factor at which it fits and centred, so
// that going from screen to screen never shows the desktop or a window frame.
class Stage : public QWidget {
    Q_OBJECT
public:
    Stage();
    ~Stage() override;

    // The calm colour around the screens.
    static QColor groundColour();

    // The largest scale at which a screen's window, menu bar included, fits an area.
    static double fittingScale(const WindowDesign& window, QSize area);

    // Shows the stage over the whole screen.
    void fillScreen();

    // Scales a screen for the stage (before it is built, or again once built).
    void fit(Screen& screen);
    // Puts a loaded screen's window on the stage, scaled and centred, hidden.
    void adopt(Screen& screen);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize area() const;
    void centre(QWidget* window) const;

    // A screen on the stage and the area it was last fitted to.
    struct Adopted {
        QPointer<Screen> screen;
        QSize fittedTo;
    };
    Adopted* adopted(const Screen& screen);

    QList<Adopted> m_screens;
    double m_largestScale = 1;
};

} // namespace sprout
