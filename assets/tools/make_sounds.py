#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes every sound cue of the game from text and parameters.

Each wave file is a short musical sting (notes synthesised by sox), a spoken
line (a flite voice), or both. The parts are rendered on their own, and the
generator stops with the cue's name when a part would end after its cue's
length. The voices are shaped for small speakers (less below 300 Hz, more
presence between 1 and 4 kHz, a little air above 7 kHz) and every line is set
to one loudness. Music plays before or after the words; wherever it would
still sound while they do it dips DUCK_DB, so that in every 400 ms window over
the words they stand at least WORDS_OVER_MUSIC_MIN_LU above it, also through a
small speaker's 300 Hz high-pass. The mix is brought to TARGET_LUFS integrated
loudness (EBU R128) and written as 44.1 kHz 16-bit mono PCM. For every cue the
generator prints its integrated loudness, its true peak, the loudness of its
words alone and their least lead over the music, and it fails when one of them
is out of bounds.

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
# Words stand at least this far above the music in every loudness window over
# them, as played and through a small speaker; the music dips DUCK_DB under
# them, from WORDS_CLEARANCE before the first word to WORDS_CLEARANCE after the
# last, so that no window centred on the words reaches the music at its level.
WORDS_OVER_MUSIC_MIN_LU = 6.0
DUCK_DB = 30.0
WORDS_CLEARANCE = 0.25
# A player's letter said on its own, louder than the words around it, a breath
# away from them, and drawn out when it ends the line.
LETTER_STRETCH = 1.3
LETTER_LEVEL = 3.0
LETTER_GAP = 0.05
# Small speakers play little under this.
SMALL_SPEAKER_HZ = 300
# Every line's words, alone, measure WORDS_LUFS in the finished cue, give or take
# WORDS_TOLERANCE. They are mixed at VOICE_LUFS, with room for their peaks, and
# the music beside them as many LU under them (one of MUSIC_UNDER_WORDS_LU) as
# brings the words of the finished cue nearest WORDS_LUFS.
VOICE_LUFS = -24.0
WORDS_LUFS = -17.6
WORDS_TOLERANCE = 0.75
MUSIC_UNDER_WORDS_LU = range(0, 16)
# The shortest stretch that loudness is measured over (one EBU R128 block).
BLOCK_SECONDS = 0.4
# A short silent tail: some players stop a little before the end of the data.
TAIL_SECONDS = 0.2
# How long the music takes to dip under the words and to come back.
DUCK_RAMP_SECONDS = 0.06

# The voices, chosen line by line by how well a speech recogniser understands them.
FEMALE = "slt"
MALE = "awb"
# A second male voice, for a line the other two blur.
SECOND_MALE = "rms"
# A third, whose letter X the recogniser hears best.
THIRD_MALE = "kal16"


def note(name, start, length, voice="pl", level=1.0):
    return {"note": name, "start": start, "length": length, "voice": voice, "level": level}


def arpeggio(names, start, step, length, voice="pl", level=1.0):
    return [note(n, start + i * step, length, voice, level) for i, n in enumerate(names)]


def chord(names, start, length, voice="pl", level=1.0):
    return [note(n, start, length, voice, level) for n in names]


def speech(text, voice, start=0.0, say=None, stretch=1.15, level=0.0, follows=False):
    """A spoken line, or a part of one. text is what the player hears; say, when
    given, is how the voice must be told it (a voice spells out "Hmm" letter by
    letter); level raises or lowers it in dB. A part that follows another starts
    LETTER_GAP after it ends."""
    return {"text": text, "say": say or text, "voice": voice, "start": start,
            "stretch": stretch, "level": level, "follows": follows}


def letter_last(words, letter, voice, start):
    """A line that ends on a player's letter: the letter said on its own, drawn
    out and a little louder, a breath after the words before it."""
    return [speech(words, voice, start, stretch=1.0),
            speech(letter, voice, stretch=LETTER_STRETCH, level=LETTER_LEVEL, follows=True)]


