#include "controls.h"

#include "largeletters.h"
#include "paintcache.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QTextLayout>
#include <QTextBlock>
#include <QScrollBar>
#include <cmath>

namespace sprout {

namespace {

// Enter (either key) or the space bar, pressed once: held down, it would press again
// and again.
bool pressesControl(const QKeyEvent* event)
{
    const bool pressKey = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return
                          || event->key() == Qt::Key_Enter;
    return pressKey && !event->isAutoRepeat() && (event->modifiers() & ~Qt::KeypadModifier) == 0;
}

} // namespace

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

namespace {

// The label's font, with the letters closed up by as little as lets the caption's lines
// fit the width of `area`, and the rectangle they then take. Lines that are not wrapped
// must fit whole, or wrapping would break them again.
QFont closedUp(QFont font, const QRect& area, int flags, const QString& lines, QRectF* taken)
{
    const double room = area.width() + (flags & Qt::TextWordWrap ? 0.5 : 0);
    for (int spacing = 100; spacing >= 90; --spacing) {
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
        *taken = QFontMetricsF(font).boundingRect(QRectF(area), flags, lines);
        if (taken->width() <= room)
            break;
    }
    return font;
}

// The lines `text` wraps into at `width`, as a painter or a text box wraps it; a break
// takes the blanks before it.
QStringList wrappedLines(QString text, const QFont& font, qreal width)
{
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        while (!lines[i].isEmpty() && lines[i].back().isSpace())
            lines[i].chop(1);
    return lines;
}

} // namespace

QString ClickLabel::linesAsDesigned(int flags) const
{
    if (m_designWidth <= 0 || text().isEmpty())
        return text();
    QRectF taken;
    const QFont designed = closedUp(m_designFont, QRect(0, 0, m_designWidth, QWIDGETSIZE_MAX), flags, text(), &taken);
    return wrappedLines(text(), designed, m_designWidth).join(QLatin1Char('\n'));
}

const ClickLabel::CaptionFit& ClickLabel::fit() const
{
    const int flags = int(alignment()) | Qt::TextWordWrap;
    const QRect area = contentsRect();
    if (m_fit.text == text() && m_fit.area == area && m_fit.designed == font() && m_fit.flags == flags)
        return m_fit;
    // The captions were laid out with other fonts. Where one now spills over its
    // label by a pixel or two, close the letters up a little and lift the lines
    // into the empty space above them rather than cut off any of the text.
    const QString lines = linesAsDesigned(flags);
    QFont fitted = font();
    int lift = 0;
    QRectF needed;
    if (!lines.isEmpty()) {
        // Lines broken as designed are measured whole; should one still not fit, it wraps.
        fitted = closedUp(font(), area, lines == text() ? flags : flags & ~Qt::TextWordWrap, lines, &needed);
        if (lines != text())
            needed = QFontMetricsF(fitted).boundingRect(QRectF(area), flags, lines);
        const QFontMetricsF metrics(fitted);
        // Lines with a descent to spare below them need no lift: only the others are
        // laid out once more to find their ink.
        if (needed.height() + metrics.descent() > height()) {
            const int count = qMax(1, qRound(needed.height() / metrics.lineSpacing()));
            const QRectF ink = metrics.tightBoundingRect(lines);
            const double inkBottom = (count - 1) * metrics.lineSpacing() + metrics.ascent() + ink.bottom();
            const double headroom = metrics.ascent() + ink.top();
            lift = int(qBound(0.0, std::ceil(inkBottom - height()), std::floor(headroom)));
        }
    }
    m_fit = {text(), area, font(), flags, lines, fitted, lift, needed};
    return m_fit;
}

bool ClickLabel::event(QEvent* event)
{
    // Setting the coming picture in the paint that shows all of it asks for a second
    // paint of the same pixels; at full screen that is a copy as large as the screen.
    if (event->type() == QEvent::UpdateLater && std::exchange(m_paintedComingPicture, false))
        return true;
    return QLabel::event(event);
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    if (m_comingPicture) {
        setPixmap(std::exchange(m_comingPicture, nullptr)());
        m_paintedComingPicture = (visibleRegion() - event->region()).isEmpty();
    }
    if (!pixmap().isNull() || text().isEmpty() || textFormat() == Qt::RichText
        || (textFormat() == Qt::AutoText && Qt::mightBeRichText(text()))) {
        QLabel::paintEvent(event);
        return;
    }
    // As QLabel draws plain text, a few pixels higher where the caption was lifted to fit.
    const CaptionFit& fitted = fit();
    const QFont font = fitted.font;
    const QRect area = contentsRect().translated(0, -fitted.lift);
    const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::TextWordWrap;
    const QColor colour = palette().color(foregroundRole());
    // Bold letters reach a pixel or so past their advance: keep a margin for the ink.
    const QRect inked =
        fitted.inked.translated(0, -fitted.lift).toAlignedRect().adjusted(-3, -3, 3, 3).intersected(rect());
    const QString look = QStringList{QStringLiteral("caption"), fitted.lines, font.toString(), colour.name(QColor::HexArgb),
                                     QString::number(flags), PaintCache::placeOf(area)}.join(QLatin1Char('|'));
    QPainter painter(this);
    PaintCache::paint(painter, inked, look, [&](QPainter& onPicture) {
        onPicture.setFont(font);
        style()->drawItemText(&onPicture, area, flags, palette(), true, fitted.lines, foregroundRole());
    });
}

void ClickLabel::setClickable(bool clickable)
{
    m_clickable = clickable;
    updateReach();
}

void ClickLabel::setCovered(bool covered)
{
    if (covered == m_covered)
        return;
    m_covered = covered;
    updateReach();
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.invisible = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void ClickLabel::setShownName(const QString& name)
{
    if (name == m_shownName)
        return;
    m_shownName = name;
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void ClickLabel::updateReach()
{
    // A picture box takes the focus on a click too, as designed; it keeps that.
    if (focusPolicy() == Qt::StrongFocus)
        return;
    setFocusPolicy(m_clickable && !m_covered ? Qt::TabFocus : Qt::NoFocus);
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    if (m_clickable && pressesControl(event)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
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

void WrapButton::keyPressEvent(QKeyEvent* event)
{
    if (pressesControl(event) && event->key() != Qt::Key_Space) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    LargeLetters::draw(painter, [&](QPainter& onButton) {
        onButton.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
    });
}

void FrameBox::paintEvent(QPaintEvent*)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // The colours are the same whether the window is the active one or not.
    const QString look = QStringList{QStringLiteral("frame"), title(), font().toString(),
                                     QString::number(option.palette.cacheKey()),
                                     QString::number(int(option.state & ~QStyle::State_Active)),
                                     QString::number(int(option.subControls)), QString::number(int(option.features))}
                             .join(QLatin1Char('|'));
    QPainter painter(this);
    PaintCache::paint(painter, rect(), look, [&](QPainter& onPicture) {
        onPicture.setFont(font()); // as a painter on the frame itself starts
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &onPicture, this);
    });
}

void TextBox::paintEvent(QPaintEvent* event)
{
    // A caret blinks and a selection follows the pointer: those Qt draws as they are.
    if (textCursor().hasSelection() || (hasFocus() && !isReadOnly()) || !placeholderText().isEmpty()) {
        QPlainTextEdit::paintEvent(event);
        return;
    }
    const QRect area = viewport()->rect();
    const QPalette& colours = viewport()->palette();
    const QString look = QStringList{QStringLiteral("text"), toPlainText(), font().toString(),
                                     colours.color(QPalette::Text).name(QColor::HexArgb),
                                     colours.color(QPalette::Base).name(QColor::HexArgb),
                                     QString::number(int(isEnabled())), QString::number(contentOffset().y()),
                                     QString::number(horizontalScrollBar()->value()),
                                     QString::number(verticalScrollBar()->value())}
                             .join(QLatin1Char('|'));
    QPainter painter(viewport());
    PaintCache::paint(painter, area, look, [&](QPainter& onPicture) { drawText(onPicture, area); },
                      PaintCache::Ground::Opaque);
}

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChanged, this, &TextBox::keepDesignedLines);
}

void TextBox::setDesign(const QFont& font, int width)
{
    m_designFont = font;
    m_designWidth = width;
    keepDesignedLines();
}

void TextBox::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    keepDesignedLines();
}

