#include "spokencontrols.h"

#include "controls.h"
#include "speaker.h"

#include <QAbstractButton>
#include <QEnterEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <cmath>

namespace sprout {

namespace {

int g_restMilliseconds = 500;

QString shownText(const QWidget* widget)
{
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(widget))
        return text->toPlainText();
    return {};
}

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

void SpokenControls::attach(QWidget* client, const char* screenName,
                            const QHash<QString, QWidget*>& controls)
{
    if (!words::wordsOfScreen(screenName))
        return;
    auto* spoken = new SpokenControls(client, screenName);
    for (auto it = controls.cbegin(); it != controls.cend(); ++it)
        if (const words::ControlWords* row = words::wordsOfControl(screenName, it.key().toStdString()))
            spoken->watch(it.value(), *row);
}

SpokenControls::SpokenControls(QWidget* client, const char* screenName)
    : QObject(client), m_screen(screenName)
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(g_restMilliseconds);
    connect(&m_rest, &QTimer::timeout, this, &SpokenControls::restCompleted);
}

void SpokenControls::watch(QWidget* widget, const words::ControlWords& words)
{
    auto fromView = [](std::string_view text) {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    };
    widget->setAccessibleName(fromView(words.accessibleName()));
    if (!words.description.empty())
        widget->setAccessibleDescription(fromView(words.description));
    if (words.strip == words::Strip::Text || words.strip == words::Strip::Marks)
        widget->setMouseTracking(true);
    widget->installEventFilter(this);
    m_words.insert(widget, &words);
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
    case QEvent::DynamicPropertyChange:
        // A screen reader reads the question with the picture's name, as resting says it.
        if (auto* picture = qobject_cast<ClickLabel*>(widget);
            picture && m_words.value(widget)->strip == words::Strip::Picture) {
            const auto question = phraseFor(widget, 0);
            picture->setShownName(question ? QString::fromUtf8(question->text.data(), qsizetype(question->text.size()))
                                           : QString());
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
    const words::ControlWords* words = m_words.value(widget);
    switch (words->strip) {
    case words::Strip::Text:
        if (auto* label = qobject_cast<QLabel*>(widget))
            return letterAt(label, position.x());
        return -1;
    case words::Strip::Marks:
        return markAt(words->marks, (position.x() + 0.5) / std::max(1, widget->width()));
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
    const words::ControlWords* words = m_words.value(widget);
    switch (words->strip) {
    case words::Strip::None:
        return words->said;
    case words::Strip::Text: {
        const QString text = shownText(widget);
        if (item < 0 || item >= text.size())
            return std::nullopt;
        return words::letter(text.at(item).toLatin1());
    }
    case words::Strip::Marks:
        return words::number(item);
    case words::Strip::Picture:
        return words::questionFor(m_screen, widget->property("pictureFile").toString().toStdString());
    case words::Strip::Shown:
        return words::replyFor(m_screen, shownText(widget).toStdString());
    }
    return std::nullopt;
}

} // namespace sprout
