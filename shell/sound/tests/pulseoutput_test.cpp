// SPDX-License-Identifier: GPL-3.0-or-later
// The sound output never holds the game up, whatever the sound server does.
#include "shell/sound/pulseoutput.h"

#include <gtest/gtest.h>

#include <QString>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A socket that takes connections and never says a word: a sound server that
// has hung. Clients wait for it until their own timeouts, which are long.
class SilentServer
{
public:
    SilentServer()
    {
        char pattern[] = "/tmp/ttt-silent.XXXXXX";
        m_folder = mkdtemp(pattern);
        m_path = m_folder / "native";
        m_socket = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", m_path.c_str());
        m_listening = m_socket >= 0 &&
                      bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                      listen(m_socket, 8) == 0;
    }
    ~SilentServer()
    {
        if (m_socket >= 0)
            close(m_socket);
        fs::remove_all(m_folder);
    }
    bool listening() const { return m_listening; }
    std::string address() const { return "unix:" + m_path.string(); }
    fs::path folder() const { return m_folder; }

private:
    fs::path m_folder;
    fs::path m_path;
    int m_socket = -1;
    bool m_listening = false;
};

// One second of 16-bit mono silence at 44.1 kHz.
void writeWave(const fs::path& path)
{
    const std::uint32_t rate = 44100, dataBytes = rate * 2;
    std::ofstream out(path, std::ios::binary);
    const auto put32 = [&out](std::uint32_t v) { out.write(reinterpret_cast<char*>(&v), 4); };
    const auto put16 = [&out](std::uint16_t v) { out.write(reinterpret_cast<char*>(&v), 2); };
    out << "RIFF";
    put32(36 + dataBytes);
    out << "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    out << "data";
    put32(dataBytes);
    out << std::string(dataBytes, '\0');
}

TEST(PulseOutput, LetsGoAtOnceOfAServerThatNeverAnswers)
{
    SilentServer server;
    ASSERT_TRUE(server.listening());
    const fs::path wave = server.folder() / "cue.wav";
    writeWave(wave);
    setenv("PULSE_SERVER", server.address().c_str(), 1);

    auto output = std::make_unique<ttt::PulseOutput>();
    output->play(QString::fromStdString(wave.string()));
    // Give the thread time to be caught waiting for the server.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto start = Clock::now();
    output.reset();
    const auto waited = Clock::now() - start;
    unsetenv("PULSE_SERVER");
    // The client library's own timeout, which the output must not wait for, is about half a minute.
    EXPECT_LT(waited, std::chrono::seconds(2));
}

} // namespace
