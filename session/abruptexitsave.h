// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace ttt {

// When the connection to the display breaks (the X server crashed, or XWayland ended
// before the session's SIGTERM came), Qt ends the program on the spot with exit(1),
// from inside the event loop. While an instance lives, such an exit first runs `save`,
// so that the choices of the session are kept as at a session end. Returning from
// main() is no abrupt exit: the instance is gone by then. One instance at a time.
class AbruptExitSave
{
public:
    explicit AbruptExitSave(std::function<void()> save);
    ~AbruptExitSave();
    AbruptExitSave(const AbruptExitSave&) = delete;
    AbruptExitSave& operator=(const AbruptExitSave&) = delete;
};

} // namespace ttt
