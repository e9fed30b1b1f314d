#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the contact sheet of the twelve cell picture sets into docs/picture-sets.png.
# Usage: docs/make-picture-sets.sh [BUILD_DIR] [DEVICE_PIXEL_RATIO]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
ratio=${2:-1}
cmake --build "$build" --target ttt-artsheet
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
QT_QPA_PLATFORM=offscreen "$build/bin/ttt-artsheet" "$scratch" "$ratio"
cp "$scratch/picture-sets.png" "$root/docs/picture-sets.png"
echo "wrote $root/docs/picture-sets.png"
