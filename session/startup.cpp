// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "assets/assetpaths.h"
#include "commandline.h"
#include "shell/drawablewindows.h"
#include "shell/gamestyle.h"

#include <QApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ttt {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

std::optional<int> answerCommandLine(const QStringList& arguments)
{
    const CommandLineRequest request = readCommandLine(arguments);
    switch (request.action) {
    case CommandLineRequest::Action::ShowHelp:
    case CommandLineRequest::Action::ShowVersion:
        // Output that goes nowhere (a full disk, a closed output) is a failure, told.
        if (std::fputs(qPrintable(request.text), stdout) < 0 || std::fflush(stdout) != 0) {
            std::fprintf(stderr, "tictactoe: cannot write the output: %s\n", std::strerror(errno));
            return 1;
        }
        return 0;
    case CommandLineRequest::Action::Refuse:
        std::fprintf(stderr, "%s\n", qPrintable(request.text));
        return 2;
    case CommandLineRequest::Action::Play:
        break;
    }
    return std::nullopt;
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tic Tac Toe"));
    // Names the window after the game's desktop entry (the Wayland app id), so that
    // docks and task switchers show it with the entry's icon and name.
    QGuiApplication::setDesktopFileName(assets::desktopEntryName());
    QApplication::setStyle(new GameStyle);
    // The game ends when its session says so, not when its last window closes: the
    // farewell is still sounding then.
    QApplication::setQuitOnLastWindowClosed(false);
    // No window, dialog or menu grows beyond what can be drawn, whatever the scale.
    new DrawableWindows(qApp);
}

} // namespace ttt
