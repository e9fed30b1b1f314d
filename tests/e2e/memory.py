# SPDX-License-Identifier: GPL-3.0-or-later
"""What the installed game holds in memory (VmRSS, read from /proc) while its
window changes size, and at a scale far beyond any screen: python3 memory.py
CASE, CASE one of the functions below. perf/memory-bench runs the drag by hand,
with a longer random run."""

import signal
import sys
import time

from desktop import Desktop, Game, check, run_cases, scratch_folder, wait_for

SCREEN = 2560, 1600


def rss(game, field="VmRSS"):
    """The game's resident memory in MiB."""
    with open(f"/proc/{game.process.pid}/status") as status:
        return next(int(line.split()[1]) / 1024 for line in status if line.startswith(field))


def resize(desktop, game, width, height):
    desktop.x("xdotool", "windowsize", "--sync", str(game.window), str(width), str(height))


def started(desktop, **extra_env):
    """The game, once it has greeted."""
    game = Game(desktop, **extra_env)
    desktop.recorder.wait_quiet(game.mark)
    return game


def drag(desktop, game, first, pause, steps=30):
    """Grows the window through steps sizes towards the screen's and puts it back at
    first, pause seconds apart; the largest VmRSS on the way."""
    peak = 0
    for step in list(range(1, steps + 1)) + [0]:
        resize(desktop, game, first[0] + (SCREEN[0] - 60 - first[0]) * step // steps,
               first[1] + (SCREEN[1] - 80 - first[1]) * step // steps)
        time.sleep(pause)
        peak = max(peak, rss(game))
    return peak


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
                time.sleep(5)
                back = rss(game)
                same = desktop.screenshot(game.window) == shot
                print(f"drag through 30 sizes {pause} s apart: VmRSS up to {peak:.1f} MiB "
                      f"({peak / start:.2f}x); back at the first size, 5 s later: {back:.1f} "
                      f"MiB ({back / start:.2f}x), {'as' if same else 'unlike'} at first")
                check(peak <= 2 * start, "the drag took over twice the first memory")
                check(back <= 1.3 * start, "back at the first size, it holds over 1.3x")
                check(same, "back at the first size, the window looks otherwise")
        finally:
            game.close()


def dialogs_give_memory_back(name):
    """The chooser, About and Tips opened and closed beside a window of 2500x1500: once
    the window is back at its first size, 6 s later the game holds at most 1.3 times
    its first-start memory."""
    with Desktop(scratch_folder(name), screen=f"{SCREEN[0]}x{SCREEN[1]}") as desktop:
        game = started(desktop)
        try:
            first = desktop.geometry(game.window)[2:]
            start = rss(game)
            resize(desktop, game, 2500, 1500)
            for menu_key, item_key in (("o", "g"), ("h", "a"), ("h", "t")):
                game.menu(menu_key, item_key)
                dialog = wait_for("the dialog", lambda: next(
                    (w for w in game.windows() if w != game.window), None))
                time.sleep(1)  # drawn at its full size
                desktop.x("wmctrl", "-i", "-c", hex(dialog))
                wait_for("the dialog to close", lambda: dialog not in game.windows())
            opened = rss(game)
            resize(desktop, game, *first)
            time.sleep(6)
            back = rss(game)
            print(f"first start: VmRSS {start:.1f} MiB; three dialogs opened and closed at "
                  f"2500x1500: {opened:.1f} MiB; back at the first size, 6 s later: "
                  f"{back:.1f} MiB ({back / start:.2f}x)")
            check(back <= 1.3 * start, "after the dialogs, back at the first size it holds "
                  "over 1.3x")
        finally:
            game.close()


def huge_scale_survives(name):
    """At a scale factor far beyond any screen the game runs with its memory in check,
    and a SIGTERM ends it within a second."""
    with Desktop(scratch_folder(name), screen="8192x8192") as desktop:
        game = started(desktop, QT_SCALE_FACTOR="100")
        try:
            time.sleep(3)
            check(game.process.poll() is None, f"it ended with status {game.process.returncode}")
            print(f"alive 3 s after its greeting at scale 100: VmRSS {rss(game):.0f} MiB, "
                  f"peak {rss(game, 'VmHWM'):.0f} MiB")
            sent = time.monotonic()
            game.process.send_signal(signal.SIGTERM)
            check(game.wait_end(10), "it still runs 10 s after SIGTERM")
            print(f"ended {game.ended_at - sent:.3f} s after SIGTERM, status "
                  f"{game.process.returncode}")
            check(game.ended_at - sent <= 1.0 and game.process.returncode == 0,
                  "SIGTERM took over 1 s or did not end it normally")
        finally:
            game.close()


if __name__ == "__main__":
    sys.exit(run_cases({f.__name__: f for f in (resizing_gives_memory_back,
                                                dialogs_give_memory_back,
                                                huge_scale_survives)}))
