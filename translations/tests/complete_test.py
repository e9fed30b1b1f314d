#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs lupdate over the programs' sources into a scratch .ts file and checks that each
text it finds has a finished translation in every shipped .ts file, with the same
placeholders (%1, %2) and, where the English caption has an access key, one as well.
A tr() added without its translations fails here.

Usage: complete_test.py LUPDATE SOURCE_ROOT"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ("de", "fr", "es")
# The same folders scripts/update-translations reads.
FOLDERS = ("app", "session", "shell", "lab", "translations")
SKIPPED_FOLDERS = {"tests", "tools", "bench"}


def sources(root):
    found = []
    for folder in FOLDERS:
        for path, dirs, files in os.walk(os.path.join(root, folder)):
            dirs[:] = [d for d in dirs if d not in SKIPPED_FOLDERS]
            found += [os.path.join(path, f) for f in files if f.endswith((".cpp", ".h"))]
    return sorted(found)


def messages(ts_file):
    """{(context, source, comment): (translation, finished)}"""
    found = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            found[key] = (translation.text or "", translation.get("type") is None)
    return found


def access_keys(text):
    return len(re.findall(r"&[^&]", text.replace("&&", "")))


def main():
    lupdate, root = sys.argv[1], sys.argv[2]
    if not os.access(lupdate, os.X_OK):
        print(f"SKIPPED: lupdate not found at {lupdate} (install qt6-l10n-tools)")
        return 77
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, "fresh.ts")
        subprocess.run([lupdate, "-silent", "-locations", "none", *sources(root), "-ts", fresh],
                       check=True)
        wanted = messages(fresh)
    if len(wanted) < 50:
        print(f"lupdate found only {len(wanted)} texts: the source list is wrong")
        return 1
    faults = []
    for language in LANGUAGES:
        shipped = messages(os.path.join(root, "translations", f"tictactoe_{language}.ts"))
        for key, _ in wanted.items():
            context, source, _ = key
            text, finished = shipped.get(key, ("", False))
            where = f"{language}: [{context}] {source!r}"
            if not text or not finished:
                faults.append(f"{where}: not translated")
            elif sorted(re.findall(r"%\d", text)) != sorted(re.findall(r"%\d", source)):
                faults.append(f"{where}: placeholders differ in {text!r}")
            elif access_keys(text) != access_keys(source):
                faults.append(f"{where}: access keys differ in {text!r}")
    print("\n".join(faults) or f"{len(wanted)} texts translated in {', '.join(LANGUAGES)}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
