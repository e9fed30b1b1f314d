# SPDX-License-Identifier: GPL-3.0-or-later
"""The ways out of the installed game, each on a desktop of its own:
python3 exits.py CASE, where CASE is one of the functions named at the bottom."""

import os
import signal
import subprocess
import sys
import time

from desktop import (DEFAULT_SETTINGS, PREFIX, RATE, SOUNDS_OFF, Desktop, Game, Skip, audible_span,
                     check, describe, identify, no_core_dump, player_environment, private_folder,
                     read_cue, run_cases, scratch_folder, wait_for)

END_CUES = ("end1.wav", "end2.wav", "end3.wav")


def leave_by_menu(game):
    game.menu("f", "x")  # File > Exit


def leave_by_quit_button(game):
    left, top = game.play_area_origin()
    game.click(left + 51, top + 25)  # the red picture beside New Game


def leave_by_close_box(game):
    # The window manager's close request, as its close box sends it.
    game.desktop.x("wmctrl", "-i", "-c", hex(game.window))


def recorded_through(desktop, moment):
    """Waits until the recording holds what was played up to moment (monotonic)."""
    wait_for("the recording to catch up", lambda: desktop.recorder.count() > 0 and
             desktop.recorder.time_of(desktop.recorder.count() - 1) > moment)
    return desktop.recorder.samples()


def exit_holds_farewell(name):
    """Exit, the Quit button and the close box save the settings, play a whole end
    cue and end the process 3 s (or a little more) after the cue starts."""
    with Desktop(scratch_folder(name)) as desktop:
        for way, leave in (("File > Exit", leave_by_menu), ("Quit button", leave_by_quit_button),
                           ("close box", leave_by_close_box)):
            game = Game(desktop)
            try:
                desktop.recorder.wait_quiet(game.mark)  # the start cue
                mark = desktop.recorder.count()
                leave(game)
                check(game.wait_end(15), f"{way}: the game still runs 15 s later")
                samples = recorded_through(desktop, game.ended_at + 0.3)
                heard = audible_span(samples, mark)
                check(heard, f"{way}: no end cue was heard")
                lived = game.ended_at - desktop.recorder.time_of(heard[0])
                mismatch, cue = identify(samples, heard[0], END_CUES)
                in_file = audible_span(read_cue(cue))
                played = (in_file[1] - in_file[0] + 1) / RATE
                length = (heard[1] - heard[0] + 1) / RATE
                print(f"{way}: {cue} (opening mismatch {mismatch:.2f}) sounds {played:.3f} s, "
                      f"heard {length:.3f} s; the game ended {lived:.3f} s after the cue was "
                      f"first heard, status {game.process.returncode}")
                check(mismatch < 0.25, f"{way}: what was heard is none of the end cues")
                check(length >= played - 0.05, f"{way}: the end cue was cut off")
                # A cue starts a little before it is heard (its quiet first moments).
                check(2.9 <= lived <= 4.5, f"{way}: the game did not end 3 s (or a little "
                      "more) after the end cue started")
                check(game.process.returncode == 0, f"{way}: exit status is not 0")
                check(game.options() == DEFAULT_SETTINGS,
                      f"{way}: options.ttt holds {game.options()!r}")
            finally:
                game.close()


def exit_without_sounds_ends_at_once(name):
    """With sounds off there is no farewell: Exit ends the game within 1 s."""
    with Desktop(scratch_folder(name)) as desktop:
        game = Game(desktop, SOUNDS_OFF)
        try:
            asked = time.monotonic()
            leave_by_menu(game)
            check(game.wait_end(15), "the game still runs 15 s after File > Exit")
            print(f"ended {game.ended_at - asked:.3f} s after File > Exit was asked for, "
                  f"status {game.process.returncode}")
            check(game.ended_at - asked <= 1.0, "the game did not end within 1 s")
            check(game.process.returncode == 0, "exit status is not 0")
            check(game.options() == SOUNDS_OFF, f"options.ttt holds {game.options()!r}")
        finally:
            game.close()


