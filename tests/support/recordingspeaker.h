#pragma once

// A speaker that keeps what it is asked to say, for the tests of the voice.

#include "speech.h"

#include <QStringList>

namespace sprout::testing {

// Mr. Pim's greeting on the main menu.
inline const QString kGreeting = "Hello there, my name is Mr. Pim. I am the teacher of this classroom, I am here to "
                                 "help you learn all sorts of fun things from letters to numbers. To start, click on "
                                 "a lesson on the board!";

inline QString textOf(const words::Phrase& phrase)
{
    return QString::fromUtf8(phrase.text.data(), static_cast<qsizetype>(phrase.text.size()));
}

// The phrase said last counts as still being said until it is stopped, the next
// one is said, or the test lets it end.
struct RecordingSpeaker : Speaker {
    QStringList said;
    QList<words::Voice> voices;
    QString saying;
    void say(const words::Phrase& phrase) override
    {
        said << textOf(phrase);
        voices << phrase.voice;
        saying = said.last();
    }
    void sayAfter(const words::Phrase& phrase) override { say(phrase); }
    void stop() override { saying.clear(); }
    bool isSaying(const words::Phrase& phrase) const override { return saying == textOf(phrase); }
    void forget() { said.clear(), voices.clear(), saying.clear(); }
};

} // namespace sprout::testing
