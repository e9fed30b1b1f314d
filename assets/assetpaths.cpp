#include "assetpaths.h"

namespace ttt::assets {

QString picturePath(const QString& baseName)
{
    return QStringLiteral(":/pictures/%1.svg").arg(baseName);
}

QString cardPath(int index)
{
    constexpr int cardCount = 36;
    if (index < 1 || index > cardCount)
        return {};
    static const char* const kinds[] = {"empty", "x", "o"};
    const int set = (index - 1) / 3 + 1;
    return picturePath(QStringLiteral("set%1-%2")
                           .arg(set, 2, 10, QLatin1Char('0'))
                           .arg(QLatin1String(kinds[(index - 1) % 3])));
}

QString desktopEntryName()
{
    return QStringLiteral(TTT_APP_ID);
}

} // namespace ttt::assets
