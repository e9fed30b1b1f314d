# SPDX-License-Identifier: GPL-3.0-or-later
"""The installed game's windows under a real window manager, each case on a
desktop of its own: python3 windows.py CASE, CASE one of the functions below."""

import re
import sys
import time

from desktop import (RATE, Desktop, Game, audible_span, check, describe, run_cases, scratch_folder,
                     wait_for)

# Menu access keys that open each secondary window.
SECONDARY = (("chooser", "o", "g"), ("About", "h", "a"), ("Tips", "h", "t"))
# Their widths beside a main window of its first size.
FIRST_WIDTH = {"chooser": 608, "About": 505, "Tips": 300}


def centre(geometry):
    x, y, width, height = geometry
    return x + width / 2, y + height / 2


def inside(point, geometry):
    x, y, width, height = geometry
    return x <= point[0] < x + width and y <= point[1] < y + height


def settled_geometry(desktop, window):
    """The window's place once the window manager and the game stop moving it."""
    last = [None]

    def steady():
        now = desktop.geometry(window)
        same, last[0] = now == last[0], now
        return now if same else None

    return wait_for("the window to settle", steady, interval=0.2)


def stays_true(predicate, seconds):
    """Watches predicate for a while; False as soon as it fails."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not predicate():
            return False
        time.sleep(0.05)
    return True


def secondary_windows_belong_to_main(name):
    """The chooser, About and Tips are dialogs of the main window: transient for it,
    centred over it, and kept above it when the main window is clicked."""
    with Desktop(scratch_folder(name)) as desktop:
        game = Game(desktop)
        try:
            # Away from the middle of the screen, where a new window lands anyway, yet
            # with room around it for the chooser, which is larger.
            desktop.x("xdotool", "windowmove", "--sync", str(game.window), "300", "250")
            main = settled_geometry(desktop, game.window)
            for window, menu_key, item_key in SECONDARY:
                game.menu(menu_key, item_key)
                dialog = wait_for(f"the {window} window", lambda: next(
                    (w for w in game.windows() if w != game.window), None))
                place = settled_geometry(desktop, dialog)
                owner = desktop.prop(dialog, "WM_TRANSIENT_FOR")
                offset = [round(a - b) for a, b in zip(centre(place), centre(main))]
                print(f"{window}: {owner or 'no WM_TRANSIENT_FOR'}; at {place}, main window at "
                      f"{main}: centres {offset} apart")
                check(owner.endswith(f"# {hex(game.window)}"),
                      f"{window} is not transient for the main window {hex(game.window)}")
                check(max(abs(d) for d in offset) <= 6, f"{window} is not centred over the "
                      "main window")

                # A click on an uncovered corner of the (disabled) main window.
                corners = ((x, y) for x in (2, main[2] - 3) for y in (2, main[3] - 3))
                spot = next(((x, y) for x, y in corners
                             if not inside((main[0] + x, main[1] + y), place)), None)
                if spot:
                    game.click(*spot)
                on_top = stays_true(lambda: game.windows()[-1:] == [dialog], 1.0)
                check(on_top, f"{window} went under the main window")
                desktop.x("wmctrl", "-i", "-c", hex(dialog))
                wait_for(f"the {window} window to close", lambda: dialog not in game.windows())
        finally:
            game.close()


def dialogs_fit_beside_maximised_window(name):
    """Beside a main window maximised on a 1280x800 screen, the chooser, About and Tips
    open larger than at first yet wholly on the screen, under the main window's title
    bar height from its top, so that every control can be reached."""
    with Desktop(scratch_folder(name), screen="1280x800") as desktop:
        game = Game(desktop)
        try:
            first = settled_geometry(desktop, game.window)
            desktop.x("wmctrl", "-i", "-r", hex(game.window), "-b",
                      "add,maximized_vert,maximized_horz")
            main = settled_geometry(desktop, game.window)
            print(f"main window {first[2]}x{first[3]}, maximised {main}")
            for window, menu_key, item_key in SECONDARY:
                game.menu(menu_key, item_key)
                dialog = wait_for(f"the {window} window", lambda: next(
                    (w for w in game.windows() if w != game.window), None))
                x, y, width, height = settled_geometry(desktop, dialog)
                print(f"{window}: {width}x{height} at {x},{y}")
                check(x >= 0 and y >= main[1] and x + width <= 1280 and y + height <= 800,
                      f"{window} runs off the 1280x800 screen")
                check(width >= 1.3 * FIRST_WIDTH[window],
                      f"{window} did not grow with the main window")
                desktop.x("wmctrl", "-i", "-c", hex(dialog))
                wait_for(f"the {window} window to close", lambda: dialog not in game.windows())
        finally:
            game.close()


def frame_corners(desktop, window):
    """Left, top, right and bottom of the window's frame, from the window manager."""
    x, y, width, height = settled_geometry(desktop, window)
    extents = desktop.prop(window, "_NET_FRAME_EXTENTS").partition("=")[2]
    left, right, top, bottom = map(int, extents.split(",")) if extents else (0, 0, 0, 0)
    return x - left, y - top, x + width + right, y + height + bottom


