#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes every sound cue of the game from text and parameters.

Each wave file is a short musical sting (notes synthesised by sox), a spoken
line (a flite voice), or both. The parts are rendered on their own, and the
generator stops with the cue's name when a part would end after its cue's
length. Where music sounds under the words it is lowered there, so that the
words stand WORDS_OVER_MUSIC_LU above it. The mix is then brought to
TARGET_LUFS integrated loudness (EBU R128) and written as 44.1 kHz 16-bit mono
PCM. For every cue the generator prints its integrated loudness, its true peak
and the level of its words over the music under them, and it fails when one of
them is out of bounds.

Usage: make_sounds.py [OUTPUT_DIR] [NAME ...]
Without names every file is made. Needs the flite, sox and ffmpeg commands.
"""
import math
import os
import re
import subprocess
import sys
import tempfile

RATE = 44100
TARGET_LUFS = -18.0
# How far a finished cue may stray from TARGET_LUFS, and the highest true peak.
LUFS_TOLERANCE = 0.5
TRUE_PEAK_CEILING = -1.0
# The sample peak the limiter allows (-2.5 dBFS): true peaks land under the ceiling.
LIMIT = 0.75
# Words stand this far above the music under them; below WORDS_OVER_MUSIC_MIN_LU
# the generator fails.
WORDS_OVER_MUSIC_LU = 20.0
WORDS_OVER_MUSIC_MIN_LU = 6.0
# What the loudness meter reads for silence.
SILENCE_LUFS = -70.0
# The shortest stretch that loudness is measured over (one EBU R128 block).
BLOCK_SECONDS = 0.4
# A short silent tail: some players stop a little before the end of the data.
TAIL_SECONDS = 0.2
# How long the music takes to dip under the words and to come back.
DUCK_RAMP_SECONDS = 0.06

# The two voices, chosen by how well a speech recogniser understands them.
FEMALE = "slt"
MALE = "awb"


def note(name, start, length, voice="pl", level=1.0):
    return {"note": name, "start": start, "length": length, "voice": voice, "level": level}


def arpeggio(names, start, step, length, voice="pl", level=1.0):
    return [note(n, start + i * step, length, voice, level) for i, n in enumerate(names)]


def chord(names, start, length, voice="pl", level=1.0):
    return [note(n, start, length, voice, level) for n in names]


def speech(text, voice, start=0.0, say=None, stretch=1.15):
    """A spoken line. text is what the player hears; say, when given, is how the
    voice must be told it (a voice spells out "Hmm" letter by letter)."""
    return {"text": text, "say": say or text, "voice": voice, "start": start,
            "stretch": stretch}


# Each entry: file name -> (maximum length in seconds, list of parts).
# Notes use sox names (C4 = middle C); voices: pl (plucked string), bell,
# soft (triangle pad), chip (filtered square, the pixel-game sound).
SOUNDS = {
    # Greetings when the window opens.
    "start1.wav": (1.9, arpeggio(["C4", "E4", "G4", "C5"], 0.0, 0.09, 1.2, "bell")
                   + [speech("Let's play!", FEMALE, 0.45)]),
    "start2.wav": (1.9, arpeggio(["G3", "D4", "G4", "B4", "D5"], 0.0, 0.07, 0.35, "pl")
                   + [speech("Tic Tac Toe!", MALE, 0.65)]),
    # A wordless warm swell that stands in for a desktop's own start-up sound.
    "start3.wav": (1.95, chord(["F3", "C4", "A4"], 0.0, 1.7, "soft", 0.8)
                   + arpeggio(["C5", "F5", "A5", "C6"], 0.35, 0.12, 1.0, "bell", 0.7)),
    # Farewells when the window closes.
    "end1.wav": (2.8, [speech("Goodbye!", MALE, 0.0)]
                 + arpeggio(["C5", "G4", "E4", "C4"], 0.7, 0.14, 1.2, "bell")),
    "end2.wav": (2.8, [speech("See you next time.", MALE, 0.0, stretch=1.0)]
                 + arpeggio(["A4", "F4", "D4"], 1.1, 0.16, 1.1, "pl")),
    "end3.wav": (2.8, arpeggio(["E5", "C5", "A4", "F4", "C4"], 0.0, 0.18, 1.6, "soft", 0.9)
                 + chord(["F3", "A3", "C4"], 0.8, 1.7, "bell", 0.6)),
    # The player beats the computer.
    "xwin1.wav": (1.9, arpeggio(["C5", "E5", "G5"], 0.0, 0.1, 0.5, "chip", 0.7)
                  + chord(["C5", "E5", "G5", "C6"], 0.3, 0.9, "bell")
                  + [speech("You win!", MALE, 0.55)]),
    "xwin2.wav": (1.9, [speech("Well played!", MALE, 0.0)]
                  + arpeggio(["G4", "B4", "D5", "G5"], 0.75, 0.08, 0.65, "pl")),
    "xwin3.wav": (1.95, [speech("Nice one, you beat me!", MALE, 0.0)]
                  + chord(["D5", "F#5", "A5"], 1.1, 0.6, "bell", 0.8)),
    # X wins a game of two players.
    "x2win1.wav": (1.9, arpeggio(["D4", "F#4", "A4", "D5"], 0.0, 0.08, 0.3, "pl")
                   + [speech("X wins!", MALE, 0.5)]),
    "x2win2.wav": (1.9, [speech("Three in a row for X!", MALE, 0.0)]
                   + chord(["G4", "B4", "D5"], 1.1, 0.6, "bell", 0.8)),
    "x2win3.wav": (1.9, chord(["E4", "G#4", "B4", "E5"], 0.0, 0.25, "chip", 0.6)
                   + chord(["A4", "C#5", "E5", "A5"], 0.12, 0.3, "bell")
                   + [speech("Victory for X!", MALE, 0.43)]),
    # The computer wins: a good-natured tease, never a jeer.
    "owin1.wav": (1.9, [speech("I win this time!", MALE, 0.0)]
                  + arpeggio(["E4", "G4", "B4"], 0.9, 0.1, 0.6, "chip", 0.6)),
    "owin2.wav": (1.9, arpeggio(["A3", "C4", "E4"], 0.0, 0.09, 0.7, "pl")
                  + [speech("Better luck next time!", FEMALE, 0.1)]),
    "owin3.wav": (1.9, [speech("Gotcha!", MALE, 0.0)]
                  + chord(["D4", "F4", "A4"], 0.55, 1.0, "soft", 0.8)
                  + arpeggio(["A4", "D5"], 0.6, 0.12, 0.8, "bell", 0.7)),
    # O wins a game of two players.
    "o2win1.wav": (1.9, arpeggio(["F4", "A4", "C5", "F5"], 0.0, 0.08, 0.3, "pl")
                   + [speech("O wins!", FEMALE, 0.5)]),
    "o2win2.wav": (1.9, [speech("Three in a row for O!", FEMALE, 0.0)]
                   + chord(["C5", "E5", "G5"], 1.1, 0.6, "bell", 0.8)),
    "o2win3.wav": (1.9, chord(["B3", "D#4", "F#4", "B4"], 0.0, 0.25, "chip", 0.6)
                   + chord(["E4", "G#4", "B4", "E5"], 0.12, 0.3, "bell")
                   + [speech("Victory for O!", MALE, 0.43)]),
    # A drawn game.
    "nowin1.wav": (1.9, [speech("It's a draw.", FEMALE, 0.0)]
                   + arpeggio(["C4", "G4", "C4", "G4"], 0.7, 0.15, 0.5, "pl", 0.8)),
    "nowin2.wav": (1.9, chord(["D4", "G4", "C5"], 0.0, 1.2, "soft", 0.8)
                   + [speech("Nobody wins.", MALE, 0.25)]),
    "nowin3.wav": (1.9, arpeggio(["E4", "D4", "E4", "D4"], 0.0, 0.12, 0.4, "bell", 0.8)
                   + [speech("A tie game!", MALE, 0.55)]),
    # Short signals. The refusal buzzes high enough for small speakers.
    "Error.wav": (0.6, chord(["A4", "D#5"], 0.0, 0.12, "chip", 0.8)
                  + chord(["A4", "D#5"], 0.16, 0.18, "chip", 0.8)),
    "brain.wav": (1.9, arpeggio(["C5", "G5", "E5", "B5", "G5", "D6"], 0.0, 0.06, 0.25, "chip", 0.6)
                  + [speech("Hmm, let me think.", MALE, 0.3, "Hum, let me think.", 1.0)]),
    "score.wav": (1.0, arpeggio(["E5", "A5"], 0.0, 0.12, 0.6, "bell")),
    "Ahh.wav": (1.5, [speech("Ahhh.", FEMALE, 0.0, "Ah.", 1.3)]
                + arpeggio(["A5", "E5", "C5", "A4"], 0.3, 0.07, 0.7, "bell", 0.5)),
    "s-question.wav": (1.2, arpeggio(["C5", "G5"], 0.0, 0.14, 0.35, "pl")
                       + [speech("Hmm?", FEMALE, 0.3, "Hum?")]),
}


def spoken_lines():
    """What each worded cue says, by file name."""
    return {name: " ".join(p["text"] for p in parts if "text" in p)
            for name, (_, parts) in SOUNDS.items() if any("text" in p for p in parts)}


# sox in repeatable mode: the noise of plucked strings and of dither is the same
# at every run, so the same table makes the same files.
SOX = ["sox", "-R"]


def run(*args):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL)


# Intermediate files keep floating-point samples, so that no sum clips before
# the loudness is set.
FLOAT = ["-r", str(RATE), "-e", "floating-point", "-b", "32", "-c", "1"]


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
        # A plucked string starts at full swing: a short fade-in keeps it from ticking.
        synth = ["synth", f"{length}", "pluck", part["note"]]
        shape = ["fade", "t", "0.0025", f"{length}", f"{length * 0.6}"]
    run(*SOX, "-r", str(RATE), "-c", channels, "-n", *FLOAT, path, *synth,
        "vol", f"{0.4 * part['level']}", *shape, "pad", f"{part['start']}")


NOTE_STEPS = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}


def _semis(name):
    """Semitones from A4 (440 Hz) to a note such as F#5."""
    m = re.fullmatch(r"([A-G])([#b]?)(\d)", name)
    step = NOTE_STEPS[m.group(1)] + {"#": 1, "b": -1, "": 0}[m.group(2)]
    return step + (int(m.group(3)) - 4) * 12


