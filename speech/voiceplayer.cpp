#include "voiceplayer.h"

#include "pulsesink.h"
#include "soundcursor.h"
#include "voicecache.h"

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <algorithm>
#include <future>
#include <mutex>
#include <optional>
#include <utility>

namespace sprout {

using Clock = std::chrono::steady_clock;

namespace {
constexpr std::size_t kCacheBytes = 4u << 20;
constexpr int kChunkSamples = VoicePlayer::kSampleRate / 100; // 10 ms between looks at the queue
// Silence after each phrase, so that its end leaves the server's buffer and a very
// short phrase still fills enough of it to start.
constexpr int kTailSamples = VoicePlayer::kSampleRate / 10;
// A stream left open costs the device its sleep: let go after a quiet while.
constexpr auto kIdleClose = std::chrono::seconds(20);
constexpr auto kFirstRetry = std::chrono::seconds(1);
constexpr auto kLongestRetry = std::chrono::seconds(8);

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}
} // namespace

// Shared by the player and its thread, so that a thread stuck in a hung server can
// be left behind at exit without touching a destroyed player.
struct VoicePlayer::State {
    struct Request {
        std::string fileName;
        Clock::time_point asked;
        bool follows = false; // comes after a phrase said to its end, which it must not cut
    };

    std::string folder;
    SinkMaker makeSink;
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<Request> pending; // only the newest phrase ever waits
    std::deque<Request> following;  // to be said, in turn, after pending and playing
    std::string playing;            // the file being played, if any
    bool stopAsked = false;
    bool quit = false;
    SpeechTiming timing;
    std::promise<void> finished;

    bool interrupted()
    {
        std::lock_guard lock(mutex);
        return pending || stopAsked || quit;
    }
};

namespace {

// The player's thread: owns the stream, the voice files and the retry rules.
class Worker {
public:
    explicit Worker(std::shared_ptr<VoicePlayer::State> state)
        : m_state(std::move(state)), m_cache(m_state->folder, kCacheBytes)
    {
    }

    void run()
    {
        std::unique_lock lock(m_state->mutex);
        while (!m_state->quit) {
            const bool woken = m_state->wake.wait_for(lock, kIdleClose, [this] {
                return m_state->pending || m_state->stopAsked || m_state->quit;
            });
            if (!woken) {
                m_sink.reset();
                continue;
            }
            if (m_state->quit)
                break;
            const bool stopped = std::exchange(m_state->stopAsked, false);
            std::optional<VoicePlayer::State::Request> request = std::move(m_state->pending);
            m_state->pending.reset();
            if (request)
                m_state->playing = request->fileName;
            lock.unlock();
            if (request)
                play(*request);
            else if (stopped && m_sink)
                m_sink->flush();
            lock.lock();
            m_state->playing.clear();
            if (!m_state->pending && !m_state->stopAsked && !m_state->following.empty()) {
                m_state->pending = std::move(m_state->following.front());
                m_state->following.pop_front();
            }
        }
        lock.unlock();
        m_sink.reset();
    }

private:
    void play(const VoicePlayer::State::Request& request)
    {
        const std::shared_ptr<const Sound> sound = m_cache.find(request.fileName);
        if (!sound || !connected())
            return;
        if (!request.follows)
            m_sink->flush(); // whatever is still to be heard of the last phrase goes
        SoundCursor cursor(sound, VoicePlayer::kSampleRate);
        std::int16_t chunk[kChunkSamples];
        bool first = true;
        for (int tail = kTailSamples; tail > 0 && !m_state->interrupted();) {
            std::size_t count = cursor.read(chunk, kChunkSamples);
            if (count == 0) {
                count = std::min(tail, kChunkSamples);
                std::fill_n(chunk, count, std::int16_t(0));
                tail -= int(count);
            }
            std::string error;
            if (!m_sink->write(chunk, count, error)) {
                lose("the audio server went away (" + error + ")");
                return;
            }
            if (std::exchange(first, false))
                noteFirstWrite(request);
        }
    }

    void noteFirstWrite(const VoicePlayer::State::Request& request)
    {
        const double sayToWrite = msBetween(request.asked, Clock::now());
        const double latency = m_sink->latencyMs();
        std::lock_guard lock(m_state->mutex);
        ++m_state->timing.phrasesStarted;
        m_state->timing.sayToFirstWriteMs = sayToWrite;
        m_state->timing.serverLatencyMs = latency;
    }

