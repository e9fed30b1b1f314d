#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes every sound cue of the game from text and parameters.

Each wave file is a short musical sting (notes synthesised by sox), an optional
spoken line (espeak-ng), or both mixed. Every result is resampled to 44.1 kHz,
16-bit mono PCM, then brought to one loudness: the RMS level is lifted or
lowered to TARGET_RMS_DB, but never so far that the peak passes PEAK_CEILING_DB.

Usage: make_sounds.py [OUTPUT_DIR] [NAME ...]
Without names every file is made. Needs the espeak-ng and sox commands.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

RATE = 44100
TARGET_RMS_DB = -17.0
PEAK_CEILING_DB = -1.0


def note(name, start, length, voice="pl", level=1.0):
    return {"note": name, "start": start, "length": length, "voice": voice, "level": level}


def arpeggio(names, start, step, length, voice="pl", level=1.0):
    return [note(n, start + i * step, length, voice, level) for i, n in enumerate(names)]


def chord(names, start, length, voice="pl", level=1.0):
    return [note(n, start, length, voice, level) for n in names]


def speech(text, voice="en-us+f3", speed=150, pitch=50, start=0.0, effects=(), level=1.0):
    return {"text": text, "voice": voice, "speed": speed, "pitch": pitch, "start": start,
            "effects": list(effects), "level": level}


