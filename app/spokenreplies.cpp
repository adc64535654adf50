#include "spokenreplies.h"

#include "guidance.h"
#include "phrases.h"
#include "speech.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
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
    std::optional<words::Phrase> then; // a new question, asked once the verdict is said
};
std::optional<Pending> g_pending;

void sayPending()
{
    const std::optional<Pending> pending = std::exchange(g_pending, std::nullopt);
    // A screen hidden later in the same action has nothing more to say.
    if (!pending || !pending->window || !pending->window->isVisible())
        return;
    Speech::say(pending->phrase, pending->window.data());
    if (pending->then)
        Speech::sayAfter(*pending->then, pending->window.data());
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

SpokenReplies::SpokenReplies(QWidget* client, const ScreenDesign& design,
                             const FormBuilder::Controls& controls)
    : QObject(client), m_window(client->window())
{
    m_window->installEventFilter(this);
    for (const Control& row : design.controls) {
        if (design.saidOnArrival && std::string_view(row.name) == design.saidOnArrival)
            m_arrivalWords = row.words();
        if (auto* box = qobject_cast<QLineEdit*>(controls.value(FormBuilder::objectNameOf(row))))
            box->installEventFilter(this);
    }
    // A screen that says what it is says that rather than its own first words.
    if (auto guidance = words::arrivalGuidance(design))
        m_arrivalWords = guidance;
}

void SpokenReplies::replyShown(QWidget* control, const words::Phrase& said)
{
    // A button's new caption names what it does next and is said when pointed at;
    // it answers nothing.
    if (qobject_cast<QAbstractButton*>(control))
        return;
    if (m_window && !m_window->isVisible())
        m_shownWhileHidden = said;
    else
        say(Weight::Verdict, said);
}

void SpokenReplies::questionShown(const words::Phrase& asked)
{
    m_question = asked;
    say(Weight::Question, asked);
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
    }
    return false;
}

void SpokenReplies::say(Weight weight, const std::optional<words::Phrase>& phrase)
{
    if (!phrase || phrase->text.empty() || !m_window || !m_window->isVisible())
        return;
    // Each key is an action of its own, and the child waits for its letter.
    if (weight == Weight::Typing)
        return Speech::say(*phrase, m_window.data());
    if (g_pending && g_pending->weight > int(weight)) {
        // A right answer that brings the next question: the child needs both.
        if (weight == Weight::Question && g_pending->weight == int(Weight::Verdict) && g_pending->window == m_window)
            g_pending->then = *phrase;
        return;
    }
    if (!g_pending)
        QTimer::singleShot(0, &sayPending);
    g_pending = Pending{int(weight), *phrase, m_window, std::nullopt};
}

// A quiz coming into view asks its question; another screen says what it is, an
// award what its buttons do, each time; the board's first words are said when it
// first appears, but a result left from before is not news when the child comes back.
void SpokenReplies::arrived()
{
    if (m_question)
        say(Weight::Arrival, m_question);
    else if (m_arrivalWords)
        say(Weight::Arrival, m_arrivalWords);
    else
        say(Weight::Arrival, std::exchange(m_shownWhileHidden, std::nullopt));
}

} // namespace sprout
