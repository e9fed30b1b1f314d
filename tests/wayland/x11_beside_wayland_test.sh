#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# On a Wayland desktop that also offers an X server (run by under-weston, with an
# Xvfb standing in for the desktop's XWayland), the game runs on Qt's X11
# platform, where a saved Always on Top asks the desktop to keep the window above
# the others (_NET_WM_STATE_ABOVE); the setting is saved back on SIGTERM.
# Usage: x11_beside_wayland_test.sh GAME SCRATCH_DIR
set -eu
game=$1 scratch=$2
for tool in Xvfb xprop xwininfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed"
        exit 77
    fi
done
rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"

exec 3>display
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >xvfb.log 2>&1 &
xvfb_pid=$!
exec 3>&-
pid=
trap 'kill "$xvfb_pid" ${pid:+"$pid"} 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    [ -s display ] && break
    sleep 0.1
done
if [ ! -s display ]; then
    echo "SKIPPED: Xvfb did not start:"
    cat xvfb.log
    exit 77
fi
export DISPLAY=":$(cat display)"

printf '3,1,1,0,1,1,16\r\n' >options.ttt
PULSE_SERVER=unix:/nonexistent/ttt-no-server "$game" 2>stderr &
pid=$!
fail() {
    echo "$1"
    echo "--- the game's error output:"
    cat stderr
    exit 1
}

window=
for _ in $(seq 150); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Vemo.s Tic Tac Toe "/ { print $1; exit }')
    [ -n "$window" ] && xwininfo -id "$window" | grep -q IsViewable && break
    kill -0 "$pid" 2>/dev/null || fail "the game ended before its window appeared"
    sleep 0.1
done
[ -n "$window" ] || fail "no game window on the X server after 15 s"

plugins=$(grep -o 'libq[a-z-]*\.so' "/proc/$pid/maps" | sort -u | tr '\n' ' ')
case "$plugins" in
*libqxcb.so*) ;;
*) fail "the game did not take the X11 platform beside Wayland; its Qt plugins: $plugins" ;;
esac
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
    fail "the saved Always on Top did not reach the window: $(xprop -id "$window" _NET_WM_STATE)"

kill -TERM "$pid"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the game is still running 10 s after SIGTERM"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "SIGTERM ended the game with status $status"
if [ "$(od -An -c options.ttt | tr -d ' \n')" != '3,1,1,0,1,1,16\r\n' ]; then
    echo "options.ttt is not the saved line after SIGTERM:"
    od -c options.ttt
    exit 1
fi
echo "beside Wayland the game runs on X11 with Always on Top"
cd /
rm -rf "$scratch"
