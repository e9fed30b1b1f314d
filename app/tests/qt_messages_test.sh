#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Qt's own messages have their control characters escaped as the game's lines have: a
# style name with a terminal colour reaches standard error as the text \x1B[31m.
# Usage: qt_messages_test.sh GAME SCRATCH_DIR
set -eu
rm -rf "$2" && mkdir -p "$2" && cd "$2"
QT_QPA_PLATFORM=offscreen "$1" -style "$(printf '\033[31mX')" 2>stderr &
# Once the window is up the game loads its sound system; then it is asked to end.
for _ in $(seq 300); do grep -q libtttsound "/proc/$!/maps" && break || sleep 0.1; done
kill -TERM $! && wait $!
grep -qF "override '\\x1B[31mX'" stderr && ! grep -q "$(printf '\033')" stderr || {
    od -c stderr
    exit 1
}
