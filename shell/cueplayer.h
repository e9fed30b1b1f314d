// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/cues.h"
#include "soundlocator.h"

#include <QObject>

#include <functional>
#include <memory>

namespace ttt {

class SoundOutput;

// Plays the game's cues without ever making it wait: a new cue replaces one that
// is still sounding, and a missing or unplayable file, or a machine without
// sound, leaves the game silent.
//
// The sound system is opened on the first cue, or, once holdSoundSystem() was
// called, not before startSoundSystem(): until then only the latest cue waits.
class CuePlayer : public QObject, public CueSink
{
    Q_OBJECT

public:
    using OutputFactory = std::function<std::unique_ptr<SoundOutput>()>;

    explicit CuePlayer(SoundLocator locator = SoundLocator(), QObject* parent = nullptr);
    // Plays through outputs made by `openOutput` instead of the sound system plugin.
    CuePlayer(SoundLocator locator, OutputFactory openOutput, QObject* parent = nullptr);
    ~CuePlayer() override;

    void play(std::string_view file) override;

    void holdSoundSystem();
    void startSoundSystem();

private:
    bool openOutput();

    SoundLocator m_locator;
    OutputFactory m_openOutput;
    std::unique_ptr<SoundOutput> m_output;
    bool m_held = false;
    bool m_failed = false;
    // The latest cue's file, empty if none was found.
    QString m_lastSource;
};

} // namespace ttt
