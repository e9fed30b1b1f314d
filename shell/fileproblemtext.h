// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ttt {

struct FileProblem;

// One short sentence that tells the player what went wrong with a settings file and
// what the game does about it; empty when nothing went wrong.
QString fileProblemText(const FileProblem& problem);

} // namespace ttt
