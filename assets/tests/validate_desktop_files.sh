#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the launcher entry and the software-centre metadata with the desktop's
# own checkers. Exits 77 (counted as skipped) when a checker is not installed.
# Usage: validate_desktop_files.sh FILE.desktop FILE.metainfo.xml
set -u
missing=""
command -v desktop-file-validate >/dev/null 2>&1 || missing="$missing desktop-file-validate"
command -v appstreamcli >/dev/null 2>&1 || missing="$missing appstreamcli"
if [ -n "$missing" ]; then
    echo "skipped: not installed:$missing"
    exit 77
fi
status=0
desktop-file-validate "$1" || status=1
appstreamcli validate --no-net --explain "$2" || status=1
exit $status
