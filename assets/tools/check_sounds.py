#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Listens to the worded cues with a speech recogniser and says how many of
their words it understood.

Every cue that speaks is decoded by pocketsphinx with its general US English
model and language model (open vocabulary: the recogniser is not told what the
cues say). Each cue is decoded on its own, after a moment of silence, with the
cepstral mean taken over that cue alone, so no cue's result hangs on the one
before; the words heard are lined up with the words of the cue.

Usage: check_sounds.py [SOUNDS_DIR [GOAL_PERCENT]]
Prints what was heard per cue and the share of words recognised; exits 1 when
that share is under the goal (60 % unless given), 77 when pocketsphinx or sox
is missing.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

from make_sounds import spoken_lines

MODEL = "/usr/share/pocketsphinx/model/en-us"
DECODER = "pocketsphinx_batch"


# A hum and a sigh are sounds rather than words: they are not counted.
INTERJECTIONS = {"hm", "ah"}
# Words the recogniser may write for the name of a letter.
LETTER_NAMES = {"oh": "o", "ex": "x"}


def words(text):
    """Lower-case words; a run of one letter counts once, so that "Hmm" and
    "hmmm" or "Ahhh" and "ahh" are one word, and "oh" is the letter O."""
    return [LETTER_NAMES.get(w, w) for w in
            (re.sub(r"(.)\1+", r"\1", w) for w in re.findall(r"[a-z']+", text.lower()))]


def counted(text):
    return [w for w in words(text) if w not in INTERJECTIONS]


def matched(said, heard):
    """How many of the words said were heard, in order (longest common subsequence)."""
    best = [0] * (len(heard) + 1)
    for word in said:
        diagonal = 0
        for j, candidate in enumerate(heard):
            diagonal, best[j + 1] = best[j + 1], (diagonal + 1 if word == candidate
                                                  else max(best[j + 1], best[j]))
    return best[-1]


def recognise(paths):
    """What the recogniser hears in each wave file, in the order given."""
    with tempfile.TemporaryDirectory() as tmp:
        ids = []
        for i, path in enumerate(paths):
            ids.append(f"cue{i}")
            # A cue is heard after a quiet moment; the recogniser needs one too.
            # Repeatable dither (-R) makes the figure the same at every run.
            subprocess.run(["sox", "-R", path, "-r", "16000", "-b", "16", "-c", "1",
                            os.path.join(tmp, f"cue{i}.wav"), "pad", "0.3", "0.3"], check=True)
        control = os.path.join(tmp, "cues.ctl")
        heard = os.path.join(tmp, "heard.txt")
        with open(control, "w") as out:
            out.write("\n".join(ids) + "\n")
        subprocess.run([DECODER, "-ctl", control, "-cepdir", tmp, "-cepext", ".wav",
                        "-adcin", "yes", "-adchdr", "44", "-cmn", "current", "-hyp", heard,
                        "-hmm", os.path.join(MODEL, "en-us"),
                        "-lm", os.path.join(MODEL, "en-us.lm.bin"),
                        "-dict", os.path.join(MODEL, "cmudict-en-us.dict"),
                        "-logfn", os.devnull], check=True)
        found = {}
        with open(heard) as lines:
            for line in lines:
                text, cue = re.fullmatch(r"(.*?)\s*\((\S+) [-\d]+\)\s*", line).groups()
                found[cue] = text
        return [found.get(i, "") for i in ids]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "sounds")
    goal = float(sys.argv[2]) if len(sys.argv) > 2 else 60.0
    missing = [tool for tool in (DECODER, "sox") if not shutil.which(tool)]
    if missing or not os.path.isdir(MODEL):
        print("skipped: needs pocketsphinx, pocketsphinx-en-us and sox")
        return 77
    lines = {name: text for name, text in spoken_lines().items() if counted(text)}
    heard = recognise([os.path.join(folder, name) for name in lines])
    said_total = heard_total = 0
    for (name, text), hypothesis in zip(lines.items(), heard):
        said = counted(text)
        hits = matched(said, words(hypothesis))
        said_total += len(said)
        heard_total += hits
        print(f"{name:15} {hits}/{len(said)}  said {text!r:28} heard {hypothesis!r}")
    share = 100.0 * heard_total / said_total
    print(f"words recognised: {heard_total} of {said_total} ({share:.0f} %), goal {goal:.0f} %")
    return 0 if share >= goal else 1


if __name__ == "__main__":
    sys.exit(main())
