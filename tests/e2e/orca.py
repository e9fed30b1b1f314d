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
# A square's name as the screen reader says it: "6, middle right, empty".
SQUARE = r"(?:Square )?(\d), (?:top|middle|bottom|centre)"


def begun(desktop):
    """(time, phrase) of each phrase the voice has begun to say."""
    try:
        with open(desktop.spoken + ".begun") as lines:
            return [(float(t), p) for t, _, p in (line.rstrip("\n").partition(" ") for line in lines)]
    except FileNotFoundError:
        return []


def quiet(desktop):
    """Waits until the voice has said all it began and nothing follows for a second."""
    while True:
        said = begun(desktop)
        end = max((t + len(p.split()) * PACE for t, p in said), default=0)
        if time.time() > end + 1.0 and len(begun(desktop)) == len(said):
            return
        time.sleep(0.1)


def after_key(desktop, key):
    """Everything the screen reader says, heard whole, between key and quiet."""
    quiet(desktop)
    since, sent = len(desktop.phrases()), time.time()
    desktop.key(key)
    try:
        first_begun(desktop, sent, timeout=5.0)
    except Failure:  # nothing said
        pass
    quiet(desktop)
    return desktop.said(since)


def first_begun(desktop, after, skip=(), timeout=PATIENCE):
    """(time, phrase) of the first phrase begun after a time that is not in skip."""
    return wait("the screen reader to speak", lambda: next(
        ((t, p) for t, p in begun(desktop) if t > after and p.strip() not in skip), None),
        timeout)


def played_at_pace(name):
    """Played by ear at a quick pace, the voice taking 0.35 s a word and the keys
    echoed: a square in a few words on each arrow or Tab, the focused square named
    first on entering a row, the menus' changes said within a second, each reply's
    square heard when the next key comes 1.2 s after its news began, and the outcome
    with its score heard when the next key comes 2 s after the last move."""
    with OrcaDesktop(scratch_folder(name), pace=PACE) as desktop:
        game = Game(desktop, SETTINGS)
        try:
            reader = ScreenReader(game)
            focus(desktop, reader, role(reader.board), "Board")
            press(desktop, "p", r"New game\.")
            moves = []
            for key, square in (("Up", 5), ("Up", 8), ("Right", 9), ("Down", 6), ("Down", 3),
                                ("Left", 2), ("Up", 5), ("Up", 8), ("Tab", 9), ("Tab", 4)):
                said = after_key(desktop, key)
                named = re.search(SQUARE, said)
                moves.append((key, square, len(said.split()), named and int(named.group(1))))
                print(f"{key} to {square}: {len(said.split())} words: {said!r}")
            delays = []
            for menu, item, told in (("alt+d", "h", "Level Hard."), ("alt+d", "e", "Level Easy."),
                                     ("alt+o", "s", "Sounds on."), ("alt+o", "s", "Sounds off.")):
                quiet(desktop)
                # The modifier held apart from the letter, so that its echo cannot part them.
                since = len(desktop.phrases())
                desktop.x("xdotool", "keydown", "alt", "sleep", "0.3", "key", menu[-1], "sleep",
                          "0.3", "keyup", "alt")
                desktop.hear(r"Easy|Graphics", since)
                since = time.time()
                desktop.key(item)
                delays.append((told, wait(told, lambda: next((t for t, p in begun(desktop)
                                                              if t > since and told in p), None),
                                          PATIENCE) - since))
            replies, outcomes = [], []
            while len(outcomes) < 2:
                quiet(desktop)
                press(desktop, "p", r"New game\.")
                while not reader.outcome().endswith(("wins", "winner")):
                    square = next(s for s in READING_ORDER if not reader.marks()[s])
                    before = reader.marks()
                    since, heard = time.time(), len(desktop.phrases())
                    desktop.key(str(square))
                    wait("the move", lambda: reader.marks() != before)
                    time.sleep(0.3)
                    ended = reader.outcome().endswith(("wins", "winner"))
                    o = [s for s, mark in reader.marks().items() if mark == "O" and not before[s]]
                    if ended:
                        time.sleep(max(0.0, since + 2.0 - time.time()))
                    else:
                        start = first_begun(desktop, since, (str(square),))[0]
                        time.sleep(max(0.0, start + 1.2 - time.time()))
                    said = " ".join(desktop.phrases()[heard:])
                    desktop.key("Escape")
                    if ended:
                        outcomes.append((reader.outcome(), said))
                    elif o:
                        replies.append((o[0], said))
            print("heard:", " | ".join(desktop.phrases()))
            print("begun:", " | ".join(f"{t:.2f} {p}" for t, p in begun(desktop)))
            for key, square, words, named in moves:
                print(f"MEASURE arrow {key} to {square}: {words} words, first named {named}")
            for told, delay in delays:
                print(f"MEASURE confirmation {told!r} begun {delay:.2f} s after the key")
            replies = [(s, said, re.search(r"\bO %d\." % s, said)) for s, said in replies]
            # The outcome is heard; its score, a sentence later, not yet at 2 s.
            outcomes = [(o, said, re.search(re.escape(o) + r"\.", said)) for o, said in outcomes]
            for told, said, heard in replies + outcomes:
                print(f"MEASURE {told} heard {heard is not None}: {said!r}")
            check(all(words <= 7 and named == square for _, square, words, named in moves),
                  "a square was said in more than 7 words, or another first")
            check(all(heard for *_, heard in replies + outcomes), "news was cut before its end")
        finally:
            game.close()


if __name__ == "__main__":
    sys.exit(run_cases({f.__name__: f for f in (spoken_by_ear, board_by_ear, played_at_pace)}))
