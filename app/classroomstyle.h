#pragma once

#include <QProxyStyle>

namespace sprout {

// Fusion, with three things laid down more quickly and the pixels the same. Captions in
// letters above 64 pixels are filled a letter at a time (LargeLetters). Sunken and
// raised panels (the picture boxes' borders) are filled rows and columns: Qt strokes
// each of a panel's edge lines, which on the full-screen classroom, where a border is
// four or more pixels wide, cost a return to Tic-Tac-Toe a quarter of its time. A frame's
// inside, one faint shade, is filled: Fusion stretches a small picture over the whole
// frame, which at 3840 x 2160 cost the letters lesson's first opening 29 million
// instructions.
class ClassroomStyle : public QProxyStyle {
public:
    ClassroomStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    // A menu bar shown larger (on the full-screen classroom) spaces its entries as much
    // wider as its letters are larger, as the designed window does.
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget = nullptr) const override;
    // A scroll bar on a screen shown larger is as much wider: its box keeps the
    // designed share of its width for the text.
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    // Captions larger than Qt keeps letters have theirs filled one at a time.
    void drawItemText(QPainter* painter, const QRect& area, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole role = QPalette::NoRole) const override;

    // The edges of a panel `lineWidth` pixels wide, light above and left when raised.
    static void drawPanel(QPainter& painter, const QRect& area, const QPalette& palette, bool sunken,
                          int lineWidth);
};

} // namespace sprout
