#include "spokenreplies.h"

#include "controls.h"
#include "guidance.h"
#include "speaker.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <utility>

namespace sprout {

namespace {

// The reply an action has brought so far: said once the action is over, when the
// program waits again, so that one action says one phrase, the most telling.
struct Pending {
    int weight = 0;
    words::Phrase phrase;
    QPointer<QWidget> window;
};
std::optional<Pending> g_pending;

void sayPending()
{
    const std::optional<Pending> pending = std::exchange(g_pending, std::nullopt);
    // A screen hidden later in the same action has nothing more to say.
    if (pending && pending->window && pending->window->isVisible())
        Speech::say(pending->phrase, pending->window.data());
}

// The letter a key press types into a text box; nothing for a shortcut or another key.
std::optional<words::Phrase> typedLetter(const QLineEdit* box, const QKeyEvent* key)
{
    const Qt::KeyboardModifiers typing = Qt::NoModifier | Qt::ShiftModifier;
    if (box->isReadOnly() || (key->modifiers() & ~typing) || key->text().size() != 1)
        return std::nullopt;
    return words::letter(key->text().at(0).toLatin1());
}

} // namespace

void SpokenReplies::attach(QWidget* client, const char* screenName,
                           const QHash<QString, QWidget*>& controls)
{
    if (!words::wordsOfScreen(screenName))
        return;
    auto* replies = new SpokenReplies(client, screenName);
    for (auto it = controls.cbegin(); it != controls.cend(); ++it)
        if (const words::ControlWords* row = words::wordsOfControl(screenName, it.key().toStdString()))
            replies->watch(it.value(), *row);
}

SpokenReplies::SpokenReplies(QWidget* client, const char* screenName)
    : QObject(client), m_screen(screenName), m_window(client->window())
{
    m_window->installEventFilter(this);
}

void SpokenReplies::watch(QWidget* widget, const words::ControlWords& words)
{
    m_words.insert(widget, &words);
    if (words.strip == words::Strip::Picture) {
        widget->installEventFilter(this);
    } else if (words.strip == words::Strip::Shown) {
        // A button's caption names what it does and is said when pointed at; only
        // labels and text boxes show replies.
        if (auto* label = qobject_cast<ClickLabel*>(widget))
            connect(label, &ClickLabel::captionSet, this,
                    [this, label] { say(Weight::Verdict, shownReply(label)); });
        else if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
            connect(text, &QPlainTextEdit::textChanged, this,
                    [this, text] { say(Weight::Verdict, shownReply(text)); });
    }
    if (qobject_cast<QLineEdit*>(widget))
        widget->installEventFilter(this);
}

bool SpokenReplies::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        // The window system showing it again (after a minimise) is no new arrival.
        if (event->type() == QEvent::Show && !event->spontaneous())
            arrived();
        // Its words go with it; a screen that comes in its place speaks for itself.
        else if (event->type() == QEvent::Hide)
            Speech::stopSaidBy(m_window.data());
    } else if (event->type() == QEvent::KeyPress) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            say(Weight::Typing, typedLetter(box, static_cast<QKeyEvent*>(event)));
    } else if (event->type() == QEvent::DynamicPropertyChange
               && static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == "pictureFile") {
        say(Weight::Question, question(static_cast<QWidget*>(watched)));
    }
    return false;
}

void SpokenReplies::say(Weight weight, const std::optional<words::Phrase>& phrase)
{
    if (!phrase || !m_window || !m_window->isVisible())
        return;
    // Each key is an action of its own, and the child waits for its letter.
    if (weight == Weight::Typing)
        return Speech::say(*phrase, m_window.data());
    if (g_pending && g_pending->weight > int(weight))
        return;
    if (!g_pending)
        QTimer::singleShot(0, &sayPending);
    g_pending = Pending{int(weight), *phrase, m_window};
}

// A quiz coming into view asks its question; another screen says what it is, an
// award what its buttons do, each time; the board's first words are said when it
// first appears, but a result left from before is not news when the child comes back.
void SpokenReplies::arrived()
{
    const bool firstTime = !m_seen;
    m_seen = true;
    std::optional<words::Phrase> reply;
    for (auto it = m_words.cbegin(); it != m_words.cend() && !reply; ++it)
        if (it.value()->strip == words::Strip::Picture)
            reply = question(it.key());
    if (!reply)
        reply = words::arrivalGuidance(m_screen);
    for (auto it = m_words.cbegin(); it != m_words.cend() && !reply; ++it)
        if (it.value()->strip == words::Strip::None || firstTime)
            reply = shownReply(it.key());
    say(Weight::Arrival, reply);
}

std::optional<words::Phrase> SpokenReplies::shownReply(QWidget* widget) const
{
    QString text;
    if (auto* label = qobject_cast<const ClickLabel*>(widget))
        text = label->text();
    else if (auto* box = qobject_cast<const QPlainTextEdit*>(widget))
        text = box->toPlainText();
    else
        return std::nullopt;
    if (auto guided = words::resultWithNextStep(m_screen, text.toStdString()))
        return guided;
    return words::replyFor(m_screen, text.toStdString());
}

std::optional<words::Phrase> SpokenReplies::question(QWidget* picture) const
{
    return words::questionFor(m_screen, picture->property("pictureFile").toString().toStdString());
}

} // namespace sprout
