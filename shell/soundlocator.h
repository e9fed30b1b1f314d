// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace ttt {

// Finds a cue's sound file: the working directory first, then the game's sounds
// folder beside the executable (share/tictactoe/sounds, in the build tree as
// after installing). An empty result means the cue stays silent.
class SoundLocator
{
public:
    SoundLocator();
    explicit SoundLocator(QStringList folders) : m_folders(std::move(folders)) {}

    QString locate(const QString& fileName) const;

private:
    QStringList m_folders;
};

} // namespace ttt
