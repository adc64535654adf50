#include "voiceoffsign.h"

#include "formbuilder.h"
#include "speech.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace sprout {

namespace {

constexpr int kMargin = 4;
// The space around the sign's icon and word, as a share of the font's height.
constexpr double kPadding = 0.4;

int padOf(const QFontMetrics& metrics)
{
    return int(std::lround(metrics.height() * kPadding));
}

} // namespace

void VoiceOffSign::place(QWidget* clientArea, QSize size, const QList<QRect>& keepClear)
{
    auto* sign = new VoiceOffSign(clientArea, size, keepClear);
    sign->setShown(Speech::isMuted());
}

void VoiceOffSign::refreshAll()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        for (VoiceOffSign* sign : window->findChildren<VoiceOffSign*>())
            sign->refresh();
}

VoiceOffSign::VoiceOffSign(QWidget* clientArea, QSize size, const QList<QRect>& keepClear)
    : QLabel(clientArea), m_designedSize(size), m_keepClear(keepClear),
      m_builtScale(FormBuilder::scaleOf(clientArea)), m_clientSize(size)
{
    setObjectName(QStringLiteral("voiceOffSign"));
    setText(QStringLiteral("Voice off"));
    setAccessibleDescription(QStringLiteral("Ctrl+M turns the voice on again"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    clientArea->installEventFilter(this);
    clientArea->window()->installEventFilter(this);
}

bool VoiceOffSign::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched == window())
        refresh();
    else if (event->type() == QEvent::Resize && watched == parentWidget())
        fitScreen(parentWidget()->size());
    return QLabel::eventFilter(watched, event);
}

void VoiceOffSign::refresh()
{
    setShown(Speech::isMuted());
    raise();
}

void VoiceOffSign::setShown(bool shown)
{
    if (shown)
        settleInCorner();
    setVisible(shown);
}

// The first corner clear of the controls, for the sign as large as it is at the scale
// the screen was built at; then the sign takes the size and place the screen has now.
void VoiceOffSign::settleInCorner()
{
    if (m_settled)
        return;
    m_settled = true;
    growWithScreen(m_builtScale);
    for (Qt::Corner corner : {Qt::TopRightCorner, Qt::TopLeftCorner, Qt::BottomRightCorner, Qt::BottomLeftCorner}) {
        const QRect where = inCorner(QRect(QPoint(), m_designedSize), size(), corner);
        if (std::none_of(m_keepClear.begin(), m_keepClear.end(), [&](const QRect& area) { return area.intersects(where); })) {
            m_corner = corner;
            break;
        }
    }
    m_keepClear.clear();
    fitScreen(m_clientSize);
}

void VoiceOffSign::fitScreen(QSize clientSize)
{
    m_clientSize = clientSize;
    if (!m_settled)
        return;
    growWithScreen(FormBuilder::scaleOf(parentWidget()));
    moveToCorner(clientSize);
}

// On the full-screen classroom the sign grows with the screen it lies on.
void VoiceOffSign::growWithScreen(double scale)
{
    QFont small = QApplication::font();
    small.setPointSizeF(8 * scale);
    small.setBold(true);
    setFont(small);
    const QFontMetrics metrics(small);
    const int iconWidth = metrics.height();
    const int padding = padOf(metrics);
    resize(padding + iconWidth + padding / 2 + metrics.horizontalAdvance(text()) + padding,
           metrics.height() + padding);
}

void VoiceOffSign::moveToCorner(QSize clientSize)
{
    move(inCorner(QRect(QPoint(), clientSize), size(), m_corner).topLeft());
}

QRect VoiceOffSign::inCorner(QRect area, QSize size, Qt::Corner corner)
{
    const QRect inside = area.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const bool right = corner == Qt::TopRightCorner || corner == Qt::BottomRightCorner;
    const bool bottom = corner == Qt::BottomLeftCorner || corner == Qt::BottomRightCorner;
    const QPoint at(right ? inside.right() + 1 - size.width() : inside.left(),
                    bottom ? inside.bottom() + 1 - size.height() : inside.top());
    return QRect(at, size);
}

void VoiceOffSign::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 170));
    painter.drawRoundedRect(QRectF(rect()), 4, 4);

    // A loudspeaker, struck through.
    const qreal unit = fontMetrics().height() / 8.0;
    painter.save();
    const int padding = padOf(fontMetrics());
    painter.translate(padding, padding / 2.0);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({{0, 3 * unit}, {2 * unit, 3 * unit}, {5 * unit, 0.5 * unit},
                                   {5 * unit, 7.5 * unit}, {2 * unit, 5 * unit}, {0, 5 * unit}}));
    painter.setPen(QPen(QColor(255, 90, 90), 1.2 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0.5 * unit), QPointF(7.5 * unit, 7.5 * unit));
    painter.restore();

    painter.setPen(Qt::white);
    painter.drawText(rect().adjusted(padding + fontMetrics().height() + padding / 2, 0, 0, 0),
                     Qt::AlignVCenter | Qt::AlignLeft, text());
}

} // namespace sprout
