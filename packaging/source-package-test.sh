#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian source package as a distribution builds and checks it:
#  1. scripts/package builds it on this machine (umask 002, a UTC+14 time zone, the
#     POSIX locale), in build-package/, and packaging/package_test.sh checks it;
#  2. a clean minimal Debian 12 chroot (debootstrap, buildd variant) gets only the
#     source package's declared build dependencies (apt-get build-dep), and an
#     unprivileged user builds the package there without network access (umask 022,
#     UTC, C.UTF-8, another folder);
#  3. the two .debs must be byte for byte the same (diffoscope shows how not);
#  4. lintian finds no error and no warning in the source or the binary package,
#     and blhc finds every hardening flag in the chroot's build log;
#  5. autopkgtest runs debian/tests on this machine (the null runner), with the
#     chroot's .deb installed.
# Needs root (debootstrap, chroot, installing the package) and the network (the
# Debian mirror, TTT_DEBIAN_MIRROR, by default deb.debian.org). The chroot lives in a
# scratch folder under TMPDIR that is removed at the end; each step's time is shown.
# Usage: packaging/source-package-test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
mirror=${TTT_DEBIAN_MIRROR:-http://deb.debian.org/debian}
version=$(dpkg-parsechangelog -SVersion)
arch=$(dpkg --print-architecture)
deb=tictactoe_${version}_${arch}.deb
[ "$(id -u)" -eq 0 ] || { echo "source-package-test.sh needs root (sudo)" >&2; exit 1; }

scratch=$(mktemp -d "${TMPDIR:-/var/tmp}/ttt-source-package.XXXXXX")
root=$scratch/chroot
cleanup() {
    mountpoint -q "$root/proc" && umount -l "$root/proc"
    rm -rf --one-file-system "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Each step's wall time, listed at the end.
timings="" current="" started=$SECONDS
step() {
    [ -z "$current" ] || timings+=$(printf '%6d s  %s' $((SECONDS - started)) "$current")$'\n'
    current=$1 started=$SECONDS
    [ -z "$current" ] || echo "--- $current"
}
in_chroot() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }

step "scripts/package: the build on this machine"
(umask 002 && TZ=Pacific/Kiritimati LC_ALL=POSIX scripts/package)
packaging/package_test.sh

step "debootstrap: a minimal Debian 12 from $mirror"
debootstrap --variant=buildd bookworm "$root" "$mirror" >"$scratch/debootstrap.log" 2>&1 ||
    { tail -n 20 "$scratch/debootstrap.log"; exit 1; }
# The same suites as this machine's: the point release, its updates, security fixes.
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb ${mirror%/debian}/debian-security bookworm-security main
EOF
mount -t proc proc "$root/proc"
packages_before=$(in_chroot dpkg-query -W -f='.\n' | wc -l)

step "the declared build dependencies ($packages_before packages so far)"
mkdir "$root/build"
cp build-package/tictactoe_"$version".* "$root/build/"
in_chroot sh -c "cd /build && dpkg-source -x tictactoe_$version.dsc source >/dev/null"
in_chroot apt-get -q update >/dev/null
in_chroot apt-get -q -y --no-install-recommends build-dep /build/source >"$scratch/build-dep.log" 2>&1 ||
    { tail -n 20 "$scratch/build-dep.log"; exit 1; }
in_chroot apt-get clean
packages_after=$(in_chroot dpkg-query -W -f='.\n' | wc -l)
echo "$((packages_after - packages_before)) packages installed, $packages_after in the chroot"

step "dpkg-buildpackage in the chroot"
in_chroot useradd --home-dir /build --no-create-home builder
builder=$(in_chroot id -u builder):$(in_chroot id -g builder)
chown -R "$builder" "$root/build"
unshare --net chroot --userspec="$builder" "$root" env -i PATH=/usr/bin:/bin \
    HOME=/build TZ=UTC LANG=C.UTF-8 sh -c \
    'umask 022 && cd /build/source && dpkg-buildpackage -us -uc -b -j2' \
    >"$scratch/build.log" 2>&1 || { tail -n 40 "$scratch/build.log"; exit 1; }

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

step "reproducibility: the two builds compared"
if cmp "$root/build/$deb" "build-package/$deb"; then
    echo "$deb: identical ($(stat -c %s "build-package/$deb") bytes)"
else
    diffoscope --text - "$root/build/$deb" "build-package/$deb" | head -n 200 || true
    fail "the two builds of $deb differ"
fi

step "lintian"
lintian --fail-on error,warning --display-info build-package/tictactoe_"$version".dsc \
    "$root/build/tictactoe_${version}_$arch.changes" || fail "lintian reports an error or a warning"

step "blhc"
# The flags of hardening=+all; PIE is left to the compiler, whose default it is on
# Debian, so blhc's --pie check (part of --all) does not apply.
blhc --bindnow --arch="$arch" "$scratch/build.log" || fail "blhc misses hardening flags"

step "autopkgtest (null runner)"
autopkgtest --output-dir "$scratch/autopkgtest" "$root/build/$deb" \
    "build-package/tictactoe_$version.dsc" -- null || fail "autopkgtest failed (status $?)"
step ""
echo "time of each step:"
printf '%s' "$timings"
[ $failures -eq 0 ] || { echo "source package test: $failures failure(s)"; exit 1; }
echo "source package test: built in a clean chroot, reproducible, lintian and blhc clean, autopkgtest passed"
