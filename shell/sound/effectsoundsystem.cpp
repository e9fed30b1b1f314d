#include "effectsoundsystem.h"

#include <QSoundEffect>
#include <QUrl>

namespace ttt {

namespace {

class EffectOutput : public SoundOutput
{
public:
    void play(const QString& file) override
    {
        m_effect.stop();
        m_effect.setSource(QUrl::fromLocalFile(file));
        m_effect.play();
    }

    void stop() override { m_effect.stop(); }

private:
    QSoundEffect m_effect;
};

} // namespace

std::unique_ptr<SoundOutput> EffectSoundSystem::createOutput()
{
    return std::make_unique<EffectOutput>();
}

} // namespace ttt