# Trims silence from the start of a sound (reverse around it for the end).
TRIM_SILENCE = ["silence", "1", "0.002", "-50d"]


def make_speech(part, path, tmp):
    raw = os.path.join(tmp, "speech-raw.wav")
    run("flite", "-voice", part["voice"], "--setf", f"duration_stretch={part['stretch']}",
        "-t", part["say"], "-o", raw)
    run(*SOX, raw, *FLOAT, path, "highpass", "90", *TRIM_SILENCE, "reverse", *TRIM_SILENCE,
        "reverse", "pad", f"{part['start']}")


def duration(path):
    out = subprocess.run(["soxi", "-D", path], check=True, capture_output=True, text=True)
    return float(out.stdout)


def loudness(path, start=None, end=None):
    """Integrated loudness (LUFS) and true peak (dBTP) of a file, or of the
    stretch from start to end of it, as ffmpeg's EBU R128 meter reads them."""
    span = f"apad=whole_dur={end},atrim=start={start}:end={end}," if start is not None else ""
    out = subprocess.run(["ffmpeg", "-nostats", "-hide_banner", "-i", path, "-af",
                          span + "ebur128=peak=true", "-f", "null", "-"],
                         check=True, capture_output=True, text=True).stderr
    summary = out[out.rindex("Summary:"):]
    integrated = float(re.search(r"I:\s+(-?[\d.]+) LUFS", summary).group(1))
    peak = re.search(r"Peak:\s+(-?[\d.]+|-inf) dBFS", summary).group(1)
    return integrated, float(peak)


