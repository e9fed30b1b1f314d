# SPDX-License-Identifier: GPL-3.0-or-later
"""What another user can plant for the installed game: links where its settings files
belong, and arguments made to upset a terminal or to hang it.
python3 hostile.py CASE, where CASE is one of the functions named at the bottom."""

import gzip
import os
import shutil
import subprocess
import sys

from desktop import (PREFIX, SOUNDS_OFF, Desktop, Game, Skip, check, no_core_dump,
                     player_environment, private_folder, run_cases, scratch_folder, wait_for)

NOBODY = 65534
OTHER = 4242
VICTIM = b"root:x:0:0:root:/root:/bin/bash\ndaemon:x:1:1:daemon:/usr/sbin:/usr/sbin/nologin\n"


class GameIn(Game):
    """The game run as the given user in the working directory as it was prepared; its
    main window is the one that is no dialog of another."""

    def __init__(self, desktop, user):
        super().__init__(desktop, None, user)

    def _main_window(self):
        check(self.process.poll() is None,
              f"the game ended at start-up with status {self.process.returncode}: "
              f"{self.stderr_text()}")
        mains = [w for w in self.windows()
                 if "window id" not in self.desktop.prop(w, "WM_TRANSIENT_FOR")]
        return mains[0] if len(mains) == 1 else None

    def exit_by_menu(self, why_still_running=""):
        self.menu("f", "x")  # File > Exit
        check(self.wait_end(15), "the game still runs 15 s after Exit" + why_still_running)

    def dialog(self, what):
        """Waits for a dialog of the game and closes it as the player would."""
        dialog = wait_for(what, lambda: next(
            (w for w in self.windows() if w != self.window), None))
        self.desktop.x("xdotool", "windowactivate", "--sync", str(dialog))
        self.desktop.key("Return")
        wait_for(f"{what} to close", lambda: dialog not in self.windows())


def planted_links_lead_nowhere(name):
    """Run as root in a folder another user controls, where that user has made
    options.ttt and cardset.ttt links to a file of root's: start-up says once that
    the file is not used, and neither start-up, S, the chooser's OK nor Exit changes
    the file; the player's own link is followed as ever."""
    if os.geteuid() != 0:
        raise Skip("only root can run the game as root and plant another user's links")
    with Desktop(scratch_folder(name)) as desktop:
        cwd = os.path.join(desktop.folder, "cwd")
        victim = os.path.join(desktop.folder, "victim")
        with open(victim, "wb") as file:
            file.write(VICTIM)
        os.makedirs(cwd)
        os.chown(cwd, NOBODY, NOBODY)
        for planted in ("options.ttt", "cardset.ttt"):
            os.symlink(victim, os.path.join(cwd, planted))
            os.lchown(os.path.join(cwd, planted), NOBODY, NOBODY)

        def unchanged(after):
            with open(victim, "rb") as file:
                held = file.read()
            left = sorted(os.listdir(cwd))
            print(f"after {after}: the file holds {len(held)} bytes, the folder {left}")
            check(held == VICTIM, f"{after} changed the file the links lead to")
            check(left == ["cardset.ttt", "options.ttt"], f"{after} left files behind")
            check(all(os.path.islink(os.path.join(cwd, f)) for f in left), "a link is gone")

        game = GameIn(desktop, 0)
        try:
            game.dialog("start-up's warning that options.ttt is not used")
            unchanged("start-up")
            game.desktop.key("s")
            check(game.wait_end(15), "the game still runs 15 s after S")
        finally:
            game.close()
        unchanged("S")

        game = GameIn(desktop, 0)
        try:
            game.dialog("start-up's warning that options.ttt is not used")
            game.menu("o", "g")  # Options > Graphics
            game.dialog("the graphics chooser")  # OK
            game.dialog("the warning that the picture set was not saved")
            unchanged("the chooser's OK")
            game.exit_by_menu(": a second warning?")
            print(f"Exit: status {game.process.returncode}")
            check(game.process.returncode == 0, "Exit did not end with status 0")
        finally:
            game.close()
        unchanged("Exit")

        # The player's own link, to a file in a folder of theirs, is followed.
        elsewhere = os.path.join(desktop.folder, "elsewhere")
        os.makedirs(elsewhere)
        real = os.path.join(elsewhere, "real.ttt")
        with open(real, "wb") as file:
            file.write(SOUNDS_OFF)
        for made in (elsewhere, real):
            os.chown(made, NOBODY, NOBODY)
        os.remove(os.path.join(cwd, "options.ttt"))
        os.symlink(real, os.path.join(cwd, "options.ttt"))
        os.lchown(os.path.join(cwd, "options.ttt"), NOBODY, NOBODY)
        game = GameIn(desktop, NOBODY)
        try:
            game.menu("d", "e")  # Difficulty > Easy
            game.exit_by_menu()
        finally:
            game.close()
        with open(real, "rb") as file:
            saved = file.read()
        print(f"the player's own link: {saved!r}")
        check(os.path.islink(os.path.join(cwd, "options.ttt")), "the player's link is gone")
        check(saved == b"1,1,1,0,0,0,16\r\n", "Exit did not save through the player's link")


