// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulsestream.h"

#include <pulse/context.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <cstdint>

namespace ttt {

namespace {

// How much the server plays ahead of what it has been asked to: little, so that
// a new cue cuts in at once. A whole cue is handed over beyond that and waits in
// the server's queue, which holds several minutes of sound.
constexpr pa_usec_t bufferedUsec = 100'000;

// Wakes whoever waits on the main loop when a context or stream changes state.
void signalLoop(void*, void* loop)
{
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
}

void contextChanged(pa_context*, void* loop)
{
    signalLoop(nullptr, loop);
}

void streamChanged(pa_stream*, void* loop)
{
    signalLoop(nullptr, loop);
}

} // namespace

PulseStream::~PulseStream()
{
    close();
}

bool PulseStream::connect()
{
    if (m_context)
        return pa_context_get_state(m_context) == PA_CONTEXT_READY;
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop || pa_threaded_mainloop_start(m_loop) < 0)
        return false;
    pa_threaded_mainloop_lock(m_loop);
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Tic Tac Toe");
    bool ready = false;
    if (m_context) {
        pa_context_set_state_callback(m_context, contextChanged, m_loop);
        if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0) {
            for (;;) {
                const pa_context_state_t state = pa_context_get_state(m_context);
                if (state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state)) {
                    ready = state == PA_CONTEXT_READY;
                    break;
                }
                pa_threaded_mainloop_wait(m_loop);
            }
        }
    }
    pa_threaded_mainloop_unlock(m_loop);
    return ready;
}

bool PulseStream::open(const WaveFormat& format)
{
    if (m_stream && format.channels == m_format.channels &&
        format.sampleRate == m_format.sampleRate && format.bitsPerSample == m_format.bitsPerSample)
        return true;
    closeStream();
    if (!connect()) {
        close();
        return false;
    }
    pa_sample_spec sampleFormat;
    sampleFormat.format = format.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    sampleFormat.rate = static_cast<std::uint32_t>(format.sampleRate);
    sampleFormat.channels = static_cast<std::uint8_t>(format.channels);
    pa_buffer_attr buffer;
    buffer.maxlength = static_cast<std::uint32_t>(-1); // the server's largest queue
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(bufferedUsec, &sampleFormat));
    // No prebuffering: a cue starts with its first samples, however short it is.
    buffer.prebuf = 0;
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);

    pa_threaded_mainloop_lock(m_loop);
    m_stream = pa_stream_new(m_context, "Game cues", &sampleFormat, nullptr);
    bool ready = false;
    if (m_stream) {
        pa_stream_set_state_callback(m_stream, streamChanged, m_loop);
        if (pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY,
                                       nullptr, nullptr) >= 0) {
            for (;;) {
                const pa_stream_state_t state = pa_stream_get_state(m_stream);
                if (state == PA_STREAM_READY || !PA_STREAM_IS_GOOD(state)) {
                    ready = state == PA_STREAM_READY;
                    break;
                }
                pa_threaded_mainloop_wait(m_loop);
            }
        }
    }
    pa_threaded_mainloop_unlock(m_loop);
    if (!ready) {
        close();
        return false;
    }
    m_format = format;
    return true;
}

bool PulseStream::write(std::span<const unsigned char> samples)
{
    if (!m_stream)
        return false;
    // The samples go into the server's queue at once, however many the server
    // asked for, with the stream paused until the last of them: requests reach
    // the server in order, so it starts playing only once it holds them all, and
    // from then on it plays them without the game.
    pa_threaded_mainloop_lock(m_loop);
    const auto sent = [](pa_operation* operation) {
        if (operation)
            pa_operation_unref(operation);
        return operation != nullptr;
    };
    const bool written = pa_stream_get_state(m_stream) == PA_STREAM_READY &&
                         sent(pa_stream_cork(m_stream, 1, nullptr, nullptr)) &&
                         pa_stream_write(m_stream, samples.data(), samples.size(), nullptr, 0,
                                         PA_SEEK_RELATIVE) >= 0 &&
                         sent(pa_stream_cork(m_stream, 0, nullptr, nullptr));
    pa_threaded_mainloop_unlock(m_loop);
    if (!written)
        close();
    return written;
}

void PulseStream::flush()
{
    if (!m_stream)
        return;
    // Requests reach the server in order: samples written after the flush are kept.
    pa_threaded_mainloop_lock(m_loop);
    pa_operation* flushing = pa_stream_flush(m_stream, nullptr, nullptr);
    if (flushing)
        pa_operation_unref(flushing);
    pa_threaded_mainloop_unlock(m_loop);
    if (!flushing)
        close();
}

void PulseStream::closeStream()
{
    if (!m_stream)
        return;
    pa_threaded_mainloop_lock(m_loop);
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
    pa_threaded_mainloop_unlock(m_loop);
}

void PulseStream::close()
{
    closeStream();
    if (m_context) {
        pa_threaded_mainloop_lock(m_loop);
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
        pa_threaded_mainloop_unlock(m_loop);
    }
    if (m_loop) {
        pa_threaded_mainloop_stop(m_loop);
        pa_threaded_mainloop_free(m_loop);
        m_loop = nullptr;
    }
}

} // namespace ttt
