// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wavfile.h"

namespace ttt::test {

// Loudness of a wave file as an EBU R128 meter reads it: K-weighted and gated
// (absolute gate at -70 LUFS, relative gate 10 LU under the first mean), over
// blocks of 0.4 s that start every 0.1 s. Minus infinity for silence.
double integratedLufs(const WavFile& wav);

// The highest level the signal reaches between its samples too (4x
// oversampled), in dB relative to full scale.
double truePeakDb(const WavFile& wav);

} // namespace ttt::test
