#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package that scripts/package built: its metadata and its files.
# (packaging/source-package-test.sh builds and checks the package as a distribution
# does, and runs debian/tests on it installed.)
# Usage: packaging/package_test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

version=$(sed -n 's/^project(tictactoe VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
plugin=usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/tictactoe/libtttsound.so
deb=$root/build-package/tictactoe_${version}_${arch}.deb
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
[ -f "$deb" ] || { echo "FAIL: no package at $deb"; exit 1; }

# --- Metadata ------------------------------------------------------------------------
info=$(dpkg-deb -I "$deb")
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tictactoe ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
depends=$(field Depends)
for library in libqt6widgets6 libqt6svg6 libpulse0 libc6; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done
[ "$(field Recommends)" = qt6-translations-l10n ] || fail "Recommends is '$(field Recommends)'"
grep -qw md5sums <<<"$info" || fail "no md5sums in the control archive"

# --- Files in their places -----------------------------------------------------------
listing=$(dpkg-deb -c "$deb")
app=io.github.tictactoe.TicTacToe
for file in usr/games/tictactoe usr/games/tictactoe-lab $plugin \
    usr/share/tictactoe/sounds/start1.wav usr/share/tictactoe/sounds/s-question.wav \
    usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$app.svg \
    usr/share/icons/hicolor/16x16/apps/$app.png usr/share/icons/hicolor/256x256/apps/$app.png \
    usr/share/man/man6/tictactoe.6.gz usr/share/man/man6/tictactoe-lab.6.gz \
    usr/share/doc/tictactoe/copyright usr/share/doc/tictactoe/changelog.gz; do
    grep -q " \./$file\$" <<<"$listing" || fail "not in the package: /$file"
done
sounds=$(grep -c ' \./usr/share/tictactoe/sounds/.*\.wav$' <<<"$listing" || true)
[ "$sounds" -eq "$(find assets/sounds -name '*.wav' | wc -l)" ] || fail "$sounds sound files in the package"
grep -v ' root/root ' <<<"$listing" && fail "files not owned by root"

dpkg-deb -x "$deb" "$scratch/root"
for binary in usr/games/tictactoe usr/games/tictactoe-lab $plugin; do
    file -b "$scratch/root/$binary" | grep -q ', stripped' || fail "not stripped: /$binary"
done
head -n 1 "$scratch/root/usr/share/doc/tictactoe/copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright is not in the machine-readable format"
metainfo=$scratch/root/usr/share/metainfo/$app.metainfo.xml
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
    fail "metainfo names no GPL-3.0-or-later licence"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
[ "$("$scratch/root/usr/games/tictactoe-lab" --version)" = "tictactoe-lab $version" ] ||
    fail "the unpacked lab does not say version $version"

if [ $failures -ne 0 ]; then
    echo "package contents: $failures failure(s)"
    exit 1
fi
echo "package contents: $(basename "$deb") passed"
