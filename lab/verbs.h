// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace ttt::lab {

// Each verb takes the arguments after its own name, writes its answer to standard
// output and returns the exit status: 0 done, 2 bad arguments (one line on
// standard error naming the fault).
using Args = std::vector<std::string>;

int runChoose(const Args& args);
int runReply(const Args& args);
int runStrength(const Args& args);
int runSettings(const Args& args);

} // namespace ttt::lab
