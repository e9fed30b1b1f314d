// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundsystem.h"

#include <QObject>

namespace ttt {

// The sound system plugin: each output is a stream on the desktop's sound server.
class PulseSoundSystem : public QObject, public SoundSystem
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TTT_SOUND_SYSTEM_IID)
    Q_INTERFACES(ttt::SoundSystem)

public:
    std::unique_ptr<SoundOutput> createOutput() override;
};

} // namespace ttt
