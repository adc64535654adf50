#pragma once

// A speaker that keeps what it is asked to say, for the tests of the voice.

#include "speaker.h"

#include <QStringList>

namespace sprout::testing {

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