def quit_key_leaves_everything(name):
    """"S" ends the game at once: no end cue, and the files stay exactly as start-up
    left them, even after a level was chosen."""
    saved = b"4,2,2,1,1,1,34\r\n"
    with Desktop(scratch_folder(name)) as desktop:
        game = Game(desktop, saved)
        try:
            desktop.recorder.wait_quiet(game.mark)  # the start cue
            chosen = desktop.recorder.count()
            game.menu("d", "e")  # Difficulty > Easy
            desktop.recorder.wait_quiet(chosen)  # the new level's cue
            before = game.files()
            check(before.get("options.ttt") == saved + DEFAULT_SETTINGS,
                  f"start-up left options.ttt as {before.get('options.ttt')!r}")
            mark = desktop.recorder.count()
            pressed = time.monotonic()
            desktop.key("s")
            check(game.wait_end(15), "the game still runs 15 s after S")
            samples = recorded_through(desktop, game.ended_at + 0.5)
            heard = audible_span(samples, mark)
            print(f"ended {game.ended_at - pressed:.3f} s after S, status "
                  f"{game.process.returncode}; heard after S: {describe(samples, heard)}")
            check(game.ended_at - pressed <= 1.0, "the game did not end within 1 s")
            check(game.files() == before, f"S changed the files: {game.files()!r}")
            check(heard is None, "a cue was heard after S")
        finally:
            game.close()


def exit_with_stalled_sound_server(name):
    """A sound server that stops answering in the middle of a cue holds up neither
    the saving nor the end: Exit ends within the hold plus 1 s."""
    with Desktop(scratch_folder(name)) as desktop:
        game = Game(desktop)
        try:
            desktop.recorder.wait_heard(game.mark)  # the start cue is playing
            desktop.stop_sound_server()
            asked = time.monotonic()
            leave_by_menu(game)
            ended = game.wait_end(6)
            desktop.resume_sound_server()
            check(ended, "the game still runs 6 s after File > Exit")
            print(f"ended {game.ended_at - asked:.3f} s after File > Exit, "
                  f"status {game.process.returncode}")
            check(game.ended_at - asked <= 4.5, "the game did not end within 4.5 s")
            check(game.options() == DEFAULT_SETTINGS, f"options.ttt holds {game.options()!r}")
        finally:
            desktop.resume_sound_server()
            game.close()


def session_end_saves(name):
    """SIGTERM, SIGINT and SIGHUP (a desktop session ending) save the settings,
    a level chosen during the session included, and end without the farewell hold."""
    with Desktop(scratch_folder(name)) as desktop:
        for sent in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            game = Game(desktop)
            try:
                desktop.recorder.wait_quiet(game.mark)
                game.menu("d", "e")  # Difficulty > Easy
                sent_at = time.monotonic()
                game.process.send_signal(sent)
                check(game.wait_end(15), f"{sent.name}: the game still runs 15 s later")
                print(f"{sent.name}: ended {game.ended_at - sent_at:.3f} s later, status "
                      f"{game.process.returncode}")
                check(game.ended_at - sent_at <= 2.0, f"{sent.name}: the game took over 2 s")
                check(game.process.returncode == 0, f"{sent.name}: status {game.process.returncode}")
                check(game.options() == b"1,1,1,0,1,0,16\r\n",
                      f"{sent.name}: options.ttt holds {game.options()!r}")
            finally:
                game.close()


def second_session_end_is_ignored(name):
    """A second SIGTERM 0 to 10 ms after the first, as a session manager may send it,
    changes nothing: every run saves and ends with status 0, never killed by it."""
    with Desktop(scratch_folder(name)) as desktop:
        for run in range(20):
            game = Game(desktop, settings=SOUNDS_OFF)
            try:
                game.process.send_signal(signal.SIGTERM)
                time.sleep(run / 2000)  # 0 to 9.5 ms
                game.process.send_signal(signal.SIGTERM)
                check(game.wait_end(15), f"run {run}: the game still runs 15 s later")
                check(game.process.returncode == 0,
                      f"run {run}: status {game.process.returncode} after two SIGTERMs")
                check(game.options() == SOUNDS_OFF, f"run {run}: options.ttt holds "
                      f"{game.options()!r}")
            finally:
                game.close()
        print("20 runs with two SIGTERMs 0-10 ms apart: all saved, all status 0")


def session_end_during_exit_warning(name):
    """A SIGTERM while Exit's warning that the settings could not be saved waits for
    an answer ends the game within 1 s, saying on standard error what was not saved."""
    with Desktop(scratch_folder(name)) as desktop:
        game = Game(desktop)
        try:
            os.remove(game.options_path())
            os.mkdir(game.options_path())  # nothing can be saved under that name now
            leave_by_menu(game)
            wait_for("Exit's warning", lambda: len(game.windows()) == 2)
            sent_at = time.monotonic()
            game.process.send_signal(signal.SIGTERM)
            check(game.wait_end(15), "the game still runs 15 s after SIGTERM")
            said = game.stderr_text()
            print(f"ended {game.ended_at - sent_at:.3f} s after SIGTERM, status "
                  f"{game.process.returncode}, saying {said!r}")
            check(game.ended_at - sent_at <= 1.0, "the game did not end within 1 s")
            check("could not be saved" in said, "standard error does not say so")
        finally:
            game.close()


