# SPDX-License-Identifier: GPL-3.0-or-later
"""The installed game played by ear with Debian's screen reader: python3 orca.py CASE.

The desktop of accessibility.py gets a speech server whose only voice writes each
phrase it is given to a file (standin-voice), and the screen reader, started with
preferences of its own. The test plays with keys alone and reads what the
screen reader said. Without the screen reader or the speech server the case
exits 77 (skipped)."""

import json
import os
import re
import shutil
import subprocess
import sys
import time

from accessibility import (READING_ORDER, Atspi, ScreenReader, ScreenReaderDesktop, find,
                           has_state, role, wait)
from desktop import Failure, Game, Skip, check, run_cases, scratch_folder, stop

GENERIC_MODULE = "/usr/lib/speech-dispatcher-modules/sd_generic"
VOICE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "standin-voice")
# Easy, X first, one player, scoring on, sounds off.
SETTINGS = b"1,1,1,0,0,0,16\r\n"
# A loaded machine may take a while to speak: the waits poll the voice's file.
PATIENCE = 90.0


class OrcaDesktop(ScreenReaderDesktop):
    """The screen reader's desktop, with what it says written to a file."""

    def __init__(self, folder, pace=None):
        """pace: the seconds the voice takes a word, with the keys echoed as typed;
        None for a voice that takes no time, and no echo."""
        super().__init__(folder)
        self.spoken = os.path.join(folder, "spoken.txt")
        self.pace = pace
        self._orca = None

    def __enter__(self):
        missing = [tool for tool in ("orca", "speech-dispatcher") if not shutil.which(tool)]
        missing += [path for path in (GENERIC_MODULE,) if not os.path.exists(path)]
        if missing:
            raise Skip(f"not installed: {' '.join(missing)} (scripts/install-deps installs "
                       "orca and speech-dispatcher)")
        super().__enter__()
        try:
            self._start_orca()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *details):
        if self._orca:
            stop(self._orca)
        super().__exit__(*details)

    def _configure_speech(self, config):
        folder = os.path.join(config, "speech-dispatcher")
        os.makedirs(os.path.join(folder, "modules"), exist_ok=True)
        with open(os.path.join(folder, "speechd.conf"), "w") as conf:
            conf.write(f'AddModule "voice" "sd_generic" "voice.conf"\nDefaultModule voice\n'
                       f'LogDir "{os.path.join(self.folder, "speech-log")}"\n')
        with open(os.path.join(folder, "modules", "voice.conf"), "w") as conf:
            pace = self.pace or ""
            conf.write(f'GenericExecuteSynth "{VOICE} {self.spoken} \\\'$DATA\\\' {pace}"\n'
                       'AddVoice "en" "MALE1" "voice"\n'
                       'GenericLanguage "en" "en" "utf-8"\n')

    def _write_preferences(self, folder):
        # No echo of the keys typed with the voice that takes no time: on a loaded
        # machine the echo of a key can reach the screen reader after the news that key
        # caused, and cut its second sentence. The timed voice echoes, as by default.
        os.makedirs(folder, exist_ok=True)
        quiet = {"enableKeyEcho": self.pace is not None}
        with open(os.path.join(folder, "user-settings.conf"), "w") as prefs:
            json.dump({"general": quiet, "pronunciations": {}, "keybindings": {},
                       "profiles": {"default": dict(quiet, profile=["Default", "default"])}},
                      prefs)

    def _start_orca(self):
        # The screen reader runs once per user: it will not start beside another.
        others = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                                stdout=subprocess.PIPE, text=True, check=False).stdout.split()
        if others:
            raise Skip(f"another Orca of this user is running (pid {', '.join(others)})")
        config = os.path.join(self.home, ".config")
        self._configure_speech(config)
        open(self.spoken, "w").close()
        self._write_preferences(os.path.join(self.folder, "orca-prefs"))
        log = open(os.path.join(self.folder, "orca.log"), "wb")
        self._orca = subprocess.Popen(
            ["orca", "--user-prefs", os.path.join(self.folder, "orca-prefs")],
            env=self.env(XDG_CONFIG_HOME=config, GSETTINGS_BACKEND="memory"),
            stdout=log, stderr=log)
        log.close()
        try:
            self.hear("Screen reader on")
        except Failure:
            if self._orca.poll() is not None:
                raise Skip("Orca could not start: " + self._tail("orca.log"))
            raise

    def phrases(self):
        with open(self.spoken, errors="replace") as spoken:
            return [line.strip() for line in spoken]

    def said(self, since=0):
        """What was said after the first since phrases, as one text: the screen
        reader hands the voice a message a sentence at a time."""
        return " ".join(p for p in self.phrases()[since:] if p)

    def hear(self, pattern, since=0):
        """Waits until the pattern is heard after the first since phrases; returns
        the match."""
        deadline = time.monotonic() + PATIENCE
        while time.monotonic() < deadline:
            found = re.search(pattern, self.said(since))
            if found:
                return found
            time.sleep(0.1)
        raise Failure(f"gave up after {PATIENCE:.0f} s waiting to hear {pattern!r}; heard "
                      f"{self.said(since)!r}")


