#pragma once

#include "results/cues.h"
#include "soundlocator.h"

#include <QObject>

#include <memory>

class QSoundEffect;

namespace ttt {

// Plays the game's cues without ever making it wait: a new cue replaces one that
// is still sounding, and a missing or unplayable file, or a machine without
// sound, leaves the game silent. The sound system is started on the first cue.
class CuePlayer : public QObject, public CueSink
{
    Q_OBJECT

public:
    explicit CuePlayer(SoundLocator locator = SoundLocator(), QObject* parent = nullptr);
    ~CuePlayer() override;

    void play(std::string_view file) override;
    // The file of the last cue handed to the sound system, empty if none was found.
    QString lastSource() const { return m_lastSource; }

signals:
    void cueStarted(const QString& file);

private:
    SoundLocator m_locator;
    std::unique_ptr<QSoundEffect> m_effect;
    QString m_lastSource;
};

} // namespace ttt
