#include "pulsesink.h"

#include <dlfcn.h>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <type_traits>

namespace sprout {

namespace {

// What the server keeps buffered ahead of the speaker: small, so that the first
// sound comes soon and a cut is heard at once, yet enough to ride out a busy moment.
constexpr int kBufferMs = 40;

// The sound library is opened by the player's thread with its first phrase, not by
// the loader at start-up: it brings some twenty libraries (codecs, D-Bus, systemd)
// that the first frame should not wait for, and a machine without it stays silent
// instead of failing to start.
struct PulseLibrary {
    decltype(&pa_simple_new) open = nullptr;
    decltype(&pa_simple_write) write = nullptr;
    decltype(&pa_simple_flush) flush = nullptr;
    decltype(&pa_simple_get_latency) latency = nullptr;
    decltype(&pa_simple_free) free = nullptr;
    decltype(&pa_strerror) describe = nullptr;

    static const PulseLibrary* get()
    {
        static const PulseLibrary library = load();
        return library.free ? &library : nullptr;
    }

private:
    static PulseLibrary load()
    {
        void* handle = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
        auto find = [handle](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
            return function != nullptr;
        };
        PulseLibrary found;
        if (handle && find(found.open, "pa_simple_new") && find(found.write, "pa_simple_write")
            && find(found.flush, "pa_simple_flush") && find(found.latency, "pa_simple_get_latency")
            && find(found.describe, "pa_strerror") && find(found.free, "pa_simple_free"))
            return found;
        return {};
    }
};

} // namespace

PulseSink::~PulseSink()
{
    if (m_stream)
        PulseLibrary::get()->free(m_stream);
}

bool PulseSink::open(int sampleRate, std::string& error)
{
    const PulseLibrary* pulse = PulseLibrary::get();
    if (!pulse) {
        error = "the sound library libpulse-simple.so.0 is missing";
        return false;
    }
    const pa_sample_spec format{PA_SAMPLE_S16LE, std::uint32_t(sampleRate), 1};
    pa_buffer_attr buffer;
    buffer.maxlength = std::uint32_t(-1);
    buffer.tlength = std::uint32_t(sampleRate / 1000 * kBufferMs * 2);
    buffer.prebuf = std::uint32_t(-1); // playback starts once a buffer's worth is in
    buffer.minreq = std::uint32_t(-1);
    buffer.fragsize = std::uint32_t(-1);
    int code = 0;
    m_stream = pulse->open(nullptr, "Sproutkin", PA_STREAM_PLAYBACK, nullptr, "Voice", &format,
                           nullptr, &buffer, &code);
    if (!m_stream)
        error = pulse->describe(code);
    return m_stream != nullptr;
}

bool PulseSink::write(const std::int16_t* samples, std::size_t count, std::string& error)
{
    int code = 0;
    const PulseLibrary* pulse = PulseLibrary::get();
    if (pulse->write(m_stream, samples, count * sizeof *samples, &code) < 0) {
        error = pulse->describe(code);
        return false;
    }
    return true;
}

void PulseSink::flush()
{
    PulseLibrary::get()->flush(m_stream, nullptr);
}

double PulseSink::latencyMs()
{
    int code = 0;
    const pa_usec_t latency = PulseLibrary::get()->latency(m_stream, &code);
    return latency == pa_usec_t(-1) ? -1 : latency / 1000.0;
}

} // namespace sprout
