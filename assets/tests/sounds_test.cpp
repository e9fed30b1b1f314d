// SPDX-License-Identifier: GPL-3.0-or-later
// Checks every wave file the sound cues name: present, playable 16-bit PCM,
// short, all at one loudness and with room under full scale.
#include "loudness.h"
#include "wavfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using ttt::test::WavFile;

struct Cue
{
    std::vector<std::string> files;
    double maxSeconds;
};

// "start3.wav" is the game's own stand-in for a desktop's start-up sound.
const std::vector<Cue>& cues()
{
    static const std::vector<Cue> table = {
        {{"start1.wav", "start2.wav", "start3.wav"}, 2.0},
        {{"end1.wav", "end2.wav", "end3.wav"}, 3.0},
        {{"xwin1.wav", "xwin2.wav", "xwin3.wav"}, 2.0},
        {{"x2win1.wav", "x2win2.wav", "x2win3.wav"}, 2.0},
        {{"owin1.wav", "owin2.wav", "owin3.wav"}, 2.0},
        {{"o2win1.wav", "o2win2.wav", "o2win3.wav"}, 2.0},
        {{"nowin1.wav", "nowin2.wav", "nowin3.wav"}, 2.0},
        {{"Error.wav"}, 2.0},
        {{"brain.wav"}, 2.0},
        {{"score.wav"}, 2.0},
        {{"Ahh.wav"}, 2.0},
        {{"s-question.wav"}, 2.0},
    };
    return table;
}

std::vector<std::string> allFiles()
{
    std::vector<std::string> names;
    for (const Cue& cue : cues())
        names.insert(names.end(), cue.files.begin(), cue.files.end());
    return names;
}

double maxSecondsFor(const std::string& name)
{
    for (const Cue& cue : cues())
        for (const std::string& file : cue.files)
            if (file == name)
                return cue.maxSeconds;
    return 0;
}

std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class SoundFile : public testing::TestWithParam<std::string>
{
};

TEST_P(SoundFile, IsShortPcmAtOneLoudnessUnderFullScale)
{
    const std::string path = std::string(TTT_SOUNDS_DIR) + "/" + GetParam();
    WavFile wav;
    std::string error;
    ASSERT_TRUE(ttt::test::readWav(path, wav, error)) << path << ": " << error;

    EXPECT_EQ(wav.formatTag, 1) << "integer PCM";
    EXPECT_EQ(wav.bitsPerSample, 16);
    EXPECT_TRUE(wav.sampleRate == 44100 || wav.sampleRate == 48000) << wav.sampleRate;
    EXPECT_TRUE(wav.channels == 1 || wav.channels == 2) << wav.channels;

    EXPECT_GT(wav.seconds(), 0.2);
    EXPECT_LT(wav.seconds(), maxSecondsFor(GetParam()));

    EXPECT_EQ(wav.clippedSamples(), 0);
    // Every cue is as loud as the others (EBU R128), with its peaks, even between
    // samples, 1 dB under full scale.
    EXPECT_NEAR(integratedLufs(wav), -18.0, 1.0);
    EXPECT_LE(truePeakDb(wav), -1.0);
}

INSTANTIATE_TEST_SUITE_P(EveryCueFile, SoundFile, testing::ValuesIn(allFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(0, info.param.size() - 4);
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });

TEST(SoundCues, FilesOfOneCueDiffer)
{
    for (const Cue& cue : cues())
        for (std::size_t i = 0; i < cue.files.size(); ++i)
            for (std::size_t j = i + 1; j < cue.files.size(); ++j)
                EXPECT_NE(fileBytes(std::string(TTT_SOUNDS_DIR) + "/" + cue.files[i]),
                          fileBytes(std::string(TTT_SOUNDS_DIR) + "/" + cue.files[j]))
                    << cue.files[i] << " and " << cue.files[j];
}

TEST(SoundCues, BuildTreeHasACopyOfEveryFile)
{
    for (const std::string& name : allFiles()) {
        const std::filesystem::path copy = std::filesystem::path(TTT_BUILD_SOUNDS_DIR) / name;
        ASSERT_TRUE(std::filesystem::exists(copy)) << copy;
        EXPECT_EQ(fileBytes(copy), fileBytes(std::string(TTT_SOUNDS_DIR) + "/" + name)) << name;
    }
}

} // namespace
