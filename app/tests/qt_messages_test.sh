#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What Qt itself says on standard error has its control characters escaped as the
# game's own lines have: a style name with a terminal colour in it reaches the
# terminal as the text \x1B[31m, never as the escape byte.
# Usage: qt_messages_test.sh GAME SCRATCH_DIR
set -eu
game=$1 scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"
QT_QPA_PLATFORM=offscreen PULSE_SERVER=unix:/nonexistent/ttt-no-server \
    "$game" -style "$(printf '\033[31mX')" 2>stderr &
pid=$!
# Once the window is up the game loads its sound system; then it is asked to end.
for _ in $(seq 300); do
    grep -q libtttsound "/proc/$pid/maps" 2>/dev/null && break
    sleep 0.1
done
kill -TERM "$pid"
wait "$pid"
if grep -q "$(printf '\033')" stderr || ! grep -qF 'style override '"'"'\x1B[31mX' stderr; then
    echo "Qt's message about the style is not escaped:"
    od -c stderr
    exit 1
fi
cd /
rm -rf "$scratch"
echo "Qt's messages reach the terminal escaped"
