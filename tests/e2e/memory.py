# SPDX-License-Identifier: GPL-3.0-or-later
"""What the installed game holds in memory while its window changes size, on a
large screen: python3 memory.py CASE, CASE one of the functions below.

Resident memory (VmRSS) is read from /proc at each step and printed. random_play
is run by hand through perf/memory-bench (TTT_MEMORY_MINUTES sets its length)."""

import os
import random
import signal
import sys
import time

from desktop import Desktop, Game, check, run_cases, scratch_folder

SCREEN = 2560, 1600
DRAG_STEPS = 30


def rss(game, field="VmRSS"):
    """The game's resident memory in MiB."""
    with open(f"/proc/{game.process.pid}/status") as status:
        for line in status:
            if line.startswith(field + ":"):
                return int(line.split()[1]) / 1024
    raise AssertionError(f"no {field} for the game")


def resize(desktop, game, width, height):
    desktop.x("xdotool", "windowsize", "--sync", str(game.window), str(width), str(height))


def started(desktop, **extra_env):
    """The game, once it has greeted and drawn its first window."""
    game = Game(desktop, **extra_env)
    desktop.recorder.wait_quiet(game.mark)
    return game


def drag(desktop, game, first, pause):
    """Grows the window through DRAG_STEPS sizes towards the screen's and back to
    first, pause seconds apart. The largest VmRSS seen on the way."""
    peak = 0
    for step in list(range(1, DRAG_STEPS + 1)) + [0]:
        width = first[0] + (SCREEN[0] - 60 - first[0]) * step // DRAG_STEPS
        height = first[1] + (SCREEN[1] - 80 - first[1]) * step // DRAG_STEPS
        resize(desktop, game, width, height)
        time.sleep(pause)
        peak = max(peak, rss(game))
    return peak


def difference(shot, other):
    """Mean difference per channel (0..255) of two screenshots of one size."""
    check(shot[:2] == other[:2], f"the window is {other[0]}x{other[1]}, not {shot[0]}x{shot[1]}")
    return sum(abs(a - b) for a, b in zip(shot[2], other[2])) / len(shot[2])


def resizing_gives_memory_back(name):
    """Dragged through 30 sizes and back, slowly and quickly, the game holds at most
    twice its first-start memory, and 5 s after the window is back at its first size
    at most 1.3 times it, looking exactly as at first."""
    with Desktop(scratch_folder(name), screen=f"{SCREEN[0]}x{SCREEN[1]}") as desktop:
        game = started(desktop)
        try:
            first = desktop.geometry(game.window)[2:]
            start = rss(game)
            shot = desktop.screenshot(game.window)
            print(f"first start at {first[0]}x{first[1]}: VmRSS {start:.1f} MiB")
            for pause in (0.3, 0.03):
                peak = drag(desktop, game, first, pause)
                print(f"drag through {DRAG_STEPS} sizes {pause} s apart: VmRSS up to "
                      f"{peak:.1f} MiB ({peak / start:.2f}x)")
                time.sleep(5)
                back = rss(game)
                changed = difference(shot, desktop.screenshot(game.window))
                print(f"back at {first[0]}x{first[1]}, 5 s later: VmRSS {back:.1f} MiB "
                      f"({back / start:.2f}x); mean difference from the first start "
                      f"{changed:.2f} of 255")
                check(peak <= 2 * start, "the drag took more than twice the first memory")
                check(back <= 1.3 * start, "back at the first size, the game holds over 1.3x "
                      "its first memory")
                check(changed == 0, "back at the first size, the window looks otherwise")
        finally:
            game.close()


def huge_scale_survives(name):
    """At a scale factor far beyond any screen the game keeps running with its
    memory in check, and a SIGTERM ends it within a second."""
    with Desktop(scratch_folder(name), screen="8192x8192") as desktop:
        game = started(desktop, QT_SCALE_FACTOR="100")
        try:
            time.sleep(3)
            check(game.process.poll() is None,
                  f"the game ended with status {game.process.returncode}")
            print(f"alive 3 s after its greeting at scale 100: VmRSS {rss(game):.0f} MiB, "
                  f"peak {rss(game, 'VmHWM'):.0f} MiB")
            sent = time.monotonic()
            game.process.send_signal(signal.SIGTERM)
            check(game.wait_end(10), "the game still runs 10 s after SIGTERM")
            print(f"ended {game.ended_at - sent:.3f} s after SIGTERM, status "
                  f"{game.process.returncode}")
            check(game.ended_at - sent <= 1.0, "SIGTERM took over 1 s")
            check(game.process.returncode == 0, "the game did not end normally")
        finally:
            game.close()


def random_play(name):
    """Plays and resizes at random for TTT_MEMORY_MINUTES minutes (10 by default),
    printing VmRSS each time the window is back at its first size."""
    minutes = float(os.environ.get("TTT_MEMORY_MINUTES", "10"))
    chance = random.Random(int(os.environ.get("TTT_MEMORY_SEED", "1")))
    with Desktop(scratch_folder(name), screen=f"{SCREEN[0]}x{SCREEN[1]}") as desktop:
        game = started(desktop)
        try:
            first = desktop.geometry(game.window)[2:]
            start = rss(game)
            print(f"first start: VmRSS {start:.1f} MiB")
            end = time.monotonic() + 60 * minutes
            resizes = returns = 0
            at_first = []
            while time.monotonic() < end:
                check(game.process.poll() is None, "the game ended")
                if chance.random() < 0.7:
                    desktop.key(chance.choice("123456789p"))
                    time.sleep(chance.uniform(0.05, 0.6))
                    continue
                for _ in range(chance.randint(1, 12)):
                    resize(desktop, game, chance.randint(first[0], SCREEN[0] - 60),
                           chance.randint(first[1], SCREEN[1] - 80))
                    resizes += 1
                    time.sleep(chance.choice((0.02, 0.05, 0.3, 1.0)))
                if chance.random() < 0.3:
                    resize(desktop, game, *first)
                    returns += 1
                    time.sleep(5)
                    at_first.append(rss(game))
                    print(f"{resizes} resizes: back at the first size, VmRSS "
                          f"{at_first[-1]:.1f} MiB")
            resize(desktop, game, *first)
            time.sleep(5)
            at_first.append(rss(game))
            print(f"after {minutes:g} min, {resizes} resizes, {returns + 1} returns: VmRSS "
                  f"{at_first[-1]:.1f} MiB ({at_first[-1] / start:.2f}x first start), peak "
                  f"{rss(game, 'VmHWM'):.1f} MiB; at the first size: lowest "
                  f"{min(at_first):.1f}, highest {max(at_first):.1f} MiB")
            check(at_first[-1] <= 1.3 * start, "the game holds over 1.3x its first memory")
        finally:
            game.close()


if __name__ == "__main__":
    sys.exit(run_cases({f.__name__: f for f in (
        resizing_gives_memory_back, huge_scale_survives, random_play)}))
