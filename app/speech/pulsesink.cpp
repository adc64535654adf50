#include "pulsesink.h"

#include <pulse/error.h>
#include <pulse/simple.h>

namespace sprout {

namespace {
// What the server keeps buffered ahead of the speaker: small, so that the first
// sound comes soon and a cut is heard at once, yet enough to ride out a busy moment.
constexpr int kBufferMs = 40;
} // namespace

PulseSink::~PulseSink()
{
    if (m_stream)
        pa_simple_free(m_stream);
}

bool PulseSink::open(int sampleRate, std::string& error)
{
    const pa_sample_spec spec{PA_SAMPLE_S16LE, std::uint32_t(sampleRate), 1};
    pa_buffer_attr buffer;
    buffer.maxlength = std::uint32_t(-1);
    buffer.tlength = std::uint32_t(sampleRate / 1000 * kBufferMs * 2);
    buffer.prebuf = std::uint32_t(-1); // playback starts once a buffer's worth is in
    buffer.minreq = std::uint32_t(-1);
    buffer.fragsize = std::uint32_t(-1);
    int code = 0;
    m_stream = pa_simple_new(nullptr, "Sproutkin", PA_STREAM_PLAYBACK, nullptr, "Voice", &spec,
                             nullptr, &buffer, &code);
    if (!m_stream)
        error = pa_strerror(code);
    return m_stream != nullptr;
}

bool PulseSink::write(const std::int16_t* samples, std::size_t count, std::string& error)
{
    int code = 0;
    if (pa_simple_write(m_stream, samples, count * sizeof *samples, &code) < 0) {
        error = pa_strerror(code);
        return false;
    }
    return true;
}

void PulseSink::flush()
{
    pa_simple_flush(m_stream, nullptr);
}

double PulseSink::latencyMs()
{
    int code = 0;
    const pa_usec_t latency = pa_simple_get_latency(m_stream, &code);
    return latency == pa_usec_t(-1) ? -1 : latency / 1000.0;
}

} // namespace sprout
