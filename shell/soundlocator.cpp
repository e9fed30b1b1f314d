// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundlocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ttt {

SoundLocator::SoundLocator()
    : m_folders{QString(), QCoreApplication::applicationDirPath() +
                               QStringLiteral("/../share/tictactoe/sounds")}
{
}

QString SoundLocator::locate(const QString& fileName) const
{
    for (const QString& folder : m_folders) {
        const QFileInfo file(folder.isEmpty() ? QDir::current() : QDir(folder), fileName);
        if (file.isFile() && file.isReadable())
            return file.absoluteFilePath();
    }
    return {};
}

} // namespace ttt
