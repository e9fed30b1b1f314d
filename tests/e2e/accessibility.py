# SPDX-License-Identifier: GPL-3.0-or-later
"""The installed game as a screen reader sees it, through AT-SPI, the interface
screen readers use on Linux: python3 accessibility.py CASE.

Each case builds the usual desktop (desktop.py) plus a private session bus, on
which the desktop's accessibility bus is started as on a player's desktop, and
starts the game with Qt's accessibility bridge on. Everything the test does to
the game and reads from it goes through AT-SPI: it finds controls by role and
name, presses them by their actions and listens to what the game announces. No
X events are sent. Without an accessibility bus the case exits 77 (skipped)."""

import os
import re
import subprocess
import sys
import time
import warnings

from desktop import Desktop, Failure, Game, Skip, check, run_cases, scratch_folder, stop

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
except (ImportError, ValueError) as missing:
    Atspi = None
    MISSING = str(missing)

# Debian 12's bindings mark the action's name getter deprecated and offer no other.
warnings.filterwarnings("ignore", r"Atspi\.Action\.get_action_name is deprecated")

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
NO_RESULT = "No result yet"
OUTCOMES = ("X wins", "O wins", "No winner")
IDLE = "Press P to play."
# Squares in reading order: top row first, as Tab visits them.
READING_ORDER = (7, 8, 9, 4, 5, 6, 1, 2, 3)
# The lines in the order the game checks and names them.
LINES = ((7, 8, 9), (4, 5, 6), (1, 2, 3), (7, 4, 1), (8, 5, 2), (9, 6, 3), (1, 5, 9), (3, 5, 7))
PLACES = {7: "top left", 8: "top middle", 9: "top right", 4: "middle left", 5: "centre",
          6: "middle right", 1: "bottom left", 2: "bottom middle", 3: "bottom right"}


class ScreenReaderDesktop(Desktop):
    """The desktop with a session bus whose accessibility bus the game and the
    test share, as a screen reader and the programs it reads do."""

    def __init__(self, folder):
        super().__init__(folder)
        self._session = None
        self.session_address = None

    def __enter__(self):
        if Atspi is None:
            raise Skip(f"no AT-SPI bindings for Python ({MISSING}); "
                       "scripts/install-deps installs gir1.2-atspi-2.0 and python3-gi")
        super().__enter__()
        try:
            self._start_session_bus()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *details):
        if self._session:
            # The accessibility bus and its registry end with the session bus.
            stop(self._session)
            self._session.stdout.close()
        super().__exit__(*details)

    def _start_session_bus(self):
        if not os.path.exists(BUS_LAUNCHER):
            raise Skip(f"{BUS_LAUNCHER} is missing (scripts/install-deps installs at-spi2-core)")
        try:
            self._session = subprocess.Popen(
                ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1",
                 f"--address=unix:path={os.path.join(self.runtime, 'bus')}"],
                env=super().env(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        except OSError as error:
            raise Skip(f"no session bus: {error}")
        self.session_address = self._session.stdout.readline().strip()
        if not self.session_address:
            raise Skip("dbus-daemon did not start a session bus")
        # Asking for the accessibility bus starts it, as a screen reader's first
        # question does on a desktop.
        asked = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--reply-timeout=20000",
             "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
            env=self.env(), stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
            timeout=30, check=False)
        if asked.returncode != 0 or "unix:" not in asked.stdout:
            raise Skip("no accessibility bus: " + " ".join(asked.stdout.split()))
        # The test reads the game as a screen reader on this desktop would, never
        # through a bus of the desktop the tests were started from.
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.session_address
        os.environ["DISPLAY"] = self.display
        Atspi.init()

    def env(self, **extra):
        if self.session_address:
            extra = {"DBUS_SESSION_BUS_ADDRESS": self.session_address,
                     "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", **extra}
        return super().env(**extra)


# --- Reading the game through AT-SPI ---------------------------------------------