def fail(name, why):
    sys.exit(f"{name}: {why}")


def render_parts(name, max_length, parts, tmp):
    """Renders every part to its own file: the notes and the words apart.
    Fails when a part would be cut by the end of its cue."""
    music, words = [], []
    last_end = max_length - TAIL_SECONDS
    for i, part in enumerate(parts):
        path = os.path.join(tmp, f"part{i}.wav")
        if "text" in part:
            make_speech(part, path, tmp)
            words.append((path, part["start"]))
        else:
            make_note(part, path)
            music.append(path)
        end = duration(path)
        if end > last_end + 1e-3:
            what = repr(part["text"]) if "text" in part else f"note {part['note']}"
            fail(name, f"{what} ends at {end:.2f} s, after the cue's {last_end:.2f} s")
    return music, words


def mix(inputs, path):
    if len(inputs) == 1:
        run(*SOX, inputs[0], *FLOAT, path)
    else:
        # Each input at half its level: sox clips even floating-point samples.
        run(*SOX, "-m", *sum((["-v", "0.5", p] for p in inputs), []), *FLOAT, path)


def words_span(words):
    """Where the words sound: from the first line's start to the last one's end,
    widened to one loudness block."""
    start = min(begin for _, begin in words)
    end = max(duration(path) for path, _ in words)
    length = max(end - start, BLOCK_SECONDS)
    start = max(0.0, (start + end - length) / 2)
    return start, start + length


