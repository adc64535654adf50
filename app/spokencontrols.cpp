#include "spokencontrols.h"

#include "controls.h"
#include "phrases.h"
#include "speech.h"

#include <QEnterEvent>
#include <QLabel>
#include <QStyle>
#include <cmath>

namespace sprout {

namespace {

int g_restMilliseconds = 500;

// The letter of a one-line caption nearest the pointer, as an index into the
// caption; -1 outside the caption's ink.
int letterAt(const QLabel* label, int x)
{
    const QString text = label->text();
    auto* caption = qobject_cast<const ClickLabel*>(label);
    const QFontMetrics metrics(caption ? caption->captionFont() : label->font());
    const int width = metrics.horizontalAdvance(text);
    const QRect area = label->contentsRect().adjusted(label->margin(), 0, -label->margin(), 0);
    const QRect line = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                           QSize(width, metrics.height()), area);
    if (x < line.left() || x > line.right())
        return -1;
    int nearest = -1;
    double nearestDistance = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (!text.at(i).isLetterOrNumber())
            continue;
        const double centre = line.left() + metrics.horizontalAdvance(text.left(i))
                              + metrics.horizontalAdvance(text.at(i)) / 2.0;
        const double distance = std::abs(centre - x);
        if (nearest < 0 || distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

// The mark nearest the pointer, marks given as fractions of the width; -1 further
// than half a spacing past either end.
int markAt(std::span<const double> marks, double fraction)
{
    if (marks.empty())
        return -1;
    const double margin = marks.size() > 1 ? (marks[1] - marks[0]) / 2 : 0.5;
    if (fraction < marks.front() - margin || fraction > marks.back() + margin)
        return -1;
    int nearest = 0;
    for (int i = 1; i < static_cast<int>(marks.size()); ++i)
        if (std::abs(marks[i] - fraction) < std::abs(marks[nearest] - fraction))
            nearest = i;
    return nearest;
}

} // namespace

void SpokenControls::setRestMilliseconds(int milliseconds)
{
    g_restMilliseconds = milliseconds;
}

SpokenControls::SpokenControls(QWidget* client, std::span<const Control> design,
                               const FormBuilder::Controls& controls)
    : QObject(client)
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(g_restMilliseconds);
    connect(&m_rest, &QTimer::timeout, this, &SpokenControls::restCompleted);
    for (const Control& row : design)
        if (QWidget* widget = controls.value(FormBuilder::objectNameOf(row)))
            watch(widget, row);
}

void SpokenControls::watch(QWidget* widget, const Control& row)
{
    auto fromView = [](std::string_view text) {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    };
    const std::string_view name = row.accessibleName();
    const Speaks speaks = row.spoken.speaks;
    // A control with nothing to say or name (a hidden score box, a grid line) is left alone.
    if (name.empty() && speaks == Speaks::Words && row.words().text.empty())
        return;
    widget->setAccessibleName(fromView(name));
    if (row.spoken.description)
        widget->setAccessibleDescription(QString::fromUtf8(row.spoken.description));
    if (speaks == Speaks::Letters || speaks == Speaks::Marks)
        widget->setMouseTracking(true);
    widget->installEventFilter(this);
    m_words.insert(widget, {&row, row.words()});
}

void SpokenControls::replyShown(QWidget* control, const words::Phrase& said)
{
    if (auto it = m_words.find(control); it != m_words.end())
        it->said = said;
}

void SpokenControls::questionShown(const words::Phrase& asked)
{
    m_question = asked;
    // A screen reader reads the question with the picture's name, as resting says it.
    for (auto it = m_words.cbegin(); it != m_words.cend(); ++it)
        if (auto* picture = qobject_cast<ClickLabel*>(it.key()); picture && it->row->spoken.speaks == Speaks::Question)
            picture->setShownName(QString::fromUtf8(asked.text.data(), qsizetype(asked.text.size())));
}

bool SpokenControls::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Enter:
        m_hovered = widget;
        m_itemSaid = -1;
        m_itemUnderPointer = -1;
        pointerAt(widget, static_cast<QEnterEvent*>(event)->position().toPoint());
        break;
    case QEvent::MouseMove:
        if (widget == m_hovered)
            pointerAt(widget, static_cast<QMouseEvent*>(event)->position().toPoint());
        break;
    case QEvent::MouseButtonPress:
        // A click answers this visit: what it sets off (a reply, a new screen) must
        // not be cut by the control's own words a moment later.
        if (widget == m_hovered) {
            m_rest.stop();
            m_itemSaid = m_itemUnderPointer;
        }
        break;
    case QEvent::Leave:
        if (widget == m_hovered) {
            m_hovered = nullptr;
            m_rest.stop();
        }
        break;
    default:
        break;
    }
    return false;
}

void SpokenControls::pointerAt(QWidget* widget, QPoint position)
{
    const int item = itemAt(widget, position);
    if (item == m_itemUnderPointer)
        return;
    m_itemUnderPointer = item;
    // The rest starts over on every new item, so a quick sweep says nothing.
    if (item >= 0 && item != m_itemSaid)
        m_rest.start();
    else
        m_rest.stop();
}

int SpokenControls::itemAt(QWidget* widget, QPoint position) const
{
    const Control& row = *m_words.value(widget).row;
    switch (row.spoken.speaks) {
    case Speaks::Letters:
        if (auto* label = qobject_cast<QLabel*>(widget))
            return letterAt(label, position.x());
        return -1;
    case Speaks::Marks:
        return markAt(row.spoken.marks, (position.x() + 0.5) / std::max(1, widget->width()));
    default:
        return 0;
    }
}

void SpokenControls::restCompleted()
{
    QWidget* widget = m_hovered;
    // A screen hidden (or a control hidden) while the pointer rested says nothing.
    if (!widget || !widget->isVisible() || !widget->window()->isVisible())
        return;
    if (const auto phrase = phraseFor(widget, m_itemUnderPointer)) {
        // Words still being said go on to their end rather than start over.
        if (!Speech::isSaying(*phrase))
            Speech::say(*phrase, widget->window());
        m_itemSaid = m_itemUnderPointer;
    }
}

std::optional<words::Phrase> SpokenControls::phraseFor(QWidget* widget, int item) const
{
    const Words words = m_words.value(widget);
    auto some = [](const words::Phrase& phrase) {
        return phrase.text.empty() ? std::nullopt : std::optional(phrase);
    };
    switch (words.row->spoken.speaks) {
    case Speaks::Words:
        return some(words.said);
    case Speaks::Nothing:
        return std::nullopt;
    case Speaks::Letters: {
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (!label || item < 0 || item >= label->text().size())
            return std::nullopt;
        return words::letter(label->text().at(item).toLatin1());
    }
    case Speaks::Marks:
        return words::number(item);
    case Speaks::Question:
        return some(m_question);
    }
    return std::nullopt;
}

} // namespace sprout
