#include "voicebench.h"

#include "voiceplayer.h"
#include "wavbytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QThread>

namespace sprout::bench {

namespace {

// Waits until the player has started one more phrase than before, or gives up.
bool started(const VoicePlayer& player, int before)
{
    for (int waited = 0; waited < 2000; waited += 5) {
        if (player.timing().phrasesStarted > before)
            return true;
        QThread::msleep(5);
    }
    return false;
}

} // namespace

VoiceLatency voiceLatency(int phrases)
{
    VoiceLatency latency;
    QTemporaryDir folder;
    if (!QDir(folder.path()).mkpath(QStringLiteral("voice")))
        return latency;
    // A voice file as the voice maker writes them: mono, 16 kHz, a word's length.
    const std::string fileName = "voice/tone.wav";
    if (!test::writeFile(folder.filePath(QString::fromStdString(fileName)).toStdString(),
                         test::wavBytes(test::tone(440, 400))))
        return latency;
    VoicePlayer player(folder.path().toStdString());
    player.start();
    for (int phrase = 0; phrase <= phrases; ++phrase) {
        const int before = player.timing().phrasesStarted;
        player.sayFile(fileName);
        if (!started(player, before))
            return latency; // no audio server: nothing to measure
        const SpeechTiming timing = player.timing();
        if (phrase == 0) {
            latency.firstPhraseMs.add(timing.sayToFirstWriteMs);
        } else {
            latency.sayToFirstWriteMs.add(timing.sayToFirstWriteMs);
            latency.serverLatencyMs.add(timing.serverLatencyMs);
        }
        // Some phrases cut the one playing, some come after silence, as a child's do.
        QThread::msleep(phrase % 2 ? 150 : 700);
    }
    return latency;
}

} // namespace sprout::bench
