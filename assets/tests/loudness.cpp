// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace ttt::test {

namespace {

struct Biquad
{
    double b0, b1, b2, a1, a2;
    double z1 = 0, z2 = 0;

    double run(double x)
    {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

// The two stages of the K-weighting filter (a high shelf, then a high-pass),
// designed for any sample rate from the analogue prototypes.
std::array<Biquad, 2> kWeighting(double rate)
{
    using std::numbers::pi;
    double k = std::tan(pi * 1681.974450955533 / rate);
    double q = 0.7071752369554196;
    const double vh = std::pow(10.0, 3.999843853973347 / 20);
    const double vb = std::pow(vh, 0.4996667741545416);
    double a0 = 1 + k / q + k * k;
    const Biquad shelf{(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0,
                       (vh - vb * k / q + k * k) / a0, 2 * (k * k - 1) / a0,
                       (1 - k / q + k * k) / a0};
    k = std::tan(pi * 38.13547087602444 / rate);
    q = 0.5003270373238773;
    a0 = 1 + k / q + k * k;
    const Biquad highPass{1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
    return {shelf, highPass};
}

double sample(const WavFile& wav, std::size_t frame, int channel)
{
    return wav.samples[frame * wav.channels + channel] / 32768.0;
}

double blockLoudness(double meanSquare)
{
    return -0.691 + 10 * std::log10(meanSquare);
}

} // namespace

double integratedLufs(const WavFile& wav)
{
    const std::size_t frames = wav.samples.size() / wav.channels;
    // Running sum of the weighted power of all channels, for the block means.
    std::vector<double> sums(frames + 1, 0.0);
    for (int c = 0; c < wav.channels; ++c) {
        auto [shelf, highPass] = kWeighting(wav.sampleRate);
        double sum = 0;
        for (std::size_t i = 0; i < frames; ++i) {
            const double y = highPass.run(shelf.run(sample(wav, i, c)));
            sum += y * y;
            sums[i + 1] += sum;
        }
    }
    const auto block = std::size_t(0.4 * wav.sampleRate);
    const auto step = std::size_t(0.1 * wav.sampleRate);
    std::vector<double> blocks;
    for (std::size_t start = 0; start + block <= frames; start += step)
        blocks.push_back((sums[start + block] - sums[start]) / double(block));
    const auto gatedMean = [&blocks](double gate) {
        double sum = 0;
        int count = 0;
        for (double z : blocks)
            if (z > 0 && blockLoudness(z) > gate) {
                sum += z;
                ++count;
            }
        return count ? sum / count : 0.0;
    };
    const double ungated = gatedMean(-70.0);
    if (ungated == 0)
        return -std::numeric_limits<double>::infinity();
    return blockLoudness(gatedMean(blockLoudness(ungated) - 10.0));
}

double truePeakDb(const WavFile& wav)
{
    // Values between samples come from a Hann-windowed sinc of 2 * reach taps.
    constexpr int reach = 16;
    constexpr int phases = 4;
    std::array<std::array<double, 2 * reach>, phases> taps{};
    for (int p = 1; p < phases; ++p)
        for (int k = 0; k < 2 * reach; ++k) {
            const double t = double(k - reach + 1) - double(p) / phases;
            const double x = std::numbers::pi * t;
            taps[p][k] = std::sin(x) / x * (0.5 + 0.5 * std::cos(x / reach));
        }
    const auto frames = std::ptrdiff_t(wav.samples.size() / wav.channels);
    double peak = 0;
    for (int c = 0; c < wav.channels; ++c)
        for (std::ptrdiff_t n = 0; n < frames; ++n) {
            peak = std::max(peak, std::abs(sample(wav, n, c)));
            for (int p = 1; p < phases; ++p) {
                double value = 0;
                for (int k = 0; k < 2 * reach; ++k) {
                    const std::ptrdiff_t at = n + k - reach + 1;
                    if (at >= 0 && at < frames)
                        value += taps[p][k] * sample(wav, at, c);
                }
                peak = std::max(peak, std::abs(value));
            }
        }
    return 20 * std::log10(peak);
}

} // namespace ttt::test
