#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the data component into a scratch prefix and checks that every file
# lands where desktops look for it.
# Usage: install_layout_test.sh CMAKE BUILD_DIR SCRATCH_DIR APP_ID SOUNDS_SUBDIR DATADIR
set -eu
cmake=$1 build=$2 scratch=$3 app=$4 sounds=$5 data=$6
rm -rf "$scratch"
"$cmake" --install "$build" --component data --prefix "$scratch" >/dev/null
status=0
expect() {
    if [ ! -s "$scratch/$1" ]; then
        echo "missing after install: $1"
        status=1
    fi
}
expect "$data/applications/$app.desktop"
expect "$data/metainfo/$app.metainfo.xml"
expect "$data/icons/hicolor/scalable/apps/$app.svg"
for size in 16 22 24 32 48 64 128 256; do
    expect "$data/icons/hicolor/${size}x${size}/apps/$app.png"
done
for cue in start end xwin x2win owin o2win nowin; do
    for n in 1 2 3; do
        expect "$sounds/$cue$n.wav"
    done
done
for name in Error brain score Ahh s-question; do
    expect "$sounds/$name.wav"
done
[ $status -eq 0 ] && echo "all files installed in place"
exit $status
