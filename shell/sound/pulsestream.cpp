// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulsestream.h"

#include <pulse/simple.h>

#include <cstdint>

namespace ttt {

namespace {

// How much the server holds ahead of what is heard: little, so that a new cue
// cuts in at once, enough that a busy machine does not starve it.
constexpr pa_usec_t bufferedUsec = 100'000;

} // namespace

PulseStream::~PulseStream()
{
    close();
}

bool PulseStream::open(const WaveFormat& format)
{
    if (m_stream && format.channels == m_format.channels &&
        format.sampleRate == m_format.sampleRate && format.bitsPerSample == m_format.bitsPerSample)
        return true;
    close();
    pa_sample_spec sampleFormat;
    sampleFormat.format = format.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    sampleFormat.rate = static_cast<std::uint32_t>(format.sampleRate);
    sampleFormat.channels = static_cast<std::uint8_t>(format.channels);
    pa_buffer_attr buffer;
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(bufferedUsec, &sampleFormat));
    // No prebuffering: a cue starts with its first samples, however short it is.
    buffer.prebuf = 0;
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    m_stream = pa_simple_new(nullptr, "Tic Tac Toe", PA_STREAM_PLAYBACK, nullptr, "Game cues",
                             &sampleFormat, nullptr, &buffer, nullptr);
    m_format = format;
    return m_stream != nullptr;
}

bool PulseStream::write(std::span<const unsigned char> samples)
{
    if (!m_stream)
        return false;
    if (pa_simple_write(m_stream, samples.data(), samples.size(), nullptr) < 0) {
        close();
        return false;
    }
    return true;
}

void PulseStream::flush()
{
    if (m_stream && pa_simple_flush(m_stream, nullptr) < 0)
        close();
}

void PulseStream::close()
{
    if (m_stream) {
        pa_simple_free(m_stream);
        m_stream = nullptr;
    }
}

} // namespace ttt
