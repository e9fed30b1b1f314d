// SPDX-License-Identifier: GPL-3.0-or-later
#include "abruptexitsave.h"

#include <cstdlib>
#include <utility>

namespace ttt {

namespace {

std::function<void()> armedSave;

extern "C" void saveAtExit()
{
    // Taken first, so that it runs at most once.
    const std::function<void()> save = std::exchange(armedSave, nullptr);
    if (save)
        save();
}

} // namespace

AbruptExitSave::AbruptExitSave(std::function<void()> save)
{
    // Registered as late as possible: handlers run in reverse order, so this one runs
    // before whatever the program set up earlier to be torn down at exit.
    static const bool registered = std::atexit(saveAtExit) == 0;
    if (registered)
        armedSave = std::move(save);
}

AbruptExitSave::~AbruptExitSave()
{
    armedSave = nullptr;
}

} // namespace ttt
