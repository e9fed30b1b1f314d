// SPDX-License-Identifier: GPL-3.0-or-later
#include "platformchoice.h"

#include <QtGlobal>

namespace ttt {

namespace {

bool choosesPlatform(const QStringList& arguments)
{
    // Qt reads "-platform NAME" and "--platform NAME"; the "=" forms are counted
    // too, so that nothing the player wrote is ever overridden.
    for (const QString& argument : arguments.mid(1)) {
        for (const QLatin1String option :
             {QLatin1String("-platform"), QLatin1String("--platform")}) {
            if (argument == option || argument.startsWith(option + QLatin1Char('=')))
                return true;
        }
    }
    return false;
}

} // namespace

QString choosePlatform(const StartingDesktop& desktop)
{
    if (!desktop.qtPlatform.isEmpty() || choosesPlatform(desktop.arguments))
        return {};
    if (desktop.waylandDisplay.isEmpty() || desktop.x11Display.isEmpty())
        return {};
    return QStringLiteral("xcb;wayland");
}

void preferPlatform(const QStringList& arguments)
{
    const QString platform = choosePlatform({qEnvironmentVariable("QT_QPA_PLATFORM"),
                                             qEnvironmentVariable("WAYLAND_DISPLAY"),
                                             qEnvironmentVariable("DISPLAY"), arguments});
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform.toLatin1());
}

} // namespace ttt
