#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A file-size limit makes writes fail; it must never kill the game. Under a limit
# of 20 bytes the start-up append to a 16-byte "options.ttt" fails (a warning),
# the game runs on, and a SIGTERM still saves its one 16-byte line.
# Usage: file_size_limit_test.sh GAME SCRATCH_DIR
set -eu
game=$1 scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"
printf '4,2,2,1,1,1,34\r\n' >options.ttt

QT_QPA_PLATFORM=offscreen PULSE_SERVER=unix:/nonexistent/ttt-no-server \
    prlimit --fsize=20 "$game" 2>stderr &
pid=$!
# With sounds on, the game loads its sound system once its window is up, after the start-up
# append; then it is asked to end.
for _ in $(seq 300); do
    grep -q libtttsound "/proc/$pid/maps" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -TERM "$pid" 2>/dev/null || true
status=0
wait "$pid" || status=$?
if [ "$status" -ne 0 ]; then
    echo "the game ended with status $status under a file-size limit (153 is SIGXFSZ)"
    cat stderr
    exit 1
fi
if [ "$(od -An -c options.ttt | tr -d ' \n')" != '4,2,2,1,1,1,34\r\n' ]; then
    echo "options.ttt is not the one saved line:"
    od -c options.ttt
    exit 1
fi
cd /
rm -rf "$scratch"
echo "a file-size limit gives failed writes, not a killed game"
