#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Listens to the worded cues with a speech recogniser and measures how well
their words come through, then makes them again to measure their parts.

Every cue that speaks is decoded by pocketsphinx with its general US English
model and language model (open vocabulary: the recogniser is not told what the
cues say), as shipped and through a 300 Hz high-pass, the way a laptop or a
phone plays it. Each cue is decoded on its own, after a moment of silence,
with the cepstral mean taken over that cue alone, so no cue's result hangs on
the one before. The word accuracy counts every word missed, heard wrongly or
heard in addition as an error; hums and sighs are neither words said nor heard.

Then the generator makes every worded cue again, and each must sound as the
shipped one does. From its parts come the least lead of the words over the
music in any 400 ms window over the words, also high-passed, and the loudness
of every line's words alone.

Every cue, worded or not, must start and end without a click: no step between
digital silence and the sample beside it louder than CLICK_DBFS.

Usage: check_sounds.py [SOUNDS_DIR]
Exits 1 when a cue clicks, the accuracy is under GOAL (SMALL_SPEAKER_GOAL high-passed), the
music comes within WORDS_OVER_MUSIC_MIN_LU of the words, a line's words stray
more than WORDS_SPREAD_LU from the others' mean, or a shipped cue is not what
the generator makes; 77 when pocketsphinx, sox, flite or ffmpeg is missing.
"""
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import wave
from array import array

from make_sounds import (SMALL_SPEAKER_HZ, SOUNDS, WORDS_OVER_MUSIC_MIN_LU, loudness,
                         make_sound, spoken_lines)

MODEL = "/usr/share/pocketsphinx/model/en-us"
DECODER = "pocketsphinx_batch"
# The least word accuracy as shipped, and through a small speaker's high-pass.
GOAL = 65.0
SMALL_SPEAKER_GOAL = 60.0
# How far every line's words may stray from the mean loudness of all of them.
WORDS_SPREAD_LU = 1.5
# A remade cue is the shipped one when their difference is this quiet or quieter.
SHIPPED_DIFFERENCE_LUFS = -50.0


# No cue steps out of digital silence, or into it, by more than this: a click.
CLICK_DBFS = -40.0
# A run of zero samples this long is digital silence.
SILENT_RUN = 16


def largest_step(path):
    """The largest step in dBFS between digital silence and a sample beside it, at
    the start or end of every stretch of sound in a 16-bit wave file."""
    with wave.open(path) as sound:
        samples = array("h", sound.readframes(sound.getnframes()))
    edges = [0]
    zeros = SILENT_RUN  # the file begins after silence and ends before it
    for i, sample in enumerate(list(samples) + [0] * SILENT_RUN):
        if sample and zeros >= SILENT_RUN:
            edges.append(abs(sample))
        if not sample and zeros == 0 and i > 0:
            after = samples[i - 1]
        zeros = zeros + 1 if not sample else 0
        if zeros == SILENT_RUN and i >= SILENT_RUN:
            edges.append(abs(after))
    step = max(edges)
    return 20 * math.log10(step / 32768) if step else -math.inf


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


def errors(said, heard):
    """Word errors of heard against said: words left out, put in or heard as
    others (the edit distance between the two lists of words)."""
    row = list(range(len(heard) + 1))
    for i, word in enumerate(said, 1):
        diagonal, row[0] = row[0], i
        for j, candidate in enumerate(heard, 1):
            diagonal, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1,
                                           diagonal + (word != candidate))
    return row[-1]


def recognise(paths, high_pass=False):
    """What the recogniser hears in each wave file, in the order given; with
    high_pass, through a small speaker that plays nothing under 300 Hz."""
    with tempfile.TemporaryDirectory() as tmp:
        ids = []
        small = ["highpass", str(SMALL_SPEAKER_HZ)] if high_pass else []
        for i, path in enumerate(paths):
            ids.append(f"cue{i}")
            # A cue is heard after a quiet moment; the recogniser needs one too.
            # Repeatable dither (-R) makes the figure the same at every run.
            subprocess.run(["sox", "-R", path, "-r", "16000", "-b", "16", "-c", "1",
                            os.path.join(tmp, f"cue{i}.wav"), *small, "pad", "0.3", "0.3"],
                           check=True)
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


def word_accuracy(folder, lines, high_pass):
    """The share of the lines' words the recogniser gets right, every word
    missed, put in or taken for another counting as an error."""
    heard = recognise([os.path.join(folder, name) for name in lines], high_pass)
    said_total = error_total = 0
    for (name, text), hypothesis in zip(lines.items(), heard):
        said = counted(text)
        wrong = errors(said, counted(hypothesis))
        said_total += len(said)
        error_total += wrong
        print(f"  {name:15} {wrong} wrong of {len(said)}  said {text!r:28} heard {hypothesis!r}")
    return 100.0 * (said_total - error_total) / said_total


def difference_lufs(made, shipped, tmp):
    """How loud the difference between two wave files is."""
    difference = os.path.join(tmp, "difference.wav")
    subprocess.run(["sox", "-m", "-v", "1", made, "-v", "-1", shipped, "-b", "32", "-e",
                    "floating-point", difference], check=True)
    return loudness(difference)[0]


def remade(folder):
    """Makes every worded cue again and returns what the generator measured, by
    name. Fails (None) when a shipped cue is not what the generator makes."""
    reports = {}
    with tempfile.TemporaryDirectory() as tmp:
        for name in spoken_lines():
            with tempfile.TemporaryDirectory() as work:
                reports[name] = make_sound(name, SOUNDS[name], tmp, work)
                if difference_lufs(os.path.join(tmp, name), os.path.join(folder, name),
                                   work) > SHIPPED_DIFFERENCE_LUFS:
                    print(f"{name}: the shipped file is not what the generator makes")
                    return None
    return reports


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "sounds")
    missing = [tool for tool in (DECODER, "sox", "flite", "ffmpeg") if not shutil.which(tool)]
    if missing or not os.path.isdir(MODEL):
        print("skipped: needs pocketsphinx, pocketsphinx-en-us, sox, flite and ffmpeg")
        return 77
    failures = []
    steps = {name: largest_step(os.path.join(folder, name)) for name in SOUNDS}
    loudest = max(steps, key=steps.get)
    print(f"largest step from or into digital silence: {steps[loudest]:.1f} dBFS in {loudest}")
    if steps[loudest] > CLICK_DBFS:
        failures.append(f"{loudest} clicks: a step of {steps[loudest]:.1f} dBFS from silence")
    lines = spoken_lines()
    for high_pass, goal in ((False, GOAL), (True, SMALL_SPEAKER_GOAL)):
        where = f"through a {SMALL_SPEAKER_HZ} Hz high-pass" if high_pass else "as shipped"
        print(f"Heard {where}:")
        share = word_accuracy(folder, lines, high_pass)
        print(f"word accuracy {where}: {share:.0f} % (goal {goal:.0f} %)")
        if share < goal:
            failures.append(f"word accuracy {where} {share:.0f} %")
    print("Made again from the generator's parts:")
    reports = remade(folder)
    if reports is None:
        return 1
    leads = {name: min(r["lead"], r["lead_small"]) for name, r in reports.items()
             if r["lead"] is not None}
    closest = min(leads, key=leads.get)
    print(f"least lead of words over music (also high-passed): {leads[closest]:+.1f} LU "
          f"in {closest}")
    if leads[closest] < WORDS_OVER_MUSIC_MIN_LU:
        failures.append(f"music within {leads[closest]:.1f} LU of the words in {closest}")
    levels = {name: r["words_lufs"] for name, r in reports.items()}
    mean = sum(levels.values()) / len(levels)
    farthest = max(levels, key=lambda name: abs(levels[name] - mean))
    print(f"words alone: {min(levels.values()):.1f} to {max(levels.values()):.1f} LUFS, "
          f"{farthest} farthest from their mean {mean:.1f}")
    if abs(levels[farthest] - mean) > WORDS_SPREAD_LU:
        failures.append(f"the words of {farthest} are {levels[farthest] - mean:+.1f} LU off")
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
