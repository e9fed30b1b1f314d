#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The game started on a Wayland-only desktop (run by under-weston): it runs on Qt's
# Wayland platform, the compositor knows its window by the desktop entry's name, the
# compositor's screenshot shows the game's blue window where the window is, and
# SIGTERM ends it with status 0 after saving the default settings line.
# Usage: native_start_test.sh GAME SCRATCH_DIR
set -eu
game=$1 scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"

PULSE_SERVER=unix:/nonexistent/ttt-no-server "$game" >stdout 2>stderr &
pid=$!
fail() {
    echo "$1"
    echo "--- the game's error output:"
    cat stderr
    kill -KILL "$pid" 2>/dev/null || true
    exit 1
}

# The compositor's view of the window: "top-level window 'TITLE' of APP_ID", then
# its place on the screen as "position: (X1, Y1) -> (X2, Y2)".
view=
for _ in $(seq 150); do
    weston-debug scene-graph >scene 2>/dev/null || true
    view=$(grep -A1 "PID $pid, .*top-level window" scene || true)
    [ -n "$view" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the game ended before its window appeared"
    sleep 0.1
done
[ -n "$view" ] || fail "the compositor shows no window of the game after 15 s"
echo "$view" | grep -q "of io\.github\.tictactoe\.TicTacToe," ||
    fail "the window's app id is not the desktop entry's name: $view"

plugins=$(grep -o 'libq[a-z-]*\.so' "/proc/$pid/maps" | sort -u | tr '\n' ' ')
case "$plugins" in
*libqwayland-generic.so*) ;;
*) fail "the game is not on the Wayland platform; its Qt plugins: $plugins" ;;
esac
case "$plugins" in
*libqxcb.so*) fail "the game loaded the X11 platform: $plugins" ;;
esac

# Painted: the window's area of the screen is mostly the game's blue, where the
# empty desktop is grey (blue minus red about 0.3 against 0).
geometry=$(echo "$view" | sed -n 's/.*position: (\([0-9]*\), \([0-9]*\)) -> (\([0-9]*\), \([0-9]*\)).*/\3 \1 \4 \2/p' |
    awk '{ printf "%dx%d+%d+%d", $1 - $2, $3 - $4, $2, $4 }')
[ -n "$geometry" ] || fail "no position for the window in the scene graph: $view"
blueness=0
for _ in $(seq 50); do
    rm -f wayland-screenshot-*.png
    weston-screenshooter >/dev/null 2>&1 || true
    shot=$(ls wayland-screenshot-*.png 2>/dev/null | head -n 1)
    if [ -n "$shot" ]; then
        blueness=$(convert "$shot" -crop "$geometry" -format '%[fx:mean.b-mean.r]' info:)
        awk "BEGIN { exit !($blueness > 0.15) }" && break
    fi
    sleep 0.2
done
awk "BEGIN { exit !($blueness > 0.15) }" ||
    fail "the screen shows no painted game window at $geometry (blue minus red: $blueness)"

kill -TERM "$pid"
status=0
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the game is still running 10 s after SIGTERM"
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "SIGTERM ended the game with status $status"
if [ "$(od -An -c options.ttt | tr -d ' \n')" != '3,1,1,0,1,0,16\r\n' ]; then
    echo "options.ttt is not the default line after SIGTERM:"
    od -c options.ttt
    exit 1
fi
echo "on Wayland the game runs natively as $(echo "$view" | sed -n "s/.* of \([^,]*\),.*/\1/p"), paints its window and saves on SIGTERM"
cd /
rm -rf "$scratch"