// The letters are spaced a little wider or closer, by as little as makes the text
// wrap where it wraps in the design.
void TextBox::keepDesignedLines()
{
    const QString text = toPlainText();
    if (m_designWidth <= 0 || text.isEmpty())
        return;
    // The viewport is placed when the box is shown: its size to be is asked for instead.
    const qreal margins = width() - maximumViewportSize().width() + 2 * document()->documentMargin();
    // The scroll bar grows with the screen; the frame keeps its width.
    const int scrollBar = verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOn ? 0
        : style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) - style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QStringList designed = wrappedLines(text, m_designFont, m_designWidth - margins + scrollBar);
    QFont font = this->font();
    for (double offset = 0; offset <= 5; offset += 0.5)
        for (double spacing : {100 + offset, 100 - offset}) {
            font.setLetterSpacing(QFont::PercentageSpacing, spacing);
            if (wrappedLines(text, font, width() - margins) == designed) {
                if (font != this->font())
                    setFont(font);
                return;
            }
        }
}

// As QPlainTextEdit lays down its blocks, onto the box's ground.
void TextBox::drawText(QPainter& painter, const QRect& area)
{
    painter.fillRect(area, viewport()->palette().brush(QPalette::Base));
    painter.setPen(viewport()->palette().color(QPalette::Text));
    QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid() && offset.y() <= area.height();
         block = block.next()) {
        const QRectF bounds = blockBoundingRect(block);
        if (block.isVisible())
            LargeLetters::draw(painter, [&](QPainter& onBox) { block.layout()->draw(&onBox, offset, {}, area); });
        offset.ry() += bounds.height();
    }
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
