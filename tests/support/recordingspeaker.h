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

struct RecordingSpeaker : Speaker {
    QStringList said;
    QList<words::Voice> voices;
    void say(const words::Phrase& phrase) override
    {
        said << textOf(phrase);
        voices << phrase.voice;
    }
    void stop() override {}
    void forget() { said.clear(), voices.clear(); }
};

} // namespace sprout::testing
