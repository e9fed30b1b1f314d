// SPDX-License-Identifier: GPL-3.0-or-later
#include "assetpaths.h"

#include "core/pictureset.h"

namespace ttt::assets {

QString picturePath(const QString& baseName)
{
    return QStringLiteral(":/pictures/%1.svg").arg(baseName);
}

QString setPicturePath(int index)
{
    if (!PictureSet::isPicture(index))
        return {};
    static const char* const kinds[] = {"empty", "x", "o"}; // by Mark
    return picturePath(
        QStringLiteral("set%1-%2")
            .arg(PictureSet::holding(index).number(), 2, 10, QLatin1Char('0'))
            .arg(QLatin1String(kinds[static_cast<int>(PictureSet::markShownBy(index))])));
}

QString desktopEntryName()
{
    return QStringLiteral(TTT_APP_ID);
}

} // namespace ttt::assets
