#include "controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextDocument>
#include <cmath>
#include <optional>

namespace sprout {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ClickLabel::setCaption(const QString& text)
{
    if (text != this->text()) {
        setText(text);
        emit changed();
    }
    emit captionSet();
}

const ClickLabel::CaptionFit& ClickLabel::fit() const
{
    const int flags = int(alignment()) | Qt::TextWordWrap;
    if (m_fit.text == text() && m_fit.size == size() && m_fit.designed == font() && m_fit.flags == flags)
        return m_fit;
    // The captions were laid out with other fonts. Where one now spills over its
    // label by a pixel or two, close the letters up a little and lift the lines
    // into the empty space above them rather than cut off any of the text.
    QFont fitted = font();
    int lift = 0;
    if (!text().isEmpty()) {
        for (int spacing = 100; spacing >= 90; --spacing) {
            fitted.setLetterSpacing(QFont::PercentageSpacing, spacing);
            const QRectF needed = QFontMetricsF(fitted).boundingRect(
                QRectF(0, 0, width(), 100000), flags, text());
            if (needed.width() <= width() + 0.5)
                break;
        }
        const QFontMetricsF metrics(fitted);
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, width(), 100000), flags, text());
        const int lines = qMax(1, qRound(needed.height() / metrics.lineSpacing()));
        const QRectF ink = metrics.tightBoundingRect(text());
        const double inkBottom = (lines - 1) * metrics.lineSpacing() + metrics.ascent() + ink.bottom();
        const double headroom = metrics.ascent() + ink.top();
        lift = int(qBound(0.0, std::ceil(inkBottom - height()), std::floor(headroom)));
    }
    m_fit = {text(), size(), font(), flags, fitted, lift};
    return m_fit;
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    if (!pixmap().isNull() || text().isEmpty() || textFormat() == Qt::RichText
        || (textFormat() == Qt::AutoText && Qt::mightBeRichText(text()))) {
        QLabel::paintEvent(event);
        return;
    }
    const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::TextWordWrap;
    const CaptionLook look{text(), size(), captionFont(), palette().color(foregroundRole()).rgba(),
                           flags, captionLift(), isEnabled()};
    if (!m_drawn.shows(look, devicePixelRatioF()))
        drawCaption(look);
    QPainter painter(this);
    m_drawn.paint(painter);
}

// As QLabel draws plain text (a few pixels higher where the caption was lifted to
// fit), into a clear picture of the area the text takes.
void ClickLabel::drawCaption(const CaptionLook& look)
{
    const QRect area = contentsRect().translated(0, -look.lift);
    // Bold letters reach a pixel or so past their advance: keep a margin for the ink.
    const QRect inked = style()->itemTextRect(QFontMetrics(look.font, this), area, look.flags, true, look.text)
                            .adjusted(-3, -3, 3, 3).intersected(rect());
    m_drawn.redraw(inked, devicePixelRatioF(), look, [&](QPainter& painter) {
        painter.setFont(look.font);
        style()->drawItemText(&painter, area, look.flags, palette(), true, look.text, foregroundRole());
    });
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release of the left button on the same control.
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const CaptionLook look{caption, style()->subElementRect(QStyle::SE_PushButtonContents, &option, this), font(),
                           palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                           QPalette::ButtonText).rgba()};
    if (!m_caption.shows(look, devicePixelRatioF())) {
        m_caption.redraw(look.area, devicePixelRatioF(), look, [&](QPainter& onPicture) {
            onPicture.setFont(look.font);
            onPicture.setPen(QColor::fromRgba(look.colour));
            onPicture.drawText(look.area, Qt::AlignCenter | Qt::TextWordWrap, look.text);
        });
    }
    m_caption.paint(painter);
}

namespace {

// The colour beneath a control when nothing lies there but the plain background of
// the window or of an ancestor that fills its own: no control below it overlaps it,
// and the ancestors between are bare containers that paint nothing.
std::optional<QColor> plainGroundBeneath(const QWidget* control)
{
    for (const QWidget* child = control; QWidget* parent = child->parentWidget(); child = parent) {
        for (const QObject* sibling : parent->children()) {
            if (sibling == child)
                break; // the rest lie above
            if (sibling->isWidgetType() && static_cast<const QWidget*>(sibling)->isVisible()
                && static_cast<const QWidget*>(sibling)->geometry().intersects(child->geometry()))
                return std::nullopt;
        }
        if (parent->autoFillBackground() || parent->isWindow()) {
            const QBrush ground = parent->palette().brush(parent->backgroundRole());
            if (ground.style() != Qt::SolidPattern || !ground.isOpaque())
                return std::nullopt;
            return ground.color();
        }
        if (parent->metaObject() != &QWidget::staticMetaObject)
            return std::nullopt; // a frame, say, that paints its own ground
    }
    return std::nullopt;
}

} // namespace