def duck(music, span, tmp):
    """Lowers the music under the words until they stand WORDS_OVER_MUSIC_LU
    above it. Returns the music and the words' lead over it."""
    voice_path, start, end = span
    words_lufs, _ = loudness(voice_path, start, end)
    music_lufs, _ = loudness(music, start, end)
    if music_lufs <= SILENCE_LUFS:
        return music, math.inf
    lead = words_lufs - music_lufs
    if lead >= WORDS_OVER_MUSIC_LU:
        return music, lead
    gain = 10 ** ((lead - WORDS_OVER_MUSIC_LU) / 20)
    ramp = DUCK_RAMP_SECONDS
    # 1 away from the words, gain under them, with a straight ramp each side.
    outside = f"clip(max(({start}-t)/{ramp},(t-{end})/{ramp}),0,1)"
    ducked = os.path.join(tmp, "ducked.wav")
    run("ffmpeg", "-nostats", "-hide_banner", "-loglevel", "error", "-i", music, "-af",
        f"aeval='val(0)*({gain}+(1-{gain})*{outside})'", "-c:a", "pcm_s24le", ducked)
    return ducked, words_lufs - loudness(ducked, start, end)[0]


def make_sound(name, recipe, outdir, tmp):
    max_length, parts = recipe
    music, words = render_parts(name, max_length, parts, tmp)
    lead = None
    inputs = []
    if words:
        voice = os.path.join(tmp, "voice.wav")
        mix([path for path, _ in words], voice)
        inputs.append(voice)
    if music:
        backing = os.path.join(tmp, "music.wav")
        mix(music, backing)
        if words:
            backing, lead = duck(backing, (voice, *words_span(words)), tmp)
            if lead < WORDS_OVER_MUSIC_MIN_LU:
                fail(name, f"the words stand only {lead:.1f} LU above the music")
        inputs.append(backing)
    mixed = os.path.join(tmp, "mixed.wav")
    mix(inputs, mixed)
    # The last moments fade, then a silent tail follows. A lookahead limiter holds
    # the sharp starts of plucked notes under the true peak ceiling; it and the
    # 16-bit samples move the loudness a little, so the gain is set again until
    # the cue is within a tenth of a LU of its target.
    shaped = os.path.join(tmp, "shaped.wav")
    run(*SOX, mixed, *FLOAT, shaped, "fade", "t", "0", f"{duration(mixed)}", "0.03",
        "pad", "0", f"{TAIL_SECONDS}")
    limited = os.path.join(tmp, "limited.wav")
    out = os.path.join(outdir, name)
    gain = TARGET_LUFS - loudness(shaped)[0]
    for _ in range(5):
        run("ffmpeg", "-nostats", "-hide_banner", "-loglevel", "error", "-y", "-i", shaped, "-af",
            f"volume={gain:.3f}dB,alimiter=limit={LIMIT}:attack=1:release=40:level=false:"
            "latency=true", "-c:a", "pcm_s24le", limited)
        run(*SOX, limited, "-r", str(RATE), "-b", "16", "-c", "1", out)
        integrated, peak = loudness(out)
        if abs(TARGET_LUFS - integrated) < 0.1:
            break
        gain += TARGET_LUFS - integrated
    lead_text = ("no words" if lead is None else "no music under them" if lead == math.inf
                 else f"{lead:+.1f} LU")
    print(f"{name:15} {integrated:6.1f} LUFS  true peak {peak:5.1f} dBTP  "
          f"words over music: {lead_text}")
    if abs(integrated - TARGET_LUFS) > LUFS_TOLERANCE:
        fail(name, f"integrated loudness {integrated:.1f} LUFS, not {TARGET_LUFS:.0f}")
    if peak > TRUE_PEAK_CEILING:
        fail(name, f"true peak {peak:.1f} dBTP, above {TRUE_PEAK_CEILING:.0f}")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    outdir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "sounds")
    names = sys.argv[2:] or list(SOUNDS)
    os.makedirs(outdir, exist_ok=True)
    for name in names:
        with tempfile.TemporaryDirectory() as tmp:
            make_sound(name, SOUNDS[name], outdir, tmp)


if __name__ == "__main__":
    main()
