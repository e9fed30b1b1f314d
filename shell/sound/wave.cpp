// SPDX-License-Identifier: GPL-3.0-or-later
#include "wave.h"

#include <cerrno>
#include <cstdint>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ttt {

namespace {

constexpr int pcmTag = 1;
constexpr int extensibleTag = 0xFFFE;

std::uint32_t le32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}

int le16(const unsigned char* p)
{
    return p[0] | (p[1] << 8);
}

std::string_view fourCc(const unsigned char* p)
{
    return {reinterpret_cast<const char*>(p), 4};
}

std::optional<WaveFormat> readFormat(std::span<const unsigned char> chunk)
{
    if (chunk.size() < 16)
        return std::nullopt;
    WaveFormat format;
    format.formatTag = le16(&chunk[0]);
    format.channels = le16(&chunk[2]);
    const std::uint32_t rate = le32(&chunk[4]);
    format.sampleRate = rate > 1'000'000 ? 0 : int(rate);
    format.bitsPerSample = le16(&chunk[14]);
    // An extensible format names its real one in the first two bytes of its subformat.
    if (format.formatTag == extensibleTag && chunk.size() >= 26)
        format.formatTag = le16(&chunk[24]);
    return format;
}

std::optional<WaveLayout> fail(std::string* error, const char* why)
{
    if (error)
        *error = why;
    return std::nullopt;
}

} // namespace

bool WaveFormat::isPlayable() const
{
    return formatTag == pcmTag && (bitsPerSample == 8 || bitsPerSample == 16) && channels >= 1 &&
           channels <= 8 && sampleRate >= 1 && sampleRate <= 384'000;
}

std::optional<WaveLayout> parseWave(std::span<const unsigned char> bytes, std::string* error)
{
    if (bytes.size() < 12 || fourCc(&bytes[0]) != "RIFF" || fourCc(&bytes[8]) != "WAVE")
        return fail(error, "not a RIFF WAVE file");
    std::optional<WaveFormat> format;
    std::size_t pos = 12;
    while (bytes.size() - pos >= 8) {
        const std::string_view id = fourCc(&bytes[pos]);
        const std::size_t size = le32(&bytes[pos + 4]);
        const std::size_t body = pos + 8;
        const std::size_t held = std::min(size, bytes.size() - body);
        if (id == "fmt ") {
            format = readFormat(bytes.subspan(body, held));
            if (!format)
                return fail(error, "format chunk too short");
        } else if (id == "data") {
            if (!format)
                return fail(error, "data before the format chunk");
            WaveLayout layout;
            layout.format = *format;
            layout.dataOffset = body;
            const int frame = format->bytesPerFrame();
            layout.dataSize = frame > 0 ? held - held % std::size_t(frame) : held;
            layout.truncated = held < size;
            return layout;
        }
        if (held < size)
            break;
        pos = body + size + (size & 1);
        if (pos > bytes.size())
            break;
    }
    return fail(error, format ? "no data chunk" : "no format chunk");
}

std::optional<std::vector<unsigned char>> readSmallFile(const std::string& path,
                                                        std::size_t largest)
{
    // Opened without blocking, so that a pipe with no writer cannot stall the reader,
    // then refused unless it is a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<std::vector<unsigned char>> bytes;
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
        std::size_t(info.st_size) <= largest) {
        std::vector<unsigned char> content(std::size_t(info.st_size));
        std::size_t got = 0;
        while (got < content.size()) {
            const ssize_t n = ::read(fd, content.data() + got, content.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += std::size_t(n);
        }
        content.resize(got); // a file that shrank while being read gives what was there
        bytes = std::move(content);
    }
    ::close(fd);
    return bytes;
}

} // namespace ttt
