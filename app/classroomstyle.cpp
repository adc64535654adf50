#include "classroomstyle.h"

#include "formbuilder.h"
#include "largeletters.h"

#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <qdrawutil.h>

namespace sprout {

namespace {
// Fusion's frame picture: the width of its corners and edges, the space it leaves above
// a frame, and the one shade of its inside (tst_paintcache holds them to Fusion's pixels).
constexpr int kFrameEdge = 6;
constexpr int kFrameTopMargin = 3;
const QColor kFrameInside(0, 0, 0, 3);
} // namespace

ClassroomStyle::ClassroomStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ClassroomStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    const bool shaded = option->state & (State_Sunken | State_Raised);
    if (element == CE_ShapedFrame && frame && frame->frameShape == QFrame::Panel && shaded)
        return drawPanel(*painter, frame->rect, frame->palette, option->state & State_Sunken, frame->lineWidth);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ClassroomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    if (element != PE_FrameGroupBox)
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    // Below the tallest title Fusion leaves room for, and clear of the picture's edges,
    // the frame is its inside's shade alone: fill that, let Fusion draw the rest.
    const int top = std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                             option->fontMetrics.height())
                    + kFrameTopMargin + kFrameEdge;
    const QRect inside = option->rect.adjusted(kFrameEdge, top, -kFrameEdge, -kFrameEdge);
    if (inside.isEmpty())
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    painter->save();
    painter->setClipRegion(QRegion(option->rect).subtracted(inside), Qt::IntersectClip);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    painter->restore();
    painter->fillRect(inside, kFrameInside);
}

int ClassroomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric != PM_ScrollBarExtent || !widget)
        return pixels;
    return qRound(pixels * FormBuilder::scaleOf(widget));
}

QSize ClassroomStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                                       const QWidget* widget) const
{
    const QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    if (type != CT_MenuBarItem || !widget)
        return size;
    const double larger = double(QFontInfo(widget->font()).pixelSize())
                          / QFontInfo(QApplication::font(widget)).pixelSize();
    if (larger <= 1)
        return size;
    // Only across: a menu bar taller than its letters need would not leave the screen
    // its designed share of the height.
    return QSize(contents.width() + qRound((size.width() - contents.width()) * larger), size.height());
}

void ClassroomStyle::drawItemText(QPainter* painter, const QRect& area, int flags, const QPalette& palette,
                                  bool enabled, const QString& text, QPalette::ColorRole role) const
{
    LargeLetters::draw(*painter, [&](QPainter& onto) {
        QProxyStyle::drawItemText(&onto, area, flags, palette, enabled, text, role);
    });
}

void ClassroomStyle::drawPanel(QPainter& painter, const QRect& area, const QPalette& palette, bool sunken,
                               int lineWidth)
{
    // Edges wider than half the panel overlap: Qt's own drawing decides how.
    if (2 * lineWidth > qMin(area.width(), area.height()))
        return qDrawShadePanel(&painter, area, palette, sunken, lineWidth);
    const QColor topLeft = sunken ? palette.dark().color() : palette.light().color();
    const QColor bottomRight = sunken ? palette.light().color() : palette.dark().color();
    const int x = area.x(), y = area.y(), w = area.width(), h = area.height();
    // Each ring one pixel in, its corners mitred where the two colours meet.
    for (int i = 0; i < lineWidth; ++i) {
        painter.fillRect(QRect(x, y + i, w - 1 - i, 1), topLeft);
        painter.fillRect(QRect(x + i, y, 1, h - 1 - i), topLeft);
        painter.fillRect(QRect(x + i, y + h - 1 - i, w - i, 1), bottomRight);
        painter.fillRect(QRect(x + w - 1 - i, y + i, 1, h - i), bottomRight);
    }
}

} // namespace sprout
