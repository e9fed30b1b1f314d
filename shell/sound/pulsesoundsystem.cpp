// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulsesoundsystem.h"

#include "pulseoutput.h"

namespace ttt {

std::unique_ptr<SoundOutput> PulseSoundSystem::createOutput()
{
    return std::make_unique<PulseOutput>();
}

} // namespace ttt