def after_words(parts):
    """Music that follows the words: its start counts from the moment the music
    may come back after them."""
    return [dict(p, after=p["start"]) for p in parts]


# Each entry: file name -> (maximum length in seconds, list of parts).
# Notes use sox names (C4 = middle C); voices: pl (plucked string), bell,
# soft (triangle pad), chip (filtered square, the pixel-game sound).
SOUNDS = {
    # Greetings when the window opens.
    "start1.wav": (1.9, [speech("Let's play!", FEMALE, 0.0, stretch=1.0)]
                   + after_words(arpeggio(["C4", "E4", "G4", "C5"], 0.0, 0.05, 0.4, "bell"))),
    "start2.wav": (1.9, arpeggio(["G3", "D4", "G4", "B4", "D5"], 0.0, 0.07, 0.35, "pl")
                   + [speech("Tic Tac Toe!", MALE, 0.65)]),
    # A wordless warm swell that stands in for a desktop's own start-up sound.
    "start3.wav": (1.95, chord(["F3", "C4", "A4"], 0.0, 1.7, "soft", 0.8)
                   + arpeggio(["C5", "F5", "A5", "C6"], 0.35, 0.12, 1.0, "bell", 0.7)),
    # Farewells when the window closes.
    "end1.wav": (2.8, [speech("Goodbye!", MALE, 0.0)]
                 + after_words(arpeggio(["C5", "G4", "E4", "C4"], 0.0, 0.14, 1.2, "bell"))),
    "end2.wav": (2.8, [speech("See you next time.", MALE, 0.0, stretch=1.0)]
                 + after_words(arpeggio(["A4", "F4", "D4"], 0.0, 0.14, 0.9, "pl"))),
    "end3.wav": (2.8, arpeggio(["E5", "C5", "A4", "F4", "C4"], 0.0, 0.18, 1.6, "soft", 0.9)
                 + chord(["F3", "A3", "C4"], 0.8, 1.7, "bell", 0.6)),
    # The player beats the computer.
    "xwin1.wav": (1.9, [speech("You win!", MALE, 0.0)]
                  + after_words(arpeggio(["C5", "E5", "G5"], 0.0, 0.08, 0.4, "chip", 0.7)
                                + chord(["C5", "E5", "G5", "C6"], 0.24, 0.7, "bell"))),
    "xwin2.wav": (1.9, [speech("Well played!", FEMALE, 0.0, stretch=1.0)]
                  + after_words(arpeggio(["G4", "B4", "D5", "G5"], 0.0, 0.06, 0.5, "pl"))),
    "xwin3.wav": (1.95, [speech("Nice one, you beat me!", FEMALE, 0.0, stretch=1.0)]),
    # X wins a game of two players.
    "x2win1.wav": (1.9, [speech("X wins!", THIRD_MALE, 0.0, stretch=1.3)]),
    "x2win2.wav": (1.9, [speech("Three in a row for X!", MALE, 0.0, stretch=1.0)]),
    "x2win3.wav": (1.9, chord(["E4", "G#4", "B4", "E5"], 0.0, 0.15, "chip", 0.6)
                   + chord(["A4", "C#5", "E5", "A5"], 0.0, 0.15, "bell")
                   + [speech("Victory for X!", MALE, 0.42)]),
    # The computer wins: a good-natured tease, never a jeer.
    "owin1.wav": (1.9, arpeggio(["E4", "G4", "B4"], 0.0, 0.07, 0.2, "chip", 0.6)
                  + [speech("I win this time!", MALE, 0.5, stretch=1.0)]),
    "owin2.wav": (1.9, [speech("Better luck next time!", FEMALE, 0.0, stretch=1.0)]),
    "owin3.wav": (1.9, [speech("Gotcha!", MALE, 0.0)]
                  + after_words(chord(["D4", "F4", "A4"], 0.0, 0.9, "soft", 0.8)
                                + arpeggio(["A4", "D5"], 0.05, 0.12, 0.7, "bell", 0.7))),
    # O wins a game of two players.
    "o2win1.wav": (1.9, [speech("O wins!", FEMALE, 0.0)]
                   + after_words(arpeggio(["F4", "A4", "C5", "F5"], 0.0, 0.05, 0.4, "pl"))),
    "o2win2.wav": (1.9, [speech("Three in a row for O!", SECOND_MALE, 0.0, stretch=1.0)]),
    "o2win3.wav": (1.9, chord(["B3", "D#4", "F#4", "B4"], 0.0, 0.2, "chip", 0.6)
                   + chord(["E4", "G#4", "B4", "E5"], 0.0, 0.2, "bell")
                   + letter_last("Victory for", "O!", MALE, 0.5)),
    # A drawn game.
    "nowin1.wav": (1.9, arpeggio(["C4", "G4"], 0.0, 0.12, 0.25, "pl", 0.8)
                   + [speech("It's a draw.", MALE, 0.5, stretch=1.35)]),
    "nowin2.wav": (1.9, chord(["D4", "G4", "C5"], 0.0, 0.35, "soft", 0.8)
                   + [speech("Nobody wins.", MALE, 0.55)]),
    "nowin3.wav": (1.9, [speech("A tie game!", MALE, 0.0)]
                   + after_words(arpeggio(["E4", "D4", "E4"], 0.0, 0.08, 0.3, "bell", 0.8))),
    # Short signals. The refusal buzzes high enough for small speakers.
    "Error.wav": (0.6, chord(["A4", "D#5"], 0.0, 0.12, "chip", 0.8)
                  + chord(["A4", "D#5"], 0.16, 0.18, "chip", 0.8)),
    "brain.wav": (1.9, arpeggio(["C5", "G5", "E5"], 0.0, 0.05, 0.15, "chip", 0.6)
                  + [speech("Hmm, let me think.", FEMALE, 0.44, "Hum, let me think.", 1.0)]),
    "score.wav": (1.0, arpeggio(["E5", "A5"], 0.0, 0.12, 0.6, "bell")),
    "Ahh.wav": (1.5, [speech("Ahhh.", FEMALE, 0.0, "Ah.", 1.3)]
                + after_words(arpeggio(["A5", "E5", "C5", "A4"], 0.0, 0.07, 0.35, "bell", 0.5))),
    "s-question.wav": (1.2, [speech("Hmm?", FEMALE, 0.0, "Hum?")]
                       + after_words(arpeggio(["C5", "G5"], 0.0, 0.07, 0.15, "pl"))),
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
# The voices' shape for small speakers: less of the chest below 300 Hz, more
# presence between 1 and 4 kHz, where a laptop or a phone is loudest and words
# are told apart.
# A gentle compressor then evens out the loudest syllables, which the cue's
# limiter would otherwise flatten.
VOICE_SHAPE = ["highpass", "120", "bass", "-6", "300", "equalizer", "2500", "1.5o", "5",
               "treble", "2", "5000", "gain", "-n", "-1", "compand", "0.001,0.08",
               "-40,-40,-30,-30,0,-15", "0", "-90", "0.002"]
# A line starts and ends in a few milliseconds' fade: a voice trimmed to its first
# sound would otherwise step out of silence with a click.
FADE_EDGES = ["fade", "h", "0.006", "reverse", "fade", "h", "0.006", "reverse"]
# The voices are made at 16 kHz and stop at 8 kHz. A little of their own upper
# presence, made richer and kept above 7 kHz, gives them air beside the bells.
AIR_SHAPE = ["highpass", "3000", "overdrive", "12", "0", "highpass", "7000", "highpass", "7000"]
AIR_LEVEL = 0.12


def make_speech(part, path, tmp):
    raw = os.path.join(tmp, "speech-raw.wav")
    shaped = os.path.join(tmp, "speech-shaped.wav")
    air = os.path.join(tmp, "speech-air.wav")
    run("flite", "-voice", part["voice"], "--setf", f"duration_stretch={part['stretch']}",
        "-t", part["say"], "-o", raw)
    run(*SOX, raw, *FLOAT, shaped, "highpass", "90", *TRIM_SILENCE, "reverse", *TRIM_SILENCE,
        "reverse", "rate", "-v", str(RATE), *VOICE_SHAPE, *FADE_EDGES)
    run(*SOX, shaped, air, *AIR_SHAPE)
    run(*SOX, "-m", "-v", "1", shaped, "-v", str(AIR_LEVEL), air, *FLOAT, path,
        "vol", f"{part['level']}dB", "pad", f"{part['start']}")


def duration(path):
    out = subprocess.run(["soxi", "-D", path], check=True, capture_output=True, text=True)
    return float(out.stdout)


def ebur128(path, high_pass=False):
    """ffmpeg's EBU R128 meter on a file, or on the file through a 300 Hz
    high-pass, the way a small speaker plays it: its integrated loudness (LUFS),
    its true peak (dBTP) and the momentary loudness of the 400 ms window ending
    at every tenth of a second."""
    small = f"highpass=f={SMALL_SPEAKER_HZ}," if high_pass else ""
    # Silence around the sound, so that windows reach over its first and last moments.
    pad = f"adelay={int(BLOCK_SECONDS * 1000)},apad=pad_dur={BLOCK_SECONDS * 2},"
    out = subprocess.run(["ffmpeg", "-nostats", "-hide_banner", "-loglevel", "verbose", "-i", path,
                          "-af", small + pad + "ebur128=peak=true:framelog=verbose", "-f",
                          "null", "-"], check=True, capture_output=True, text=True).stderr
    momentary = [(round(float(t) - BLOCK_SECONDS, 1), float(m)) for t, m in
                 re.findall(r"\bt:\s*([\d.]+)\s+TARGET:.*?M:\s*(-?[\d.]+)", out)]
    peak = re.search(r"Peak:\s+(-?[\d.]+|-inf) dBFS", out[out.rindex("Summary:"):]).group(1)
    return integrated(momentary, duration(path)), float(peak), momentary


def integrated(momentary, length):
    """Integrated loudness from the windows that lie wholly inside the sound (or,
    for a sound shorter than one, from every window over it), gated at -70 LUFS
    and then 10 LU under their mean."""
    def mean(levels):
        power = [10 ** (level / 10) for level in levels]
        return 10 * math.log10(sum(power) / len(power)) if power else -math.inf

    blocks = ([m for t, m in momentary if BLOCK_SECONDS - 1e-3 <= t <= length + 1e-3]
              or [m for t, m in momentary if 0 < t < length + BLOCK_SECONDS])
    heard = [m for m in blocks if m > -70.0]
    return mean([m for m in heard if m > mean(heard) - 10.0])


def loudness(path):
    integrated_lufs, peak, _ = ebur128(path)
    return integrated_lufs, peak


def fail(name, why):
    sys.exit(f"{name}: {why}")


def render_parts(name, max_length, parts, tmp):
    """Renders every part to its own file: the words first, then the notes,
    those that follow the words placed after them. Fails when a part would be
    cut by the end of its cue."""
    music, words = [], []
    last_end = max_length - TAIL_SECONDS
    spoken = [p for p in parts if "text" in p]
    for i, part in enumerate(spoken):
        path = os.path.join(tmp, f"words{i}.wav")
        if part["follows"]:
            part = spoken[i] = dict(part, start=duration(words[-1][0]) + LETTER_GAP)
        make_speech(part, path, tmp)
        words.append((path, part["start"]))
    words_end = max((duration(path) for path, _ in words), default=0.0)
    for i, part in enumerate(p for p in parts if "text" not in p):
        path = os.path.join(tmp, f"note{i}.wav")
        if "after" in part:
            part = dict(part, start=words_end + WORDS_CLEARANCE + DUCK_RAMP_SECONDS
                        + part["after"])
        make_note(part, path)
        music.append(path)
    for part, path in zip(spoken + [p for p in parts if "text" not in p],
                          [w for w, _ in words] + music):
        end = duration(path)
        if end > last_end + 1e-3:
            what = repr(part["text"]) if "text" in part else f"note {part['note']}"
            fail(name, f"{what} ends at {end:.2f} s, after the cue's {last_end:.2f} s")
    return music, words


def mix(inputs, path, levels=None):
    levels = levels or [1.0] * len(inputs)
    # Each input at half its level: sox clips even floating-point samples.
    if len(inputs) == 1:
        run(*SOX, "-v", str(0.5 * levels[0]), inputs[0], *FLOAT, path)
    else:
        run(*SOX, "-m", *sum((["-v", str(0.5 * v), p] for p, v in zip(inputs, levels)), []),
            *FLOAT, path)


def words_span(words):
    """From the first word's start to the last word's end."""
    return (min(begin for _, begin in words), max(duration(path) for path, _ in words))


def duck(music, span, tmp):
    """Lowers the music by DUCK_DB while the words sound and for WORDS_CLEARANCE
    each side of them, so that no loudness window over the words holds music at
    its own level; straight ramps lead in and out."""
    start, end = span[0] - WORDS_CLEARANCE, span[1] + WORDS_CLEARANCE
    gain = 10 ** (-DUCK_DB / 20)
    ramp = DUCK_RAMP_SECONDS
    # 1 away from the words, gain under them, with a straight ramp each side.
    outside = f"clip(max(({start}-t)/{ramp},(t-{end})/{ramp}),0,1)"
    ducked = os.path.join(tmp, "ducked.wav")
    run("ffmpeg", "-nostats", "-hide_banner", "-loglevel", "error", "-y", "-i", music, "-af",
        f"aeval='val(0)*({gain}+(1-{gain})*{outside})'", "-c:a", "pcm_s24le", ducked)
    return ducked


def words_over_music(voice, music, span, high_pass=False):
    """The least lead, in LU, of the words' momentary loudness over the music's,
    over every 400 ms window centred between the first word's start and the last
    word's end."""
    words = dict(ebur128(voice, high_pass)[2])
    backing = dict(ebur128(music, high_pass)[2])
    leads = [words[t] - backing[t] for t in words
             if span[0] <= t - BLOCK_SECONDS / 2 <= span[1] and t in backing]
    return min(leads, default=math.inf)


def scaled(path, db, out):
    run(*SOX, path, *FLOAT, out, "vol", f"{db}dB")
    return out


def end(path, length, out):
    """The sound brought to length, fading in its last moments, and a silent tail."""
    run(*SOX, path, *FLOAT, out, "pad", "0", f"{max(0.0, length - duration(path))}", "trim", "0",
        f"{length}", "fade", "t", "0", f"{length}", "0.03", "pad", "0", f"{TAIL_SECONDS}")


def finish(path, gain, limited, out):
    """The cue's gain, then a limiter, then 16-bit samples."""
    run("ffmpeg", "-nostats", "-hide_banner", "-loglevel", "error", "-y", "-i", path, "-af",
        f"volume={gain:.3f}dB,alimiter=limit={LIMIT}:attack=1:release=40:level=false:"
        "latency=true", "-c:a", "pcm_s24le", limited)
    run(*SOX, limited, "-r", str(RATE), "-b", "16", "-c", "1", out)


def make_sound(name, recipe, outdir, tmp):
    """Makes one cue. Returns what was measured while making it: integrated
    loudness and true peak, the loudness of its words alone (None without words),
    and the words' least lead over the music as played and through a small
    speaker's high-pass (None without music under them)."""
    max_length, parts = recipe
    music, words = render_parts(name, max_length, parts, tmp)
    report = {"words_lufs": None, "lead": None, "lead_small": None}
    voice = backing = None
    if words:
        voice = os.path.join(tmp, "voice.wav")
        mix([path for path, _ in words], voice)
        # Measured with silence after it, so that a line shorter than a loudness
        # window is measured whole.
        padded = os.path.join(tmp, "voice-padded.wav")
        run(*SOX, voice, *FLOAT, padded, "pad", "0", f"{BLOCK_SECONDS}")
        voice = scaled(voice, VOICE_LUFS - loudness(padded)[0],
                       os.path.join(tmp, "voice-set.wav"))
    if music:
        backing = os.path.join(tmp, "music.wav")
        mix(music, backing)
        if words:
            span = words_span(words)
            backing = duck(backing, span, tmp)
    # The cue's gain, and with it the words' loudness, depends on how loud its
    # music is: the music goes as far under the words as brings them nearest
    # WORDS_LUFS.
    mixed = os.path.join(tmp, "mixed.wav")
    music_db = 0.0
    if voice and backing:
        music_at = VOICE_LUFS - loudness(backing)[0]
        spread = []
        for under in MUSIC_UNDER_WORDS_LU:
            mix([voice, backing], mixed, [1.0, 10 ** ((music_at - under) / 20)])
            words_in_cue = VOICE_LUFS + 20 * math.log10(0.5) + TARGET_LUFS - loudness(mixed)[0]
            spread.append((abs(words_in_cue - WORDS_LUFS), music_at - under))
        music_db = min(spread)[1]
    inputs = [p for p in (voice, backing) if p]
    mix(inputs, mixed, ([1.0] if voice else []) + ([10 ** (music_db / 20)] if backing else []))
    if voice and backing:
        heard = scaled(backing, music_db, os.path.join(tmp, "music-set.wav"))
        report["lead"] = words_over_music(voice, heard, span)
        report["lead_small"] = words_over_music(voice, heard, span, high_pass=True)
    # The last moments fade, then a silent tail follows. A lookahead limiter holds
    # the sharp starts of plucked notes under the true peak ceiling; it and the
    # 16-bit samples move the loudness a little, so the gain is set again until
    # the cue is within a tenth of a LU of its target.
    shaped = os.path.join(tmp, "shaped.wav")
    end(mixed, duration(mixed), shaped)
    limited = os.path.join(tmp, "limited.wav")
    out = os.path.join(outdir, name)
    gain = TARGET_LUFS - loudness(shaped)[0]
    for _ in range(8):
        finish(shaped, gain, limited, out)
        integrated, peak = loudness(out)
        if abs(TARGET_LUFS - integrated) < 0.1:
            break
        gain += TARGET_LUFS - integrated
    if voice:
        # The words alone, through the same gain and limiter as the cue.
        words_alone = os.path.join(tmp, "words-alone.wav")
        length = duration(mixed)
        mix([voice], mixed)
        end(mixed, length, shaped)
        finish(shaped, gain, limited, words_alone)
        report["words_lufs"] = loudness(words_alone)[0]
    report.update(lufs=integrated, peak=peak)
    lead_text = ("no words" if not words else "no music under them" if not music
                 else f"{report['lead']:+.1f} LU ({report['lead_small']:+.1f} LU high-passed)")
    words_text = f"words {report['words_lufs']:6.1f} LUFS  " if voice else ""
    print(f"{name:15} {integrated:6.1f} LUFS  true peak {peak:5.1f} dBTP  {words_text}"
          f"words over music: {lead_text}")
    if abs(integrated - TARGET_LUFS) > LUFS_TOLERANCE:
        fail(name, f"integrated loudness {integrated:.1f} LUFS, not {TARGET_LUFS:.0f}")
    if peak > TRUE_PEAK_CEILING:
        fail(name, f"true peak {peak:.1f} dBTP, above {TRUE_PEAK_CEILING:.0f}")
    for lead in (report["lead"], report["lead_small"]):
        if lead is not None and lead < WORDS_OVER_MUSIC_MIN_LU:
            fail(name, f"the music comes within {lead:.1f} LU of the words")
    if voice and abs(report["words_lufs"] - WORDS_LUFS) > WORDS_TOLERANCE:
        fail(name, f"the words measure {report['words_lufs']:.1f} LUFS, not {WORDS_LUFS:.0f}")
    return report


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
