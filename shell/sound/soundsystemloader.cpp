// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundsystemloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace ttt {

QString defaultSoundSystemPath()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../" TTT_SOUND_PLUGIN_DIR "/" TTT_SOUND_PLUGIN_FILE));
}

std::unique_ptr<SoundOutput> openSoundOutput(const QString& path, QString* problem)
{
    // The loader is let go without unloading: the plugin stays for the outputs it made.
    QPluginLoader loader(path);
    auto* system = qobject_cast<SoundSystem*>(loader.instance());
    if (!system) {
        if (problem)
            *problem = loader.errorString();
        return nullptr;
    }
    return system->createOutput();
}

} // namespace ttt
