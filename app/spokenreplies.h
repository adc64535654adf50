#pragma once

#include "design.h"
#include "formbuilder.h"

#include <QObject>
#include <QPointer>
#include <optional>

class QWidget;

namespace sprout {

// Says what one loaded screen shows in reply: a quiz's verdict each time it is
// given, the question when a new one comes or the quiz comes into view, the
// board's and the award's words when they appear, each letter typed into a text
// box. Only a screen on show speaks, and one child's action says what matters most
// of what it brought, once the click has been handled: the tenth right answer's
// award rather than the verdict; a right spelling's verdict, then the next word.
class SpokenReplies : public QObject {
    Q_OBJECT
public:
    // Lives as long as the screen's client area.
    SpokenReplies(QWidget* client, const ScreenDesign& design, const FormBuilder::Controls& controls);

    void replyShown(QWidget* control, const words::Phrase& said);
    void questionShown(const words::Phrase& asked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a reply is, least to most telling: of the replies one action brings,
    // the most telling is said, the later of two that tell as much.
    enum class Weight { Typing, Question, Verdict, Arrival };

    void say(Weight weight, const std::optional<words::Phrase>& phrase);
    void arrived();

    QPointer<QWidget> m_window;
    std::optional<words::Phrase> m_question;       // of the quiz picture on show
    std::optional<words::Phrase> m_arrivalWords;   // said each time the screen comes into view
    std::optional<words::Phrase> m_shownWhileHidden; // a reply not heard yet (the greeting)
};

} // namespace sprout