def pump():
    """Hands AT-SPI's waiting messages, events among them, to their listeners."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait(what, predicate, timeout=30.0):
    """Polls predicate, listening meanwhile, until it gives something true."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = predicate()
        except GLib.Error:  # an object that went away while it was read
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"gave up after {timeout:.0f} s waiting for {what}")
        time.sleep(0.05)


def role(node):
    return node.get_role_name()


def children(node):
    return [child for child in (node.get_child_at_index(i) for i in range(node.get_child_count()))
            if child is not None]


def descendants(node):
    found = []
    for child in children(node):
        found.append(child)
        found.extend(descendants(child))
    return found


def has_state(node, state):
    return node.get_state_set().contains(state)


def action_names(node):
    if "Action" not in node.get_interfaces():
        return []
    return [Atspi.Action.get_action_name(node, i)
            for i in range(Atspi.Action.get_n_actions(node))]


def find(root, wanted_role, name):
    """The one control below root of this role and name, or None."""
    matches = [node for node in descendants(root)
               if role(node) == wanted_role and node.get_name() == name]
    check(len(matches) <= 1, f"{len(matches)} controls are a {wanted_role} named {name!r}")
    return matches[0] if matches else None


def press(node):
    """Does the node's press action, as a screen reader's "click" does."""
    offered = action_names(node)
    check("Press" in offered, f"{role(node)} {node.get_name()!r} offers no press action, "
          f"only {offered}")
    Atspi.Action.do_action(node, offered.index("Press"))


class Listener:
    """Keeps every name change and state change the game announces."""

    def __init__(self):
        self.events = []
        self._listener = Atspi.EventListener.new(self._heard)
        for kind in ("object:property-change:accessible-name", "object:state-changed"):
            self._listener.register(kind)

    def _heard(self, event):
        self.events.append((event.type, event.source, event.detail1, self._text(event)))

    @staticmethod
    def _text(event):
        """The text a screen reader speaks for a rename or a notification: the
        event's own, or, where the event carries its object instead (as Qt 6.4
        sends them), that object's name as the event arrives."""
        if isinstance(event.any_data, str):
            return event.any_data
        if not event.type.startswith(("object:property-change:accessible-name",
                                      "object:state-changed:showing")):
            return None
        try:
            if event.type.startswith("object:state-changed:showing") and (
                    not event.detail1 or role(event.source) != "notification"):
                return None
            return event.source.get_name()
        except GLib.Error:  # gone already
            return None

    def renamed(self, since):
        """The objects announced as renamed from event number since on, each with
        the name the event told."""
        return [(source, text) for kind, source, _, text in self.events[since:]
                if kind == "object:property-change:accessible-name"]

    def notices(self, since):
        """The texts of the notifications shown from event number since on."""
        return [text for kind, _, _, text in self.events[since:]
                if kind == "object:state-changed:showing" and text is not None]

    def changed(self, since, state):
        """The objects announced with state switched on (1) or off (0), from event
        number since on."""
        return [(source, value) for kind, source, value, _ in self.events[since:]
                if kind == f"object:state-changed:{state}"]


