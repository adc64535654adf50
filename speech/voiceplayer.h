#pragma once

#include "audiosink.h"
#include "speaker.h"
#include "speechtiming.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace sprout {

// The program's speaker: plays the voice files that lie in the program folder
// through one output stream, on a thread of its own. The stream is opened with the
// first phrase and kept while phrases come, so no beginning is lost to a waking
// device; a new phrase cuts the one playing and only the newest waiting phrase is
// ever played. Without an audio server it stays silent and tries again later.
class VoicePlayer : public Speaker {
public:
    using SinkMaker = std::function<std::unique_ptr<AudioSink>()>;
    static constexpr int kSampleRate = 48000;

    // folder: where "voice/<name>.wav" lies. The player does nothing until start().
    explicit VoicePlayer(std::string folder, SinkMaker makeSink = defaultSink());
    ~VoicePlayer() override;
    VoicePlayer(const VoicePlayer&) = delete;
    VoicePlayer& operator=(const VoicePlayer&) = delete;

    // Begins playing; a phrase said before it waits (so the main menu's greeting
    // can be said before its first frame and heard just after it).
    void start();
    void say(const words::Phrase& phrase) override;
    void sayAfter(const words::Phrase& phrase) override;
    void stop() override;
    bool isSaying(const words::Phrase& phrase) const override;
    // Says a file of the folder directly: what say() does once it knows the file.
    void sayFile(std::string fileName);

    SpeechTiming timing() const;

    static SinkMaker defaultSink();

    // What the player and its thread share; defined with the thread's code.
    struct State;

private:
    std::shared_ptr<State> m_state;
    std::thread m_thread;
};

} // namespace sprout
