// SPDX-License-Identifier: GPL-3.0-or-later
// Wave files reach the game from its working directory as well as its own sound
// folder, so the reader must cope with anything; these are the shapes it meets.
#include "shell/sound/wave.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ttt {
namespace {

using Bytes = std::vector<unsigned char>;

void put16(Bytes& out, int v)
{
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void put32(Bytes& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
}

void putId(Bytes& out, const char* id)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(id[i]));
}

Bytes chunk(const char* id, const Bytes& body, std::uint32_t claimedSize)
{
    Bytes out;
    putId(out, id);
    put32(out, claimedSize);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 && body.size() == claimedSize)
        out.push_back(0); // chunks are padded to even length
    return out;
}

Bytes chunk(const char* id, const Bytes& body)
{
    return chunk(id, body, static_cast<std::uint32_t>(body.size()));
}

Bytes fmtBody(int tag, int channels, std::uint32_t rate, int bits)
{
    Bytes out;
    put16(out, tag);
    put16(out, channels);
    put32(out, rate);
    put32(out, rate * std::uint32_t(channels * bits / 8));
    put16(out, channels * bits / 8);
    put16(out, bits);
    return out;
}

Bytes extensibleBody(int channels, std::uint32_t rate, int bits, int subformat)
{
    Bytes out = fmtBody(0xFFFE, channels, rate, bits);
    put16(out, 22); // extension size
    put16(out, bits);
    put32(out, 0);         // channel mask
    put16(out, subformat); // first two bytes of the subformat GUID
    out.resize(out.size() + 14, 0);
    return out;
}