class ScreenReader:
    """The game's application as AT-SPI shows it."""

    def __init__(self, game):
        self.game = game
        self.listener = Listener()  # before the game starts, so it knows it is heard
        self.app = wait("the game on the accessibility bus", self._find_app)
        # Every read asks the game, so what is read is what the game says now.
        self.app.set_cache_mask(Atspi.Cache.NONE)
        self.main = wait("the main window", lambda: next(
            (w for w in children(self.app) if role(w) == "frame"), None))
        # The board is a list whose items are the squares.
        self.board = wait("the board", lambda: find(self.main, "list", "Board"))
        self.squares = {}
        for node in children(self.board):
            check(role(node) == "list item", f"{node.get_name()!r} on the board is a "
                  f"{role(node)}, not a list item")
            self.squares[int(node.get_name().split(",")[0].split()[-1])] = node
        check(sorted(self.squares) == list(range(1, 10)), "the board does not hold squares 1-9: "
              f"{sorted(self.squares)}")
        self.result = next(node for node in descendants(self.main) if role(node) == "image" and
                           node.get_name() in (NO_RESULT,) + OUTCOMES)

    def _find_app(self):
        desktop = Atspi.get_desktop(0)
        return next((app for app in children(desktop)
                     if app.get_process_id() == self.game.process.pid), None)

    def settle(self):
        """Hears every announcement the game has made so far: the game sends them
        in order, so once the answer to a question asked now is back, everything
        it announced before that is here too."""
        self.main.get_name()
        pump()

    def board_names(self):
        return {square: node.get_name() for square, node in self.squares.items()}

    def marks(self):
        """Each square's mark as its name says it: X, O or '' for empty."""
        marks = {}
        for square, name in self.board_names().items():
            number, place, mark = (part.strip() for part in name.split(","))
            check(number == str(square) and place, f"a square is named {name!r}")
            check(mark in ("X", "O", "empty"), f"{name!r} names no mark")
            marks[square] = "" if mark == "empty" else mark
        return marks

    def outcome(self):
        return self.result.get_name()

    def check_status(self, expected):
        """The board's description is the whole position: the marks as the squares'
        names show them, then the status line, or the outcome once a game ends."""
        position = told_position(self.marks())
        wait(f"the board to say {position!r} and {expected!r}", lambda: (
            self.board.get_description().startswith(position) and
            expected in self.board.get_description()))

    def menu_item(self, name):
        item = find(self.main, "menu item", name)
        check(item is not None, f"no menu item {name!r}")
        return item

    def choose(self, name):
        """Picks a checkable menu item and waits for its check mark."""
        item = self.menu_item(name)
        press(item)
        wait(f"{name!r} to be checked", lambda: has_state(item, Atspi.StateType.CHECKED))

    def start_game(self):
        press(find(self.main, "push button", "New Game"))
        wait("the game to start", lambda: not find(self.main, "label", "Start a new game"))
        check(self.outcome() == NO_RESULT, f"a new game's outcome reads {self.outcome()!r}")
        check(all(not mark for mark in self.marks().values()), "a new game's board is not empty")

    def play(self, square, done, told):
        """Presses a square and waits until done(marks) holds for the board; checks
        that exactly the squares whose names changed were announced, each once and
        by its new name, and that one notification told what told(marks) expects.
        Returns the squares that changed."""
        self.settle()
        before = self.board_names()
        before_marks = self.marks()
        since = len(self.listener.events)
        press(self.squares[square])
        wait(f"the board after square {square}", lambda: done(self.marks()))
        self.settle()
        after = self.board_names()
        changed = sorted(s for s in after if after[s] != before[s])
        heard = self.listener.renamed(since)
        for s, node in self.squares.items():
            texts = [text for source, text in heard if source == node]
            check(texts == ([after[s]] if s in changed else []), f"after square {square}, "
                  f"square {s} was announced renamed as {texts}; its name went from "
                  f"{before[s]!r} to {after[s]!r}")
        notices = self.listener.notices(since)
        expected = told(before_marks, self.marks())
        # An outcome goes on with the score, which the frame reads too.
        check(len(notices) == 1 and re.fullmatch(re.escape(expected) + r"( \d to \d\.)?",
                                                   notices[0]),
              f"after square {square} the notifications told {notices}, not {expected!r}")
        return changed

    def open_window(self, menu_name):
        """Picks the menu item and returns the window it opens."""
        before = children(self.app)
        press(self.menu_item(menu_name))
        return wait(f"the window of {menu_name!r}", lambda: next(
            (w for w in children(self.app) if w not in before and
             has_state(w, Atspi.StateType.SHOWING)), None))

    def close_window(self, window, button):
        node = find(window, "push button", button)
        check(node is not None, f"{window.get_name()!r} has no button {button!r}")
        press(node)
        # About is only hidden, the others go; either way it leaves the screen.
        wait(f"{window.get_name()!r} to close", lambda: window not in children(self.app) or
             not has_state(window, Atspi.StateType.SHOWING))


