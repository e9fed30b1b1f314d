#include "pulseoutput.h"

#include "pulsestream.h"
#include "wave.h"

#include <chrono>

namespace ttt {

namespace {

// The longest file played; the game's cues are a few hundred kilobytes.
constexpr std::size_t largestFile = 16 * 1024 * 1024;
// An idle connection to the server is closed after this, so the server's
// output can go to sleep between games.
constexpr auto idleClose = std::chrono::seconds(5);
// Samples are handed over in pieces this long, checking between them whether a
// newer cue has taken over.
constexpr int pieceMs = 20;

} // namespace

PulseOutput::PulseOutput() : m_thread([this] { run(); }) {}

PulseOutput::~PulseOutput()
{
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_one();
    m_thread.join();
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
        const std::lock_guard lock(m_mutex);
        m_request = std::move(file);
        ++m_generation;
    }
    m_wake.notify_one();
}

bool PulseOutput::overtaken(std::uint64_t generation) const
{
    return m_quit || m_generation != generation;
}

void PulseOutput::run()
{
    PulseStream stream;
    std::unique_lock lock(m_mutex);
    const auto woken = [this] { return m_quit || m_request.has_value(); };
    while (!m_quit) {
        if (!m_request) {
            if (!stream.isOpen()) {
                m_wake.wait(lock, woken);
            } else if (!m_wake.wait_for(lock, idleClose, woken)) {
                lock.unlock();
                stream.close();
                lock.lock();
            }
            continue;
        }
        const std::string file = std::move(*m_request);
        m_request.reset();
        const std::uint64_t generation = m_generation;
        lock.unlock();
        stream.flush(); // whatever still sounds stops here
        if (!file.empty())
            playFile(stream, file, generation);
        lock.lock();
    }
}

void PulseOutput::playFile(PulseStream& stream, const std::string& file, std::uint64_t generation)
{
    const std::optional<std::vector<unsigned char>> bytes = readSmallFile(file, largestFile);
    if (!bytes)
        return;
    const std::span<const unsigned char> data(*bytes);
    const std::optional<WaveLayout> wave = parseWave(data);
    if (!wave || !wave->format.isPlayable() || !stream.open(wave->format))
        return;
    const std::size_t frame = std::size_t(wave->format.bytesPerFrame());
    const std::size_t piece =
        std::max<std::size_t>(1, std::size_t(wave->format.sampleRate) * pieceMs / 1000) * frame;
    const auto samples = data.subspan(wave->dataOffset, wave->dataSize);
    for (std::size_t at = 0; at < samples.size(); at += piece) {
        if (overtaken(generation))
            return;
        if (!stream.write(samples.subspan(at, std::min(piece, samples.size() - at))))
            return;
    }
}

} // namespace ttt