# Each entry: file name -> (maximum length in seconds, list of parts).
# Notes use sox names (C4 = middle C); voices: pl (plucked string), bell,
# soft (triangle pad), chip (filtered square, the pixel-game sound).
SOUNDS = {
    # Greetings when the window opens.
    "start1.wav": (1.9, arpeggio(["C4", "E4", "G4", "C5"], 0.0, 0.09, 1.2, "bell")
                   + [speech("Let's play!", "en-us+f3", 160, 60, 0.45)]),
    "start2.wav": (1.9, arpeggio(["G3", "D4", "G4", "B4", "D5"], 0.0, 0.07, 1.3, "pl")
                   + [speech("Tic Tac Toe!", "en-us+m3", 150, 55, 0.5)]),
    # A wordless warm swell that stands in for a desktop's own start-up sound.
    "start3.wav": (1.95, chord(["F3", "C4", "A4"], 0.0, 1.9, "soft", 0.8)
                   + arpeggio(["C5", "F5", "A5", "C6"], 0.35, 0.16, 1.4, "bell", 0.7)),
    # Farewells when the window closes.
    "end1.wav": (2.8, [speech("Goodbye!", "en-us+f3", 140, 55, 0.0)]
                 + arpeggio(["C5", "G4", "E4", "C4"], 0.7, 0.14, 1.2, "bell")),
    "end2.wav": (2.8, [speech("See you next time.", "en-gb+m3", 150, 45, 0.0)]
                 + arpeggio(["A4", "F4", "D4"], 1.1, 0.16, 1.3, "pl")),
    "end3.wav": (2.8, arpeggio(["E5", "C5", "A4", "F4", "C4"], 0.0, 0.18, 1.6, "soft", 0.9)
                 + chord(["F3", "A3", "C4"], 0.9, 1.8, "bell", 0.6)),
    # The player beats the computer.
    "xwin1.wav": (1.9, arpeggio(["C5", "E5", "G5"], 0.0, 0.1, 0.5, "chip", 0.7)
                  + chord(["C5", "E5", "G5", "C6"], 0.3, 0.9, "bell")
                  + [speech("You win!", "en-us+f3", 160, 65, 0.55)]),
    "xwin2.wav": (1.9, [speech("Well played!", "en-gb+m3", 155, 55, 0.0)]
                  + arpeggio(["G4", "B4", "D5", "G5"], 0.75, 0.08, 0.9, "pl")),
    "xwin3.wav": (1.95, [speech("Nice one, you beat me!", "en-us+m2", 175, 50, 0.0)]
                  + chord(["D5", "F#5", "A5"], 1.2, 0.7, "bell", 0.8)),
    # X wins a game of two players.
    "x2win1.wav": (1.9, arpeggio(["D4", "F#4", "A4", "D5"], 0.0, 0.08, 0.9, "pl")
                   + [speech("X wins!", "en-us+f3", 150, 60, 0.4)]),
    "x2win2.wav": (1.9, [speech("Three in a row for X!", "en-gb+m3", 165, 50, 0.0)]
                   + chord(["G4", "B4", "D5"], 1.1, 0.75, "bell", 0.8)),
    "x2win3.wav": (1.9, chord(["E4", "G#4", "B4", "E5"], 0.0, 0.45, "chip", 0.6)
                   + chord(["A4", "C#5", "E5", "A5"], 0.25, 0.9, "bell")
                   + [speech("Victory for X!", "en-us+m3", 160, 55, 0.5)]),
    # The computer wins: a good-natured tease, never a jeer.
    "owin1.wav": (1.9, [speech("I win this time!", "en-us+m3", 160, 40, 0.0,
                               ["pitch -150"])]
                  + arpeggio(["E4", "G4", "B4"], 0.95, 0.1, 0.8, "chip", 0.6)),
    "owin2.wav": (1.9, arpeggio(["A3", "C4", "E4"], 0.0, 0.09, 0.7, "pl")
                  + [speech("Better luck next time!", "en-gb+f2", 170, 55, 0.35)]),
    "owin3.wav": (1.9, [speech("Gotcha!", "en-us+m1", 150, 35, 0.0, ["pitch -200"])]
                  + chord(["D4", "F4", "A4"], 0.55, 1.0, "soft", 0.8)
                  + arpeggio(["A4", "D5"], 0.6, 0.12, 0.8, "bell", 0.7)),
    # O wins a game of two players.
    "o2win1.wav": (1.9, arpeggio(["F4", "A4", "C5", "F5"], 0.0, 0.08, 0.9, "pl")
                   + [speech("O wins!", "en-us+f3", 150, 60, 0.4)]),
    "o2win2.wav": (1.9, [speech("Three in a row for O!", "en-gb+m3", 165, 50, 0.0)]
                   + chord(["C5", "E5", "G5"], 1.1, 0.75, "bell", 0.8)),
    "o2win3.wav": (1.9, chord(["B3", "D#4", "F#4", "B4"], 0.0, 0.45, "chip", 0.6)
                   + chord(["E4", "G#4", "B4", "E5"], 0.25, 0.9, "bell")
                   + [speech("Victory for O!", "en-us+m3", 160, 55, 0.5)]),
    # A drawn game.
    "nowin1.wav": (1.9, [speech("It's a draw.", "en-us+f3", 150, 50, 0.0)]
                   + arpeggio(["C4", "G4", "C4", "G4"], 0.7, 0.15, 0.5, "pl", 0.8)),
    "nowin2.wav": (1.9, chord(["D4", "G4", "C5"], 0.0, 1.2, "soft", 0.8)
                   + [speech("Nobody wins.", "en-gb+m3", 150, 45, 0.25)]),
    "nowin3.wav": (1.9, arpeggio(["E4", "D4", "E4", "D4"], 0.0, 0.12, 0.4, "bell", 0.8)
                   + [speech("A tie game!", "en-us+m2", 155, 55, 0.55)]),
    # Short signals.
    "Error.wav": (0.6, chord(["A2", "D#3"], 0.0, 0.16, "chip", 0.8)
                  + chord(["A2", "D#3"], 0.2, 0.22, "chip", 0.8)),
    "brain.wav": (1.5, arpeggio(["C5", "G5", "E5", "B5", "G5", "D6"], 0.0, 0.06, 0.25, "chip", 0.6)
                  + [speech("Hmm, let me think.", "en-us+m3", 165, 45, 0.4)]),
    "score.wav": (0.9, arpeggio(["E5", "A5"], 0.0, 0.12, 0.6, "bell")),
    "Ahh.wav": (1.5, [speech("Ahhh.", "en-us+f2", 110, 60, 0.0, ["pitch -100", "tempo 0.8"])]
                + arpeggio(["A5", "E5", "C5", "A4"], 0.3, 0.07, 0.7, "bell", 0.5)),
    "s-question.wav": (1.2, arpeggio(["C5", "G5"], 0.0, 0.14, 0.35, "pl")
                       + [speech("Hmm?", "en-us+f3", 140, 70, 0.3)]),
}


TAIL_SECONDS = 0.2


def run(*args):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL)