def every_window_on_a_small_screen(name):
    """On a 1280x800 screen at scale 1 and 2 (a 640x400 desktop), the main window, the
    chooser, About (shut and slid open, beside the main window as it opens and
    maximised) and Tips lie wholly on the screen, frame and all, and the chooser's
    options and pictures are where its drawing puts them at its size: a click on set
    1's option and one on set 7's O picture choose those sets."""
    for scale in (1, 2):
        with Desktop(scratch_folder(f"{name}-{scale}"), screen="1280x800") as desktop:
            game = Game(desktop, QT_SCALE_FACTOR=str(scale))
            try:
                def opened(what, menu_key, item_key):
                    game.menu(menu_key, item_key)
                    window = wait_for(what, lambda: next(
                        (w for w in game.windows() if w != game.window), None))
                    return window, on_screen(what, window)

                def on_screen(what, window):
                    left, top, right, bottom = frame_corners(desktop, window)
                    print(f"scale {scale}, {what}: frame {left},{top} to {right},{bottom}")
                    check(left >= 0 and top >= 0 and right <= 1280 and bottom <= 800,
                          f"at scale {scale} {what} runs off the 1280x800 screen")
                    return settled_geometry(desktop, window)

                def click(window, place, *options):
                    desktop.x("xdotool", "mousemove", "--window", str(window),
                              *(str(round(v)) for v in place), "click", *options, "1")

                def shut(window):
                    desktop.x("wmctrl", "-i", "-c", hex(window))
                    wait_for("a window to close", lambda: window not in game.windows())

                on_screen("the main window", game.window)
                # Set 1's option by its round mark, set 7's O picture; then OK.
                for place, chosen in (((232, 400), b"1\r\n"), ((572, 396), b"19\r\n")):
                    chooser, (_, _, width, _) = opened("the chooser", "o", "g")
                    click(chooser, [v * width / 608 for v in place])
                    click(chooser, [v * width / 608 for v in (304, 220)])
                    wait_for(f"cardset.ttt to hold {chosen}", lambda: game.files().get(
                        "cardset.ttt") == chosen)
                about, (_, _, width, height) = opened("About", "h", "a")
                click(about, [v * width / 505 for v in (80, 92)], "--repeat", "2")
                wait_for("About to slide open",
                         lambda: desktop.geometry(about)[3] > height)
                on_screen("About slid open", about)
                shut(about)
                shut(opened("Tips", "h", "t")[0])
                desktop.x("wmctrl", "-i", "-r", hex(game.window), "-b",
                          "add,maximized_vert,maximized_horz")
                on_screen("the maximised main window", game.window)
                shut(opened("About slid open over it", "h", "a")[0])
            finally:
                game.close()


def always_on_top_keeps_window(name):
    """Always on Top switches the keep-above state of the same X window, on and off,
    and opening a secondary window meanwhile does not replace the window either."""
    with Desktop(scratch_folder(name)) as desktop:
        game = Game(desktop)
        try:
            window = game.window

            def above():
                return "_NET_WM_STATE_ABOVE" in desktop.prop(window, "_NET_WM_STATE")

            def after(step, wanted):
                # Waits until the window is kept above as wanted or was replaced.
                windows = wait_for(f"the window after {step}", lambda: (
                    lambda ws: ws if ws and (ws != [window] or above() == wanted) else None)(
                        game.windows()))
                print(f"after {step}: windows {[hex(w) for w in windows]}, above {above()}")
                check(windows == [window], f"{step} replaced the main window {hex(window)}")
                check(above() == wanted, f"{step} left _NET_WM_STATE_ABOVE "
                      f"{'unset' if wanted else 'set'}")

            check(not above(), "the window starts kept above")
            game.menu("f", "w")
            after("switching Always on Top on", True)
            game.menu("h", "a")
            about = wait_for("the About window", lambda: next(
                (w for w in game.windows() if w != window), None))
            desktop.x("wmctrl", "-i", "-c", hex(about))
            wait_for("the About window to close", lambda: about not in game.windows())
            after("opening and closing About", True)
            game.menu("f", "w")
            after("switching Always on Top off", False)
        finally:
            game.close()


# The board's nine squares, 73 pixels each, in steps of 80 from (16, 64) of the
# play area; square 7 is at the top left, as on a numeric keypad.
def square_rect(origin, square):
    row, column = 2 - (square - 1) // 3, (square - 1) % 3
    return origin[0] + 16 + 80 * column, origin[1] + 64 + 80 * row, 73, 73