def press(desktop, key, expected):
    """Presses key and waits to hear the pattern expected; returns its match."""
    since = len(desktop.phrases())
    desktop.key(key)
    return desktop.hear(expected, since)


def focus(desktop, reader, kind, name, key="Tab"):
    """Presses key until the control of this kind and name has the focus."""
    control = find(reader.main, kind, name)
    for _ in range(24):
        if has_state(control, Atspi.StateType.FOCUSED):
            return
        since = len(reader.listener.events)
        desktop.key(key)
        wait(f"the focus to move on {key}",
             lambda: any(value for _, value in reader.listener.changed(since, "focused")))
    raise Failure(f"{key} never reached the {kind} {name!r}")


def reply(desktop, reader, key):
    """Plays key and checks the computer's reply is told as its square shows it."""
    found = press(desktop, key, r"O (\d)\. [a-z ]+\.")
    square = int(found.group(1))
    check(reader.marks()[square] == "O", f"{found.group(0)!r} is not on the board: "
          f"{reader.marks()}")
    return square


def spoken_by_ear(name):
    """A blind player's games by ear: every reply, turn, refusal and outcome is
    spoken once, whatever has the focus; Space on a control starts a new game."""
    with OrcaDesktop(scratch_folder(name)) as desktop:
        game = Game(desktop, SETTINGS)
        try:
            reader = ScreenReader(game)
            focus(desktop, reader, "list", "Board")
            press(desktop, "p", r"New game\.")
            # The reply is told with the focus on the board, then on an option button.
            taken = reply(desktop, reader, "5")
            press(desktop, str(taken), fr"Square {taken} is taken\.")
            focus(desktop, reader, "radio button", "Easy")
            free = next(s for s, mark in reader.marks().items() if not mark)
            reply(desktop, reader, str(free))

            # An option that stops the game says so; two players hear their turns.
            focus(desktop, reader, "radio button", "1")
            press(desktop, "Right", r"Game stopped\.")
            since = len(desktop.phrases())
            # The focus goes to the board, whose position tells the turn: the news does not.
            press(desktop, "space", r"New game\.")
            for key, mover, turn in (("7", "X", "O"), ("4", "O", "X"), ("8", "X", "O"),
                                     ("5", "O", "X")):
                press(desktop, key, fr"{mover} {key}\. {turn} to move\.")
            press(desktop, "9", r"X wins\. 1 to 0\.")
            said = desktop.said(since)
            for told, times in (("X to move.", 3), ("O to move.", 2), ("X wins", 1)):
                check(said.count(told) == times, f"{told!r} was not said {times} times: {said!r}")

            # Space on the Quit picture starts a game; the program stays.
            focus(desktop, reader, "push button", "Quit", "shift+Tab")
            press(desktop, "space", r"New game\.")
            check(game.process.poll() is None, "Space on Quit ended the game")
            # Enter presses the focused picture.
            focus(desktop, reader, "push button", "New Game", "shift+Tab")
            press(desktop, "Return", r"New game\.")
            print("heard:", " | ".join(desktop.phrases()))
        finally:
            game.close()


