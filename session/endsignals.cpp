// SPDX-License-Identifier: GPL-3.0-or-later
#include "endsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ttt {

namespace {

constexpr int endingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may do almost nothing: it writes one byte, and the event loop
// reads it.
int wakePipe[2] = {-1, -1};

extern "C" void noteEndSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(wakePipe[1], &byte, 1);
    errno = savedErrno;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : endingSignals)
        sigaction(signal, &action, nullptr);
}

} // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent)
{
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakePipe) != 0)
        return; // the signals keep their default action: the game ends unsaved
    m_notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (read(wakePipe[0], bytes, sizeof bytes) > 0) {
        }
        emit endRequested();
    });
    setHandler(noteEndSignal);
}

EndSignals::~EndSignals()
{
    if (!m_notifier)
        return;
    // The program is ending once already: a second signal in its last moments must not
    // turn a clean end into a death by signal.
    setHandler(SIG_IGN);
    delete m_notifier;
    close(wakePipe[0]);
    close(wakePipe[1]);
    wakePipe[0] = wakePipe[1] = -1;
}

} // namespace ttt