def other_users_links_refused_for_a_player(name):
    """A player who is not root ("nobody") in a folder of another user who may write
    there, sticky or not, where that user has linked options.ttt and cardset.ttt to the
    player's own file: start-up says once that the file is not used, and neither
    start-up nor Exit changes it."""
    if os.geteuid() != 0:
        raise Skip("only root can plant another user's links and run the game as nobody")
    with Desktop(scratch_folder(name)) as desktop:
        cwd, victim = os.path.join(desktop.folder, "cwd"), os.path.join(desktop.folder, "own")
        with open(victim, "wb") as file:
            file.write(VICTIM)
        os.chown(victim, NOBODY, NOBODY)
        for mode in (0o1777, 0o777):
            shutil.rmtree(cwd, ignore_errors=True)
            os.makedirs(cwd)
            for planted in ("options.ttt", "cardset.ttt"):
                os.symlink(victim, os.path.join(cwd, planted))
                os.lchown(os.path.join(cwd, planted), OTHER, OTHER)
            os.chown(cwd, OTHER, OTHER)
            os.chmod(cwd, mode)
            game = GameIn(desktop, NOBODY)
            try:
                game.dialog("start-up's warning that options.ttt is not used")
                game.exit_by_menu()
            finally:
                game.close()
            with open(victim, "rb") as file:
                held = file.read()
            print(f"folder {mode:o}: Exit status {game.process.returncode}, the file holds "
                  f"{len(held)} bytes, the folder {sorted(os.listdir(cwd))}")
            check(held == VICTIM, f"folder {mode:o}: the player's file was changed")
            check(all(os.path.islink(os.path.join(cwd, f)) for f in os.listdir(cwd))
                  and len(os.listdir(cwd)) == 2, f"folder {mode:o}: the links were touched")


def arguments_stay_on_their_line(name):
    """Arguments are echoed with their control characters escaped, -display failures
    name the display asked for, and files Qt would read without end (a device, a pipe a
    style sheet names, a compressed icon) are refused: one line on standard error each,
    and the game never waits."""
    folder = scratch_folder(name)
    os.mkfifo(os.path.join(folder, "fifo"))
    with open(os.path.join(folder, "pipe.qss"), "w", encoding="ascii") as sheet:
        sheet.write("* { background-image: url(fifo) }")
    with open(os.path.join(folder, "icon.svgz"), "wb") as icon:
        icon.write(gzip.compress(b"<svg>" + b" " * 10**7 + b"</svg>"))
    home = os.path.join(folder, "home")
    os.makedirs(home)
    runtime = private_folder(os.path.join(folder, "runtime"))
    for case, arguments, status, said in (
            ("terminal colour", ["\x1b[31mX"], 2, "'\\x1B[31mX'"),
            ("option with a line break", ["--a\nb"], 2, "a\\nb"),
            ("-stylesheet /dev/zero", ["-stylesheet", "/dev/zero"], 2, "'/dev/zero'"),
            ("a style sheet naming a pipe", ["-stylesheet", "pipe.qss"], 2, "names 'fifo'"),
            ("a compressed icon", ["-qwindowicon", "icon.svgz"], 2, "is compressed"),
            ("-display=:0", ["-display=:0"], 2, "'-display=:0'"),
            ("-display :99999", ["-display", ":99999"], 1, '":99999"')):
        try:
            done = subprocess.run([os.path.join(PREFIX, "bin", "tictactoe"), *arguments],
                                  cwd=folder, env=player_environment(home, runtime, DISPLAY=":0"),
                                  stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.PIPE, timeout=30, preexec_fn=no_core_dump,
                                  check=False)
        except subprocess.TimeoutExpired:
            check(False, f"{case}: the game still runs 30 s later")
        text = done.stderr.decode(errors="replace")
        print(f"{case}: status {done.returncode}, error output {text!r}")
        check(done.returncode == status, f"{case}: exit status is not {status}")
        check(text.count("\n") == 1 and text.endswith("\n"), f"{case}: not one line")
        check(not any(c < 0x20 for c in done.stderr[:-1]), f"{case}: a control byte echoed")
        check(said in text, f"{case}: {said} is not named")


if __name__ == "__main__":
    sys.exit(run_cases({f.__name__: f for f in (
        planted_links_lead_nowhere, other_users_links_refused_for_a_player,
        arguments_stay_on_their_line)}))
