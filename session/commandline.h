// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace ttt {

// What the game's command line asks for. The game itself takes no options of its
// own beyond help and version; Qt's standard options (-platform, -reverse,
// -style, ...) are let through to QApplication.
struct CommandLineRequest
{
    enum class Action { Play, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Play;
    // The help or version text, or the one line that says what was wrong.
    QString text;
};

// `arguments` as the program received them, the program's name first.
CommandLineRequest readCommandLine(const QStringList& arguments);

// Text from the command line or the environment for a one-line message: control
// characters escaped, so nothing it holds can steer the terminal.
QString escapedForLine(const QString& text);

} // namespace ttt