def make_note(part, path):
    length = part["length"]
    voice = part["voice"]
    channels = "1"
    if voice == "bell":
        # A second partial an octave and a fifth up gives the bell its shine.
        channels = "2"
        upper = f"%{_semis(part['note']) + 19}"
        synth = ["synth", f"{length}", "sine", part["note"], "sine", upper]
        shape = ["remix", "1v0.8,2v0.2", "fade", "l", "0.004", f"{length}", f"{length * 0.97}"]
    elif voice == "soft":
        synth = ["synth", f"{length}", "triangle", part["note"]]
        shape = ["lowpass", "1800", "fade", "h", f"{length * 0.25}", f"{length}",
                 f"{length * 0.5}"]
    elif voice == "chip":
        synth = ["synth", f"{length}", "square", part["note"]]
        shape = ["lowpass", "3500", "fade", "t", "0.005", f"{length}", f"{length * 0.4}"]
    else:
        synth = ["synth", f"{length}", "pluck", part["note"]]
        shape = ["fade", "t", "0", f"{length}", f"{length * 0.6}"]
    run("sox", "-r", str(RATE), "-c", channels, "-n", "-b", "16", "-c", "1", path, *synth,
        "vol", f"{0.4 * part['level']}", *shape, "pad", f"{part['start']}")


NOTE_STEPS = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}


def _semis(name):
    """Semitones from A4 (440 Hz) to a note such as F#5."""
    m = re.fullmatch(r"([A-G])([#b]?)(\d)", name)
    step = NOTE_STEPS[m.group(1)] + {"#": 1, "b": -1, "": 0}[m.group(2)]
    return step + (int(m.group(3)) - 4) * 12


def make_speech(part, path, tmp):
    raw = os.path.join(tmp, "speech-raw.wav")
    run("espeak-ng", "-v", part["voice"], "-s", str(part["speed"]), "-p", str(part["pitch"]),
        "-w", raw, part["text"])
    run("sox", raw, "-r", str(RATE), "-b", "16", "-c", "1", path, "highpass", "90",
        *sum((e.split() for e in part["effects"]), []), "reverb", "18", "40", "60",
        "vol", f"{part['level']}", "pad", f"{part['start']}")


def level_db(path, label):
    out = subprocess.run(["sox", path, "-n", "stats"], check=True, capture_output=True,
                         text=True).stderr
    return float(re.search(label + r"\s+(-?[\d.]+|-inf)", out).group(1))


def duration(path):
    out = subprocess.run(["soxi", "-D", path], check=True, capture_output=True, text=True)
    return float(out.stdout)


def make_sound(name, recipe, outdir, tmp):
    max_length, parts = recipe
    inputs = []
    for i, part in enumerate(parts):
        path = os.path.join(tmp, f"part{i}.wav")
        if "text" in part:
            make_speech(part, path, tmp)
        else:
            make_note(part, path)
        inputs.append(path)
    mixed = os.path.join(tmp, "mixed.wav")
    if len(inputs) == 1:
        shutil.copy(inputs[0], mixed)
    else:
        run("sox", "-m", *inputs, mixed)
    shaped = os.path.join(tmp, "shaped.wav")
    # Drop trailing silence, cut to length and end with a short fade.
    trimmed = os.path.join(tmp, "trimmed.wav")
    run("sox", mixed, trimmed, "reverse", "silence", "1", "0.01", "0.2%", "reverse")
    length = min(duration(trimmed), max_length - TAIL_SECONDS)
    # A gentle compressor evens out speech and notes before the loudness is set.
    run("sox", trimmed, shaped, "trim", "0", f"{length}", "compand", "0.005,0.12",
        "6:-70,-70,-30,-26,-12,-15,0,-8", "0", "-90", "0.005", "fade", "t", "0", f"{length}",
        "0.08")
    rms = level_db(shaped, "RMS lev dB")
    peak = level_db(shaped, "Pk lev dB")
    gain = min(TARGET_RMS_DB - rms, PEAK_CEILING_DB - peak)
    # A short silent tail: some players stop a little before the end of the data.
    run("sox", shaped, "-r", str(RATE), "-b", "16", "-c", "1", os.path.join(outdir, name),
        "gain", f"{gain:.2f}", "pad", "0", f"{TAIL_SECONDS}")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    outdir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "sounds")
    names = sys.argv[2:] or list(SOUNDS)
    os.makedirs(outdir, exist_ok=True)
    for name in names:
        with tempfile.TemporaryDirectory() as tmp:
            make_sound(name, SOUNDS[name], outdir, tmp)
        print(name)


if __name__ == "__main__":
    main()
