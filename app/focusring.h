#pragma once

#include <QFocusFrame>

namespace sprout {

// A thick ring around the control that has the keyboard focus, dark with a light
// inner edge so that it shows on the dark boards and on light pictures alike. It
// appears only while the keyboard is in use (after Tab or an arrow key) and goes at
// the next press of the mouse, so that screens used with the mouse look as designed.
class FocusRing : public QFocusFrame {
    Q_OBJECT
public:
    // Follows the focus through every screen of the application, from now on.
    static void install();

    // The width of the dark band around a control: in proportion to its font, so
    // that the ring grows with a screen that is drawn larger.
    static int thicknessFor(const QWidget* control);

    explicit FocusRing(QWidget* clientArea);

    // Lies around the control, on the screen's client area, above every control.
    void surround(const QWidget* control);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_band = 0;
    int m_edge = 0;
};

} // namespace sprout
