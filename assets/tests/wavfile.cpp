#include "wavfile.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

namespace ttt::test {

namespace {

std::uint32_t le32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}

std::uint16_t le16(const unsigned char* p)
{
    return std::uint16_t(p[0] | (p[1] << 8));
}

bool readFormat(const unsigned char* chunk, std::uint32_t size, WavFile& wav)
{
    if (size < 16)
        return false;
    wav.formatTag = le16(chunk);
    wav.channels = le16(chunk + 2);
    wav.sampleRate = int(le32(chunk + 4));
    wav.bitsPerSample = le16(chunk + 14);
    return true;
}

void readSamples(const unsigned char* chunk, std::uint32_t size, WavFile& wav)
{
    wav.samples.resize(size / 2);
    for (std::size_t i = 0; i < wav.samples.size(); ++i)
        wav.samples[i] = std::int16_t(le16(chunk + 2 * i));
}

} // namespace

double WavFile::seconds() const
{
    if (channels <= 0 || sampleRate <= 0)
        return 0;
    return double(samples.size()) / channels / sampleRate;
}

double WavFile::peak() const
{
    int largest = 0;
    for (std::int16_t s : samples)
        largest = std::max(largest, std::abs(int(s)));
    return largest / 32768.0;
}

double WavFile::rmsDb() const
{
    if (samples.empty())
        return -std::numeric_limits<double>::infinity();
    double sum = 0;
    for (std::int16_t s : samples)
        sum += double(s) * s;
    return 10 * std::log10(sum / samples.size() / (32768.0 * 32768.0));
}

int WavFile::clippedSamples() const
{
    return int(std::count_if(samples.begin(), samples.end(),
                             [](std::int16_t s) { return s == 32767 || s == -32768; }));
}

bool readWav(const std::string& path, WavFile& wav, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE") {
        error = "not a RIFF WAVE file";
        return false;
    }
    bool haveFormat = false;
    bool haveData = false;
    std::size_t pos = 12;
    while (pos + 8 <= bytes.size()) {
        const std::string id(bytes.begin() + pos, bytes.begin() + pos + 4);
        const std::uint32_t size = le32(&bytes[pos + 4]);
        if (pos + 8 + size > bytes.size()) {
            error = "chunk '" + id + "' runs past the end of the file";
            return false;
        }
        if (id == "fmt ")
            haveFormat = readFormat(&bytes[pos + 8], size, wav);
        else if (id == "data" && haveFormat) {
            readSamples(&bytes[pos + 8], size, wav);
            haveData = true;
        }
        pos += 8 + size + (size & 1);
    }
    if (!haveFormat || !haveData)
        error = haveFormat ? "no data chunk after the format chunk" : "no format chunk";
    return haveFormat && haveData;
}

} // namespace ttt::test
