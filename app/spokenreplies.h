#pragma once

#include "screenwords.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <string>

class QWidget;

namespace sprout {

// Says what one loaded screen shows in reply, from the screen's words table: a
// quiz's verdict each time it is given, the question when a new one comes or the
// quiz comes into view, the board's and the award's words when they appear, each
// letter typed into a text box. Only a screen on show speaks, and one child's
// action says one phrase: where a click brings several replies (a right spelling
// brings the verdict and the next word, the tenth right answer the award too),
// the one that matters most is said once the click has been handled.
class SpokenReplies : public QObject {
    Q_OBJECT
public:
    // Lives as long as the screen's client area; a screen without words gets none.
    static void attach(QWidget* client, const char* screenName,
                       const QHash<QString, QWidget*>& controls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a reply is, least to most telling: of the replies one action brings,
    // the most telling is said, the later of two that tell as much.
    enum class Weight { Typing, Question, Verdict, Arrival };

    SpokenReplies(QWidget* client, const char* screenName);
    void watch(QWidget* widget, const words::ControlWords& words);
    void say(Weight weight, const std::optional<words::Phrase>& phrase);
    void arrived();
    std::optional<words::Phrase> shownReply(QWidget* widget) const;
    std::optional<words::Phrase> question(QWidget* picture) const;

    std::string m_screen;
    QPointer<QWidget> m_window;
    QHash<QWidget*, const words::ControlWords*> m_words;
    bool m_seen = false; // shown before since it was loaded
};

} // namespace sprout