    // Opens the stream when there is none, but not again and again while no
    // server answers: a phrase said in the meantime stays silent.
    bool connected()
    {
        if (m_sink)
            return true;
        if (Clock::now() < m_nextTry)
            return false;
        std::unique_ptr<AudioSink> sink = m_state->makeSink();
        std::string error;
        if (!sink || !sink->open(VoicePlayer::kSampleRate, error)) {
            lose("no audio server or output device (" + error + ")");
            return false;
        }
        m_sink = std::move(sink);
        m_retry = kFirstRetry;
        m_silent = false;
        return true;
    }

    // One line on standard error for each time the voice falls silent.
    void lose(const std::string& why)
    {
        if (!m_silent)
            std::fprintf(stderr, "sproutkin: %s; the voice stays silent until one is there\n",
                         why.c_str());
        const bool wasOpen = m_sink != nullptr;
        m_silent = true;
        m_sink.reset();
        // A server that just went away may be restarting: ask again at the next phrase.
        m_nextTry = wasOpen ? Clock::now() : Clock::now() + m_retry;
        if (!wasOpen)
            m_retry = std::min(m_retry * 2, std::chrono::duration_cast<Clock::duration>(kLongestRetry));
    }

    std::shared_ptr<VoicePlayer::State> m_state;
    VoiceCache m_cache;
    std::unique_ptr<AudioSink> m_sink;
    Clock::time_point m_nextTry{};
    Clock::duration m_retry = kFirstRetry;
    bool m_silent = false;
};

} // namespace

VoicePlayer::VoicePlayer(std::string folder, SinkMaker makeSink) : m_state(std::make_shared<State>())
{
    m_state->folder = std::move(folder);
    m_state->makeSink = std::move(makeSink);
}

VoicePlayer::~VoicePlayer()
{
    if (!m_thread.joinable())
        return;
    std::future<void> finished = m_state->finished.get_future();
    {
        std::lock_guard lock(m_state->mutex);
        m_state->quit = true;
    }
    m_state->wake.notify_all();
    // A hung audio server must not hold up leaving the program.
    if (finished.wait_for(std::chrono::seconds(2)) == std::future_status::ready)
        m_thread.join();
    else
        m_thread.detach();
}

void VoicePlayer::start()
{
    if (m_thread.joinable())
        return;
    m_thread = std::thread([state = m_state] {
        Worker(state).run();
        state->finished.set_value();
    });
}

void VoicePlayer::say(const words::Phrase& phrase)
{
    sayFile(words::voiceFileName(phrase));
}

void VoicePlayer::sayFile(std::string fileName)
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->following.clear();
        m_state->pending = State::Request{std::move(fileName), Clock::now()};
    }
    m_state->wake.notify_one();
}

void VoicePlayer::sayAfter(const words::Phrase& phrase)
{
    {
        std::lock_guard lock(m_state->mutex);
        State::Request request{words::voiceFileName(phrase), Clock::now(), true};
        if (m_state->pending || !m_state->playing.empty())
            m_state->following.push_back(std::move(request));
        else
            m_state->pending = std::move(request);
    }
    m_state->wake.notify_one();
}

void VoicePlayer::stop()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->pending.reset();
        m_state->following.clear();
        m_state->playing.clear();
        m_state->stopAsked = true;
    }
    m_state->wake.notify_one();
}

bool VoicePlayer::isSaying(const words::Phrase& phrase) const
{
    const std::string fileName = words::voiceFileName(phrase);
    std::lock_guard lock(m_state->mutex);
    const auto isFile = [&](const State::Request& request) { return request.fileName == fileName; };
    const bool now = m_state->pending ? isFile(*m_state->pending) : m_state->playing == fileName;
    return now || std::any_of(m_state->following.begin(), m_state->following.end(), isFile);
}

SpeechTiming VoicePlayer::timing() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->timing;
}

VoicePlayer::SinkMaker VoicePlayer::defaultSink()
{
    return [] { return std::make_unique<PulseSink>(); };
}

} // namespace sprout
