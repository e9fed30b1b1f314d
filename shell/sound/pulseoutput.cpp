// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulseoutput.h"

#include "pulsestream.h"
#include "wave.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

namespace ttt {

namespace {

// The longest file played; the game's cues are a few hundred kilobytes.
constexpr std::size_t largestFile = 16 * 1024 * 1024;
// An idle connection to the server is closed this long after the last cue was
// handed over (longer than any cue, which would stop with it), so the server's
// output can go to sleep between games.
constexpr auto idleClose = std::chrono::seconds(5);
// How long the output waits for its thread when it is destroyed, at exit: the
// thread ends at once unless the sound server has stopped answering.
constexpr auto threadEndWait = std::chrono::milliseconds(300);

} // namespace

// What the output and its thread share: the latest request, and whether either
// side has finished with the other.
struct PulseOutput::Requests
{
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable ended;
    std::optional<std::string> request; // a file to play, or empty to stop
    std::atomic<std::uint64_t> generation = 0;
    std::atomic<bool> quit = false;
    bool threadEnded = false;

    bool overtaken(std::uint64_t since) const { return quit || generation != since; }
};

namespace {

void playFile(PulseStream& stream, const std::string& file, std::uint64_t generation,
              const PulseOutput::Requests& requests)
{
    const std::optional<std::vector<unsigned char>> bytes = readSmallFile(file, largestFile);
    if (!bytes)
        return;
    const std::span<const unsigned char> data(*bytes);
    const std::optional<WaveLayout> wave = parseWave(data);
    if (!wave || !wave->format.isPlayable() || !stream.open(wave->format))
        return;
    // The whole cue goes to the server at once, so that it plays to the end even
    // when the game stalls: nothing is left to hand over while it sounds.
    if (!requests.overtaken(generation))
        stream.write(data.subspan(wave->dataOffset, wave->dataSize));
}

void serveRequests(PulseOutput::Requests& requests)
{
    PulseStream stream;
    std::unique_lock lock(requests.mutex);
    const auto woken = [&requests] { return requests.quit || requests.request.has_value(); };
    while (!requests.quit) {
        if (!requests.request) {
            if (!stream.isOpen()) {
                requests.wake.wait(lock, woken);
            } else if (!requests.wake.wait_for(lock, idleClose, woken)) {
                lock.unlock();
                stream.close();
                lock.lock();
            }
            continue;
        }
        const std::string file = std::move(*requests.request);
        requests.request.reset();
        const std::uint64_t generation = requests.generation;
        lock.unlock();
        stream.flush(); // whatever still sounds stops here
        if (!file.empty())
            playFile(stream, file, generation, requests);
        lock.lock();
    }
}

} // namespace

PulseOutput::PulseOutput()
    : m_requests(std::make_shared<Requests>()), m_thread([requests = m_requests] {
          serveRequests(*requests);
          {
              const std::lock_guard lock(requests->mutex);
              requests->threadEnded = true;
          }
          requests->ended.notify_all();
      })
{
}

PulseOutput::~PulseOutput()
{
    std::unique_lock lock(m_requests->mutex);
    m_requests->quit = true;
    m_requests->wake.notify_one();
    const bool ended =
        m_requests->ended.wait_for(lock, threadEndWait, [this] { return m_requests->threadEnded; });
    lock.unlock();
    // A thread still inside a call to a server that does not answer is let go: it
    // owns its share of the requests, and the process ends around it.
    if (ended)
        m_thread.join();
    else
        m_thread.detach();
}

void PulseOutput::play(const QString& file)
{
    request(file.toStdString());
}

void PulseOutput::stop()
{
    request({});
}

void PulseOutput::request(std::string file)
{
    {
        const std::lock_guard lock(m_requests->mutex);
        m_requests->request = std::move(file);
        ++m_requests->generation;
    }
    m_requests->wake.notify_one();
}

} // namespace ttt