def display_loss_saves(name):
    """When the X server dies, a level chosen in the session is saved as at a
    session end before the game ends."""
    with Desktop(scratch_folder(name)) as desktop:
        game = Game(desktop, SOUNDS_OFF)
        try:
            game.menu("d", "e")  # Difficulty > Easy
            lost_at = time.monotonic()
            desktop.kill_x()
            check(game.wait_end(15), "the game still runs 15 s after the X server died")
            print(f"ended {game.ended_at - lost_at:.3f} s after the X server died, status "
                  f"{game.process.returncode}: {game.stderr_text()!r}")
            check(game.options() == b"1,1,1,0,0,0,16\r\n", f"options.ttt holds {game.options()!r}")
        finally:
            game.close()


def user_saves_after_root_run(name):
    """After a run as root left root's options.ttt in a player's folder, the player's
    own run saves there: the file becomes the player's."""
    if os.geteuid() != 0:
        raise Skip("only root can run the game as root and then as another user")
    nobody = 65534
    with Desktop(scratch_folder(name)) as desktop:
        for user in (None, nobody):
            game = Game(desktop, SOUNDS_OFF if user is None else None, user)
            try:
                os.chown(game.cwd, nobody, nobody)
                if user:
                    game.menu("d", "e")  # Difficulty > Easy
                leave_by_menu(game)
                check(game.wait_end(15), "the game still runs 15 s after File > Exit")
            finally:
                game.close()
            owner = os.stat(game.options_path()).st_uid
            print(f"run as {user or 'root'}: options.ttt holds {game.options()!r}, owner {owner}")
        check(owner == nobody, "options.ttt is not the player's")
        check(game.options() == b"1,1,1,0,0,0,16\r\n", "the player's run did not save")


def unwritable_output_fails(name):
    """Help, version and the lab's tables to a full disk or a closed output: status 1
    and one line on standard error."""
    scratch_folder(name)
    for program, argument in (("tictactoe", "--help"), ("tictactoe", "--version"),
                              ("tictactoe-lab", "--help"), ("tictactoe-lab", "strength")):
        for where, target in (("/dev/full", "/dev/full"), ("closed output", None)):
            with open(target or os.devnull, "wb") as output:
                done = subprocess.run(
                    [os.path.join(PREFIX, "bin", program), argument], stdout=output,
                    stderr=subprocess.PIPE, text=True, timeout=60, check=False,
                    preexec_fn=None if target else lambda: os.close(1))
            print(f"{program} {argument} to {where}: status {done.returncode}, "
                  f"{done.stderr!r}")
            check(done.returncode == 1 and done.stderr.count("\n") == 1,
                  f"{program} {argument} to {where}: not status 1 with one line")


def no_display_one_line(name):
    """A display or platform that cannot start is named in one line, status 1."""
    folder = scratch_folder(name)
    home = os.path.join(folder, "home")
    os.makedirs(home)
    runtime = private_folder(os.path.join(folder, "runtime"))
    for case, variables, cause in (
            ("DISPLAY unset", {}, "no display"),
            ("DISPLAY=:99999", {"DISPLAY": ":99999"}, ":99999"),
            ("unknown platform", {"QT_QPA_PLATFORM": "bogus"}, "unknown platform"),
            ("no compositor", {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "none"},
             "Wayland compositor"),
            ("no framebuffer", {"QT_QPA_PLATFORM": "linuxfb:fb=/nonexistent"}, "framebuffer")):
        try:
            done = subprocess.run([os.path.join(PREFIX, "bin", "tictactoe")], cwd=folder,
                                  env=player_environment(home, runtime, **variables),
                                  stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.PIPE, text=True, timeout=30,
                                  preexec_fn=no_core_dump, check=False)
        except subprocess.TimeoutExpired:
            check(False, f"{case}: the game still runs 30 s later")
        lines = done.stderr.rstrip("\n").split("\n")
        print(f"{case}: status {done.returncode}, error output {done.stderr!r}")
        check(done.returncode == 1, f"{case}: exit status is not 1")
        check(len(lines) == 1 and cause in lines[0], f"{case}: not one line naming the cause")


if __name__ == "__main__":
    sys.exit(run_cases({f.__name__: f for f in (
        exit_holds_farewell, exit_without_sounds_ends_at_once, quit_key_leaves_everything,
        exit_with_stalled_sound_server, session_end_saves, second_session_end_is_ignored,
        session_end_during_exit_warning,
        display_loss_saves, user_saves_after_root_run, unwritable_output_fails,
        no_display_one_line)}))