Bytes riff(const std::vector<Bytes>& chunks, const char* kind = "WAVE")
{
    Bytes body;
    putId(body, kind);
    for (const Bytes& c : chunks)
        body.insert(body.end(), c.begin(), c.end());
    Bytes out;
    putId(out, "RIFF");
    put32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

const Bytes samples6(6, 0x11);

struct Case
{
    const char* name;
    Bytes file;
    bool parses;
    bool playable = false;
    std::size_t dataSize = 0;
    bool truncated = false;
};

std::vector<Case> cases()
{
    const Bytes mono16 = chunk("fmt ", fmtBody(1, 1, 44100, 16));
    std::vector<Case> all = {
        {"mono 16-bit", riff({mono16, chunk("data", samples6)}), true, true, 6},
        {"stereo 8-bit", riff({chunk("fmt ", fmtBody(1, 2, 22050, 8)), chunk("data", samples6)}),
         true, true, 6},
        {"extensible PCM",
         riff({chunk("fmt ", extensibleBody(2, 48000, 16, 1)), chunk("data", Bytes(8, 1))}), true,
         true, 8},
        {"extensible float is not played",
         riff({chunk("fmt ", extensibleBody(2, 48000, 32, 3)), chunk("data", Bytes(8, 1))}), true,
         false, 8},
        {"odd chunk before the format is skipped with its pad byte",
         riff({chunk("LIST", Bytes(3, 'x')), mono16, chunk("data", samples6)}), true, true, 6},
        {"data cut short gives what is there",
         riff({mono16, chunk("data", Bytes(4, 1), 1000)}), true, true, 4, true},
        {"data claiming 4 GiB", riff({mono16, chunk("data", Bytes(4, 1), 0xFFFFFFFFu)}), true, true,
         4, true},
        {"part of a frame at the end is left out",
         riff({chunk("fmt ", fmtBody(1, 2, 44100, 16)), chunk("data", Bytes(7, 1))}), true, true,
         4},
        {"empty data", riff({mono16, chunk("data", {})}), true, true, 0},
        {"compressed format is not played",
         riff({chunk("fmt ", fmtBody(0x55, 1, 44100, 0)), chunk("data", samples6)}), true, false,
         6},
        {"24-bit is not played",
         riff({chunk("fmt ", fmtBody(1, 1, 44100, 24)), chunk("data", samples6)}), true, false, 6},
        {"no channels is not played",
         riff({chunk("fmt ", fmtBody(1, 0, 44100, 16)), chunk("data", samples6)}), true, false, 6},
        {"nine channels is not played",
         riff({chunk("fmt ", fmtBody(1, 9, 44100, 16)), chunk("data", Bytes(18, 1))}), true, false,
         18},
        {"absurd rate is not played",
         riff({chunk("fmt ", fmtBody(1, 1, 0xFFFFFFF0u, 16)), chunk("data", samples6)}), true,
         false, 6},
        {"empty file", {}, false},
        {"RIFF of another kind", riff({mono16, chunk("data", samples6)}, "AVI "), false},
        {"not RIFF at all", Bytes{'I', 'D', '3', 4, 0, 0, 0, 0, 0, 0, 0, 0, 0}, false},
        {"data before the format", riff({chunk("data", samples6), mono16}), false},
        {"no data chunk", riff({mono16}), false},
        {"format chunk too short", riff({chunk("fmt ", Bytes(10, 1)), chunk("data", samples6)}),
         false},
        {"chunk header cut in half", [&mono16] {
             Bytes b = riff({mono16});
             b.insert(b.end(), {'d', 'a', 't'});
             return b;
         }(), false},
        {"format chunk claiming more than the file", riff({chunk("fmt ", Bytes(16, 1), 5000)}),
         false},
    };
    return all;
}

class WaveShapes : public testing::TestWithParam<Case>
{
};

TEST_P(WaveShapes, AreReadSafely)
{
    const Case& c = GetParam();
    std::string error;
    const std::optional<WaveLayout> layout = parseWave(c.file, &error);
    ASSERT_EQ(layout.has_value(), c.parses) << error;
    if (!layout) {
        EXPECT_FALSE(error.empty());
        return;
    }
    EXPECT_EQ(layout->format.isPlayable(), c.playable);
    EXPECT_EQ(layout->dataSize, c.dataSize);
    EXPECT_EQ(layout->truncated, c.truncated);
    EXPECT_LE(layout->dataOffset + layout->dataSize, c.file.size());
}

// Failures name the case instead of dumping its bytes.
void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

INSTANTIATE_TEST_SUITE_P(Wave, WaveShapes, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(Wave, FormatOfAMono16BitFileIsRead)
{
    const Bytes file = riff({chunk("fmt ", fmtBody(1, 1, 44100, 16)), chunk("data", samples6)});
    const auto layout = parseWave(file);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->format.sampleRate, 44100);
    EXPECT_EQ(layout->format.channels, 1);
    EXPECT_EQ(layout->format.bitsPerSample, 16);
    EXPECT_EQ(layout->format.bytesPerFrame(), 2);
    EXPECT_EQ(layout->dataOffset, 12u + 8u + 16u + 8u);
}

TEST(Wave, EveryPrefixOfAFileIsSafe)
{
    // A file cut anywhere: never a read past its end, whatever comes out.
    const Bytes file = riff({chunk("LIST", Bytes(5, 'x')), chunk("fmt ", fmtBody(1, 2, 8000, 16)),
                             chunk("data", Bytes(40, 7))});
    for (std::size_t n = 0; n <= file.size(); ++n) {
        const Bytes prefix(file.begin(), file.begin() + std::ptrdiff_t(n));
        const auto layout = parseWave(prefix);
        if (layout) {
            EXPECT_LE(layout->dataOffset + layout->dataSize, n);
        }
    }
}

// A scratch folder for the file-reading tests, removed afterwards.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        char name[] = "/tmp/ttt-wave-XXXXXX";
        m_path = ::mkdtemp(name) ? name : "";
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string file(const char* name) const { return m_path + "/" + name; }
    bool valid() const { return !m_path.empty(); }

private:
    std::string m_path;
};

TEST(ReadSmallFile, GivesTheBytesOfARegularFile)
{
    ScratchFolder folder;
    ASSERT_TRUE(folder.valid());
    const Bytes file = riff({chunk("fmt ", fmtBody(1, 1, 44100, 16)), chunk("data", samples6)});
    std::ofstream(folder.file("cue.wav"), std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    const auto bytes = readSmallFile(folder.file("cue.wav"), 1024);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, file);
    EXPECT_FALSE(readSmallFile(folder.file("cue.wav"), file.size() - 1)) << "over the limit";
}

TEST(ReadSmallFile, RefusesWhatIsNotARegularFileWithoutWaiting)
{
    ScratchFolder folder;
    ASSERT_TRUE(folder.valid());
    // A pipe nobody writes to: a blocking open would wait for ever.
    ASSERT_EQ(::mkfifo(folder.file("pipe.wav").c_str(), 0600), 0);
    EXPECT_FALSE(readSmallFile(folder.file("pipe.wav"), 1024));
    ASSERT_EQ(::mkdir(folder.file("folder.wav").c_str(), 0700), 0);
    EXPECT_FALSE(readSmallFile(folder.file("folder.wav"), 1024));
    EXPECT_FALSE(readSmallFile(folder.file("missing.wav"), 1024));
    EXPECT_FALSE(readSmallFile("/dev/zero", 1024));
}

} // namespace
} // namespace ttt
