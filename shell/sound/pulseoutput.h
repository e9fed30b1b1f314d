// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundsystem.h"

#include <memory>
#include <thread>

namespace ttt {

// Plays wave files on the sound server (PulseAudio, or PipeWire's PulseAudio
// service) from a thread of its own, so the game never waits for sound: play()
// and stop() only leave a request. A new request cuts off the sound still
// playing. Without a server, or with a file that is not a playable wave file,
// the output stays silent; the server is asked again at the next cue.
//
// A server that stops answering can hold the thread inside a call to it for as
// long as it likes; the output then lets the thread go rather than wait, so that
// the game still ends on time.
class PulseOutput : public SoundOutput
{
public:
    PulseOutput();
    ~PulseOutput() override;

    void play(const QString& file) override;
    void stop() override;

    struct Requests;

private:
    void request(std::string file);

    std::shared_ptr<Requests> m_requests; // shared with the thread, which may outlive us
    std::thread m_thread;
};

} // namespace ttt
