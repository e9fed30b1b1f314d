// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtPlugin>

#include <memory>

namespace ttt {

// Somewhere a cue's sound file can be played. A new sound cuts off the one still
// sounding; an unplayable file or a machine without sound stays silent.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    virtual void play(const QString& file) = 0;
    virtual void stop() = 0;
};

// The sound system, kept in a plugin of its own: its libraries are many and large,
// and the game loads them only once its window is on the screen.
class SoundSystem
{
public:
    virtual ~SoundSystem() = default;
    virtual std::unique_ptr<SoundOutput> createOutput() = 0;
};

} // namespace ttt

#define TTT_SOUND_SYSTEM_IID "org.tictactoe.SoundSystem/1.0"
Q_DECLARE_INTERFACE(ttt::SoundSystem, TTT_SOUND_SYSTEM_IID)