FrameBox::Look FrameBox::look(const QStyleOptionGroupBox& option, QColor ground) const
{
    // Only the colours in use count, not whether the window is the active one.
    return {title(), size(), font(), option.palette.windowText().color().rgba(),
            int(option.state & ~QStyle::State_Active), ground.rgba()};
}

void FrameBox::paintEvent(QPaintEvent* event)
{
    if (const std::optional<QColor> ground = plainGroundBeneath(this)) {
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        if (m_look.shows(look(option, *ground), devicePixelRatioF())) {
            QPainter painter(this);
            m_look.paint(painter);
            return;
        }
        // A frame not seen so before is painted as it is, and its picture drawn once
        // the window's frame is on the screen.
        QMetaObject::invokeMethod(this, &FrameBox::keepPicture, Qt::QueuedConnection);
    }
    QGroupBox::paintEvent(event);
}

void FrameBox::keepPicture()
{
    const std::optional<QColor> ground = plainGroundBeneath(this);
    if (!ground || !isVisible())
        return;
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const Look now = look(option, *ground);
    if (m_look.shows(now, devicePixelRatioF()))
        return;
    m_look.redraw(rect(), devicePixelRatioF(), now, [&](QPainter& onPicture) {
        onPicture.setFont(font()); // as a painter on the frame itself would start
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &onPicture, this);
    }, *ground);
}

TextBox::Look TextBox::look() const
{
    const QTextCursor cursor = textCursor();
    return {document()->revision(),
            QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()),
            viewport()->size(),
            cursor.position(),
            cursor.anchor(),
            isEnabled(),
            font(),
            palette().color(QPalette::Base).rgba(),
            palette().color(QPalette::Text).rgba()};
}

void TextBox::paintEvent(QPaintEvent* event)
{
    const bool fixed = showsNoCaret();
    if (fixed && !m_taking && m_shown.shows(look(), viewport()->devicePixelRatioF())) {
        QPainter painter(viewport());
        m_shown.paint(painter);
        return;
    }
    QPlainTextEdit::paintEvent(event);
    // The picture is taken outside this paint, which it would repeat: once the
    // frame is on the screen, so that the child never waits for it.
    if (fixed && !m_taking && !m_takingSoon) {
        m_takingSoon = true;
        QMetaObject::invokeMethod(this, &TextBox::takePicture, Qt::QueuedConnection);
    }
}

// Only a box a child can type in, while it has the focus, shows a blinking caret.
bool TextBox::showsNoCaret() const
{
    return !hasFocus() || !(textInteractionFlags() & Qt::TextEditable);
}

void TextBox::takePicture()
{
    m_takingSoon = false;
    const qreal scale = viewport()->devicePixelRatioF();
    const Look now = look();
    if (!viewport()->isVisible() || !showsNoCaret() || m_shown.shows(now, scale))
        return;
    m_shown.redraw(viewport()->rect(), scale, now, [&](QPainter& onPicture) {
        m_taking = true; // the box paints its text onto the picture, as onto the window
        viewport()->render(&onPicture, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        m_taking = false;
    }, palette().color(QPalette::Base));
}

void LineBox::paintEvent(QPaintEvent* event)
{
    // Kept only where the window's plain background lies beneath (so that the
    // picture is opaque and its text drawn exactly as on the window), and not while
    // a child types, when a caret blinks.
    const std::optional<QColor> ground = plainGroundBeneath(this);
    if (m_drawing || !ground || (hasFocus() && !isReadOnly())) {
        QLineEdit::paintEvent(event);
        return;
    }
    const Look look{text(), size(), font(), palette().cacheKey(), selectionStart(),
                    int(selectedText().size()), isReadOnly(), isEnabled(), hasFocus(), ground->rgba()};
    if (!m_shown.shows(look, devicePixelRatioF())) {
        m_shown.redraw(rect(), devicePixelRatioF(), look, [&](QPainter& onPicture) {
            m_drawing = true; // the box paints itself onto the picture, as onto the window
            render(&onPicture, QPoint(), QRegion(), QWidget::RenderFlags());
            m_drawing = false;
        }, *ground);
    }
    QPainter painter(this);
    m_shown.paint(painter);
}

LineControl::LineControl(QPoint from, QPoint to, int width, QColor colour, QWidget* parent)
    : QWidget(parent), m_colour(colour)
{
    setEnds(from, to, width);
}

void LineControl::setEnds(QPoint from, QPoint to, int width)
{
    const QRect bounds = QRect(from, to).normalized().adjusted(-width, -width, width, width);
    setGeometry(bounds);
    m_from = from - bounds.topLeft();
    m_to = to - bounds.topLeft();
    m_width = width;
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_width));
    painter.drawLine(m_from, m_to);
}

} // namespace sprout
