// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <optional>

namespace ttt {

// The command line as the program received it, the program's name first.
QStringList argumentsOf(int argc, char* argv[]);

// Help, version and a refused command line are answered before any window system is
// touched; returns the exit status then, or nothing when the game should start.
std::optional<int> answerCommandLine(const QStringList& arguments);

// The application's name, style and window limits, once QApplication exists.
void setUpApplication();

} // namespace ttt
