// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace ttt {

// Reading the desktop's font configuration is the slowest step of start-up, and
// the first text the window measures waits for it. FontWarmUp reads it on a
// thread of its own, made as the program starts, so that it runs beside
// QApplication's own set-up; finish() (or the destructor) waits for it.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();

    void finish();

private:
    std::thread m_thread;
};

} // namespace ttt