def told_one_player(before, marks):
    """The notification after a move against the computer: its reply, and the
    outcome once the game is over."""
    reply = [f"O {s}. {PLACES[s]}." for s in marks if marks[s] == "O" and not before[s]]
    return told_outcome(marks) or " ".join(reply)


def told_two_players(marks, mover, square):
    return told_outcome(marks) or f"{mover} {square}. {'O' if mover == 'X' else 'X'} to move."


def listed(squares):
    """Squares as a sentence lists them: "7", "1 and 5", "1, 5 and 9"."""
    words = [str(s) for s in squares]
    return words[0] if len(words) == 1 else ", ".join(words[:-1]) + " and " + words[-1]


def told_position(marks):
    """The start of the board's description: where the marks are and what is free."""
    placed = [f"{mark} on {listed([s for s in range(1, 10) if marks[s] == mark])}"
              for mark in "XO" if mark in marks.values()]
    free = [s for s in range(1, 10) if not marks[s]]
    if not placed:
        return "Board empty."
    return ", ".join(placed) + (f"; free {listed(free)}." if free else ".")


def told_outcome(marks):
    outcome = outcome_of(marks)
    return "" if outcome == NO_RESULT else f"{outcome}."


def outcome_of(marks):
    for line in LINES:
        if marks[line[0]] and all(marks[s] == marks[line[0]] for s in line):
            return f"{marks[line[0]]} wins"
    return "No winner" if all(marks.values()) else NO_RESULT


# --- The cases -------------------------------------------------------------------


def play_whole_games(name):
    """A blind player's games: the level and the number of players chosen in the
    menus, every move made by a square's action, every square read back by name,
    every change announced, and the outcome read from the outcome picture."""
    with ScreenReaderDesktop(scratch_folder(name)) as desktop:
        game = Game(desktop)
        try:
            reader = ScreenReader(game)
            check(reader.outcome() == NO_RESULT, f"the outcome reads {reader.outcome()!r}")
            check(not any(reader.marks().values()), "the board is not empty")
            reader.check_status(IDLE)
            for square, node in reader.squares.items():
                check(has_state(node, Atspi.StateType.FOCUSABLE), f"square {square} cannot "
                      "take the focus")
                key = Atspi.Action.get_key_binding(node, action_names(node).index("Press"))
                check(key == str(square), f"square {square} is played by the key {key!r}")

            # One player against Easy, always on the first free square in reading
            # order; the computer's answer is read from the board.
            reader.choose("One Player")
            reader.choose("Easy")
            reader.start_game()
            marks = reader.marks()
            while outcome_of(marks) == NO_RESULT:
                reader.check_status("Your move")
                square = next(s for s in READING_ORDER if not marks[s])

                def answered(now, square=square, free=[s for s in marks if not marks[s]]):
                    # X on the square, and one O on a free square unless that ended it.
                    o_count = sum(1 for s in free if now[s] == "O")
                    return now[square] == "X" and (
                        o_count == 1 or (o_count == 0 and outcome_of(now) != NO_RESULT))

                changed = reader.play(square, answered, told_one_player)
                previous, marks = marks, reader.marks()
                print(f"square {square}: {''.join(marks[s] or '.' for s in READING_ORDER)}")
                check(changed == sorted(s for s in marks if marks[s] != previous[s]),
                      f"squares {changed} were renamed, but the marks changed elsewhere")
            wait("the outcome", lambda: reader.outcome() == outcome_of(marks))
            reader.check_status(outcome_of(marks))
            print(f"one player: {reader.outcome()}")
            totals = {outcome: int(reader.outcome() == outcome) for outcome in OUTCOMES}

            # Two players, both sides pressed here, to each outcome.
            reader.choose("Two Player")
            reader.choose("X Goes First")
            for moves, outcome in (((7, 4, 8, 5, 9), "X wins"),
                                   ((1, 7, 2, 8, 6, 9), "O wins"),
                                   ((1, 5, 9, 2, 8, 7, 3, 6, 4), "No winner")):
                reader.start_game()
                since = len(reader.listener.events)
                marks = {s: "" for s in range(1, 10)}
                for turn, square in enumerate(moves):
                    mover = "XO"[turn % 2]
                    reader.check_status(f"{mover} to move")
                    marks[square] = mover
                    changed = reader.play(
                        square, lambda now, wanted=dict(marks): now == wanted,
                        lambda _, now, m=mover, s=square: told_two_players(now, m, s))
                    check(changed == [square], f"square {square} changed squares {changed}")
                wait(f"{outcome!r}", lambda: reader.outcome() == outcome)
                reader.check_status(outcome)
                reader.settle()
                times = [source for source, _ in reader.listener.renamed(since)].count(
                    reader.result)
                check(times == 1, f"the outcome {outcome!r} was announced {times} times")
                print(f"two players {moves}: {outcome}")
                totals[outcome] += 1
                # The end of a game says the wins of each side, the winner's first.
                x, o = totals["X wins"], totals["O wins"]
                wins = f"{o} to {x}." if outcome == "O wins" else f"{x} to {o}."
                told = reader.listener.notices(since)[-1]
                check(told == f"{outcome}. {wins}", f"the end told {told!r}, not {wins!r}")
            # The score frame reads as one sentence.
            score = "Score: X {}, O {}, no winner {}".format(*(totals[o] for o in OUTCOMES))
            wait(f"the score to read {score!r}", lambda: find(reader.main, "panel", score))
        finally:
            game.close()


