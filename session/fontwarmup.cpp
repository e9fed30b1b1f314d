// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontwarmup.h"

#include <fontconfig/fontconfig.h>
#include <pthread.h>
#include <sched.h>

namespace ttt {

namespace {

void readFontConfiguration()
{
    // At idle priority the thread only takes a processor that start-up leaves
    // free (while QApplication waits on the X server, or on a machine with
    // processors to spare), so it never slows the start-up it is there to speed.
    // Should the window want its first text before the reading is done, finish()
    // gives the thread its normal priority back and waits for it.
    sched_param idle{};
    pthread_setschedparam(pthread_self(), SCHED_IDLE, &idle);
    FcInit();
}

} // namespace

FontWarmUp::FontWarmUp() : m_thread(readFontConfiguration) {}

FontWarmUp::~FontWarmUp()
{
    finish();
}

void FontWarmUp::finish()
{
    if (!m_thread.joinable())
        return;
    // From here the window waits for the reading: it goes on at normal priority, so
    // that a busy machine cannot keep start-up waiting behind every other program.
    sched_param normal{};
    pthread_setschedparam(m_thread.native_handle(), SCHED_OTHER, &normal);
    m_thread.join();
}

} // namespace ttt
