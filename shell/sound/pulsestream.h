// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wave.h"

#include <span>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace ttt {

// One playback stream on the sound server, in the format of the file it plays.
// Used from one thread only; the connection runs a thread of its own.
class PulseStream
{
public:
    PulseStream() = default;
    ~PulseStream();
    PulseStream(const PulseStream&) = delete;
    PulseStream& operator=(const PulseStream&) = delete;

    // Opens the stream for `format`, keeping it when it is open in that format
    // already. False when the server cannot be reached.
    bool open(const WaveFormat& format);
    bool isOpen() const { return m_stream != nullptr; }
    // Hands samples over to the server's queue without waiting for room; on an
    // error the stream is closed and false returned.
    bool write(std::span<const unsigned char> samples);
    // Drops whatever is handed over but not yet played.
    void flush();
    void close();

private:
    bool connect();
    void closeStream();

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    WaveFormat m_format;
};

} // namespace ttt
