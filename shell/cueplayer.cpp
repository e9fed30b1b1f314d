#include "cueplayer.h"

#include <QSoundEffect>
#include <QUrl>

namespace ttt {

CuePlayer::CuePlayer(SoundLocator locator, QObject* parent)
    : QObject(parent), m_locator(std::move(locator))
{
}

CuePlayer::~CuePlayer() = default;

void CuePlayer::play(std::string_view file)
{
    const QString name = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
    emit cueStarted(name);
    m_lastSource = m_locator.locate(name);
    if (m_lastSource.isEmpty()) {
        if (m_effect)
            m_effect->stop();
        return;
    }
    if (!m_effect)
        m_effect = std::make_unique<QSoundEffect>();
    m_effect->stop();
    m_effect->setSource(QUrl::fromLocalFile(m_lastSource));
    m_effect->play();
}

} // namespace ttt
