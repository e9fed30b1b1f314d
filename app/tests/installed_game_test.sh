#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the whole game into a scratch prefix and starts the installed copy, in
# a fresh working directory, long enough to play its start cue: it must find its
# sound system plugin beside it (no "No sound:" on its error output).
# Usage: installed_game_test.sh CMAKE BUILD_DIR SCRATCH_DIR PLUGIN_SUBDIR
set -eu
cmake=$1 build=$2 scratch=$3 plugins=$4
rm -rf "$scratch"
"$cmake" --install "$build" --prefix "$scratch/prefix" >/dev/null
status=0
for file in bin/tictactoe bin/tictactoe-lab "$plugins/libtttsound.so"; do
    if [ ! -s "$scratch/prefix/$file" ]; then
        echo "missing after install: $file"
        status=1
    fi
done
[ $status -eq 0 ] || exit $status

mkdir -p "$scratch/cwd"
cd "$scratch/cwd"
# No sound server answers here, so nothing is heard; the plugin still has to load.
QT_QPA_PLATFORM=offscreen PULSE_SERVER=unix:/nonexistent/ttt-no-server \
    timeout 3 "$scratch/prefix/bin/tictactoe" 2>"$scratch/stderr" || true
if grep -q "No sound:" "$scratch/stderr"; then
    echo "the installed game did not find its sound system:"
    cat "$scratch/stderr"
    exit 1
fi
echo "installed game starts with its sound system"
