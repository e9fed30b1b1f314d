#pragma once

#include "soundsystem.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace ttt {

class PulseStream;

// Plays wave files on the sound server (PulseAudio, or PipeWire's PulseAudio
// service) from a thread of its own, so the game never waits for sound: play()
// and stop() only leave a request. A new request cuts off the sound still
// playing. Without a server, or with a file that is not a playable wave file,
// the output stays silent; the server is asked again at the next cue.
class PulseOutput : public SoundOutput
{
public:
    PulseOutput();
    ~PulseOutput() override;

    void play(const QString& file) override;
    void stop() override;

private:
    void request(std::string file);
    void run();
    void playFile(PulseStream& stream, const std::string& file, std::uint64_t generation);
    bool overtaken(std::uint64_t generation) const;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<std::string> m_request; // a file to play, or empty to stop
    std::atomic<std::uint64_t> m_generation = 0;
    std::atomic<bool> m_quit = false;
    std::thread m_thread;
};

} // namespace ttt
