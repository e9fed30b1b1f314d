# SPDX-License-Identifier: GPL-3.0-or-later
"""The installed game's cues as the sound server plays them, on a desktop of its own."""

import os
import signal
import sys
import time

from desktop import (AUDIBLE, RATE, Desktop, Game, audible_span, check, identify, read_cue,
                     run_cases, scratch_folder)

START_CUES = ["start1.wav", "start2.wav", "start3.wav"]
STALL_SECONDS = 0.5


def longest_quiet(samples, span):
    """The longest run of inaudible 10 ms stretches inside span, in seconds."""
    width = RATE // 100
    longest = run = 0
    for at in range(span[0], span[1], width):
        run = run + 1 if max(abs(v) for v in samples[at:at + width]) <= AUDIBLE else 0
        longest = max(longest, run)
    return longest * width / RATE


def cue_whole_through_stalled_game(name):
    """A game that stalls for half a second just after its greeting starts (stopped
    outright, as a machine under heavy load may hold it) still has the whole
    greeting heard, without a hole: the server holds the whole cue."""
    with Desktop(scratch_folder(name)) as desktop:
        game = Game(desktop)
        try:
            desktop.recorder.wait_heard(game.mark)
            os.kill(game.process.pid, signal.SIGSTOP)
            stopped = time.monotonic()
            time.sleep(STALL_SECONDS)
            os.kill(game.process.pid, signal.SIGCONT)
            desktop.recorder.wait_quiet(game.mark)
            samples = desktop.recorder.samples()
            heard = audible_span(samples, game.mark)
            mismatch, cue = identify(samples, heard[0], START_CUES)
            in_file = read_cue(cue)
            span = audible_span(in_file)
            played = (span[1] - span[0] + 1) / RATE
            length = (heard[1] - heard[0] + 1) / RATE
            gap, gap_in_file = longest_quiet(samples, heard), longest_quiet(in_file, span)
            into = stopped - desktop.recorder.time_of(heard[0])
            print(f"{cue} (opening mismatch {mismatch:.2f}) sounds {played:.3f} s, heard "
                  f"{length:.3f} s with the game stopped {STALL_SECONDS} s from {into:.3f} s "
                  f"into it; longest quiet {gap:.3f} s, in the file {gap_in_file:.3f} s")
            check(mismatch < 0.25, "what was heard is none of the greetings")
            check(into < played - STALL_SECONDS, "the game was stopped too late to tell")
            check(abs(length - played) <= 0.05, "the cue was heard cut or drawn out")
            check(gap <= gap_in_file + 0.03, "the cue was heard with a hole")
        finally:
            game.close()


if __name__ == "__main__":
    sys.exit(run_cases({f.__name__: f for f in (cue_whole_through_stalled_game,)}))