def board_by_ear(name):
    """The board and the score on the screen reader's own commands, a square that is
    no button, an answer to each key that would change nothing, the menus' changes
    confirmed, and the news of a new picture set heard once its chooser has closed."""
    with OrcaDesktop(scratch_folder(name)) as desktop:
        game = Game(desktop, SETTINGS)
        try:
            reader = ScreenReader(game)
            focus(desktop, reader, "list", "Board")
            press(desktop, "5", r"Press P to play\.")
            press(desktop, "p", r"New game\.")
            o = reply(desktop, reader, "5")
            # Where am I: the whole position, with the score, in one sentence.
            press(desktop, "KP_Enter", fr"X on 5, O on {o}; free [\d, and]+\. Your move\. "
                  r"Score: X 0, O 0, no winner 0\.")
            # A square is an item of the board, read by its place: nothing to press with Space.
            # The first free square of the top row, which the computer's reply may have taken.
            cell = "7, top left, empty" if o != 7 else "8, top middle, empty"
            since = len(desktop.phrases())
            focus(desktop, reader, "list item", cell)
            desktop.hear(re.escape(cell), since)
            check("button" not in desktop.said(since), f"a square is called a button: "
                  f"{desktop.said(since)!r}")
            press(desktop, "Up", r"Board edge\.")
            press(desktop, "alt+d", r"Easy")
            press(desktop, "h", r"Level Hard\.")
            # A new picture set stops the game: heard once the window is back.
            press(desktop, "alt+o", r"Graphics")
            press(desktop, "g", r"dialog")
            since = len(desktop.phrases())
            desktop.key("Down")
            time.sleep(1)
            press(desktop, "Return", r"Game stopped\.")
            print("heard:", " | ".join(desktop.phrases()))
        finally:
            game.close()


PACE = 0.35


def begun(desktop):
    """(time, phrase) of each phrase the voice has begun to say."""
    if not os.path.exists(desktop.spoken + ".begun"):
        return []
    with open(desktop.spoken + ".begun") as lines:
        return [(float(t), p.strip()) for t, _, p in (line.partition(" ") for line in lines)]


def quiet(desktop):
    """Waits until the voice has said all it began and nothing follows for a second."""
    while True:
        said = begun(desktop)
        end = max((t + len(p.split()) * PACE for t, p in said), default=0)
        if time.time() > end + 1.0 and len(begun(desktop)) == len(said):
            return
        time.sleep(0.1)


def played_at_pace(name):
    """Played by ear at a quick pace, the voice taking 0.35 s a word and the keys
    echoed: each arrow or Tab names the square it comes to first, also on entering a
    row, in at most six words; each reply's square is heard when the next key comes
    1.2 s after its news began, and the outcome when the next key comes 2 s after the
    last move (whether its score is heard by then is printed, not checked)."""
    with OrcaDesktop(scratch_folder(name), pace=PACE) as desktop:
        game = Game(desktop, SETTINGS)
        try:
            reader = ScreenReader(game)
            focus(desktop, reader, role(reader.board), "Board")
            press(desktop, "p", r"New game\.")
            for key, square in (("Up", 5), ("Up", 8), ("Right", 9), ("Down", 6), ("Down", 3),
                                ("Left", 2), ("Up", 5), ("Up", 8), ("Tab", 9), ("Tab", 4)):
                quiet(desktop)
                since = len(desktop.phrases())
                desktop.key(key)
                desktop.hear(fr"\b{square}, (top|middle|bottom|centre)", since)
                quiet(desktop)
                said = desktop.said(since)
                print(f"MEASURE {key} to {square}: {len(said.split())} words: {said!r}")
                first = re.search(r"(\d), (top|middle|bottom|centre)", said).group(1)
                check(len(said.split()) <= 6 and first == str(square),
                      f"{key} to square {square} said {said!r}")
            for _ in range(2):
                quiet(desktop)
                press(desktop, "p", r"New game\.")
                while not reader.outcome().endswith(("wins", "winner")):
                    square = next(s for s in READING_ORDER if not reader.marks()[s])
                    before, since, heard = reader.marks(), time.time(), len(desktop.phrases())
                    desktop.key(str(square))
                    wait("the move", lambda: reader.marks() != before)
                    time.sleep(0.3)
                    if reader.outcome().endswith(("wins", "winner")):
                        time.sleep(max(0.0, since + 2.0 - time.time()))
                        told = re.escape(reader.outcome()) + r"\."
                        whole = told + r" \d to \d\."
                    else:
                        o = next(s for s, m in reader.marks().items() if m == "O" and not before[s])
                        start = wait("the reply", lambda: next(
                            (t for t, p in begun(desktop) if t > since and p.startswith("O ")), None))
                        time.sleep(max(0.0, start + 1.2 - time.time()))
                        told = whole = fr"\bO {o}\."
                    said = desktop.said(heard)
                    desktop.key("Escape")
                    print(f"MEASURE heard {said!r}, {whole!r} whole: {bool(re.search(whole, said))}")
                    check(re.search(told, said), f"{told!r} was cut before its end: {said!r}")
            print("begun:", " | ".join(f"{t:.2f} {p}" for t, p in begun(desktop)))
        finally:
            game.close()


if __name__ == "__main__":
    sys.exit(run_cases({f.__name__: f for f in (spoken_by_ear, board_by_ear, played_at_pace)}))