def secondary_windows(name):
    """About, Tips and the chooser are dialogs, opened by their menu items and
    closed by their buttons; Tips reads its tips. No control in any window lacks
    a name or a role."""
    with ScreenReaderDesktop(scratch_folder(name)) as desktop:
        game = Game(desktop)
        try:
            reader = ScreenReader(game)
            check_controls(reader.main)
            for item, button in (("About Tic Tac Toe", "Thank you"), ("Tips", "OK"),
                                 ("Graphics", "Cancel")):
                since = len(reader.listener.events)
                window = reader.open_window(item)
                print(f"{item}: {role(window)} {window.get_name()!r}, "
                      f"{window.get_description()!r}")
                check(role(window) == "dialog", f"{item} opens a {role(window)}, not a dialog")
                # The main window takes no input meanwhile, and says so.
                wait(f"the board to be announced unavailable under {item}", lambda: (
                    reader.squares[5], 0) in reader.listener.changed(since, "sensitive"))
                check(not has_state(reader.squares[5], Atspi.StateType.SENSITIVE),
                      f"the board takes moves while {item} is open")
                check(window.get_name(), f"the window of {item!r} has no name")
                if item == "Tips":
                    check("Keys 1 to 9 play the squares" in window.get_description(),
                          "Tips has no tips to read")
                if item == "Graphics":
                    looks = {node.get_description() for node in descendants(window)
                             if role(node) == "radio button"}
                    check(len(looks) == 12 and "" not in looks,
                          f"the twelve sets are described as {looks}")
                check_controls(window)
                reader.close_window(window, button)
                wait(f"the board to take moves after {item}",
                     lambda: has_state(reader.squares[5], Atspi.StateType.SENSITIVE))
                wait(f"the focus back on the board after {item}",
                     lambda: has_state(reader.board, Atspi.StateType.FOCUSED))
        finally:
            game.close()


def check_controls(window):
    """No control a player can reach or press lacks a name or a role."""
    nameless = []
    for node in descendants(window):
        reachable = has_state(node, Atspi.StateType.FOCUSABLE) or action_names(node)
        if reachable and (not node.get_name().strip() or
                          role(node) in ("filler", "unknown", "invalid")):
            nameless.append(f"{role(node)} {node.get_name()!r} {action_names(node)}")
    check(not nameless, f"in {window.get_name()!r}: " + "; ".join(nameless))


if __name__ == "__main__":
    sys.exit(run_cases({f.__name__: f for f in (play_whole_games, secondary_windows)}))