def crop(shot, rect):
    width, _, pixels = shot
    x, y, w, h = rect
    return b"".join(pixels[3 * ((y + row) * width + x):3 * ((y + row) * width + x + w)]
                    for row in range(h))


def double_click_one_move(name):
    """A double-click on a free square is one click: one X, the computer's one O,
    and no error cue."""
    with Desktop(scratch_folder(name)) as desktop:
        game = Game(desktop)  # one player, X moves first
        try:
            desktop.recorder.wait_quiet(game.mark)
            desktop.key("p")  # New Game
            origin = game.play_area_origin()
            empty = desktop.screenshot(game.window)
            mark = desktop.recorder.count()
            x, y, w, h = square_rect(origin, 5)
            game.click(x + w // 2, y + h // 2, "--repeat", "2", "--delay", "50")

            def changed():
                shot = desktop.screenshot(game.window)
                return [s for s in range(1, 10) if crop(shot, square_rect(origin, s)) !=
                        crop(empty, square_rect(origin, s))]

            wait_for("the computer's reply", lambda: len(changed()) >= 2)
            # An error cue would start at the second press; a second more is plenty.
            until = desktop.recorder.count() + RATE
            wait_for("a second of recording", lambda: desktop.recorder.count() > until)
            samples = desktop.recorder.samples()
            heard = audible_span(samples, mark)
            marked = changed()
            print(f"squares changed: {marked}; heard after the double-click: "
                  f"{describe(samples, heard)}")
            check(5 in marked and len(marked) == 2, "the board does not show one X on square 5 "
                  "and one O")
            check(heard is None, "a cue was heard after the double-click")
        finally:
            game.close()


def halved(shot, rect):
    """The rect of a screenshot at half size, each pixel the mean of four."""
    width, _, pixels = shot
    x, y, w, h = rect
    out = bytearray()
    for row in range(0, h - 1, 2):
        top = 3 * ((y + row) * width + x)
        below = top + 3 * width
        for column in range(0, w - 1, 2):
            at = 3 * column
            for channel in range(3):
                out.append((pixels[top + at + channel] + pixels[top + at + 3 + channel] +
                            pixels[below + at + channel] + pixels[below + at + 3 + channel]) // 4)
    return bytes(out)


def window_grows_as_one_drawing(name):
    """The window manager may make the window larger, up to 8192 pixels a side, never
    smaller than at first; at twice the size the play area looks as at first, twice
    as large."""
    with Desktop(scratch_folder(name)) as desktop:
        game = Game(desktop)
        try:
            desktop.key("p", "5")
            first = settled_geometry(desktop, game.window)
            hints = desktop.prop(game.window, "WM_NORMAL_HINTS")
            print(f"first size {first[2]}x{first[3]}; {hints}")
            check(f"minimum size: {first[2]} by {first[3]}" in hints,
                  "the window's minimum size is not its first size")
            largest = re.search(r"maximum size: (\d+) by (\d+)", hints)
            check(not largest or min(map(int, largest.groups())) >= 8192,
                  "the window has a maximum size below what can be drawn")
            menu_bar = first[3] - 374
            origin = 0, menu_bar
            time.sleep(0.5)  # let the refused-move flash or any repaint pass
            small = desktop.screenshot(game.window)
            desktop.x("xdotool", "windowsize", "--sync", str(game.window), str(2 * 354),
                      str(2 * 374 + menu_bar))
            grown = settled_geometry(desktop, game.window)
            print(f"resized to {grown[2]}x{grown[3]}")
            check(grown[2:] == (708, 748 + menu_bar), "the window manager did not resize it")
            time.sleep(0.5)
            large = desktop.screenshot(game.window)
            before = crop(small, (origin[0], origin[1], 354, 374))
            after = halved(large, (0, menu_bar, 708, 748))
            difference = sum(abs(a - b) for a, b in zip(before, after)) / len(before)
            print(f"mean difference per channel between the first size and half of twice it: "
                  f"{difference:.1f} of 255")
            check(len(before) == len(after), "the play areas differ in size")
            check(difference < 6, "the play area at twice the size is not the same drawing")
            desktop.x("xdotool", "windowsize", "--sync", str(game.window), "200", "200")
            shrunk = settled_geometry(desktop, game.window)
            check(shrunk[2:] == first[2:], f"the window shrank to {shrunk[2]}x{shrunk[3]}")
        finally:
            game.close()


if __name__ == "__main__":
    sys.exit(run_cases({f.__name__: f for f in (
        secondary_windows_belong_to_main, dialogs_fit_beside_maximised_window,
        every_window_on_a_small_screen,
        always_on_top_keeps_window, double_click_one_move,
        window_grows_as_one_drawing)}))
