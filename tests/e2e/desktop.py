# SPDX-License-Identifier: GPL-3.0-or-later
"""A player's desktop for the installed game, built from scratch for each test.

Each test gets a scratch folder of its own under the build tree, an X server
(Xvfb) on a free display with a real window manager (openbox) on it, and a
private sound server with a null sink whose monitor is recorded for the whole
test. The installed game then runs as a separate process in a fresh working
directory with a throwaway HOME, and the test drives it from outside with X
events (xdotool) and reads what a player's desktop would show: the settings
files' bytes, the window tree (xprop, xwininfo, screenshots), the process's life
and exit status, and the recording.

A test that cannot start its X server, window manager or sound server exits 77
(skipped) with the reason; a broken promise exits 1.
"""

import array
import os
import resource
import select
import shutil
import signal
import subprocess
import sys
import threading
import time
import wave

SKIPPED = 77

PREFIX = os.environ.get("TTT_E2E_PREFIX", "")
# The programs' folder: bin/ in the prefix, or /usr/games for the Debian package.
PROGRAMS = os.environ.get("TTT_E2E_PROGRAMS") or os.path.join(PREFIX, "bin")
SCRATCH = os.environ.get("TTT_E2E_SCRATCH", "")
SOUND_SCRIPTS = os.environ.get("TTT_SOUND_SCRIPTS", "")

DEFAULT_SETTINGS = b"3,1,1,0,1,0,16\r\n"
SOUNDS_OFF = b"3,1,1,0,0,0,16\r\n"
RATE = 44100
# Roughly -40 dB below full scale, as in the real-sound tests: far above an idle
# null sink's zeros, far below the cues' speech.
AUDIBLE = 330
TOOLS = ("Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "wmctrl", "import", "parec")


class Skip(Exception):
    """The desktop could not be set up, so nothing could be tested."""


class Failure(Exception):
    """The game broke a promise."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, predicate, timeout=20.0, interval=0.05):
    """Polls until predicate() gives something true and returns it."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"gave up after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


def run_cases(cases):
    """Runs the case named on the command line: exit 0, 1 or 77."""
    name = sys.argv[1] if len(sys.argv) == 2 else ""
    if name not in cases:
        print(f"usage: {sys.argv[0]} {'|'.join(cases)}")
        return 2
    try:
        cases[name](name)
    except Skip as reason:
        print(f"SKIP: {reason}")
        return SKIPPED
    except Failure as reason:
        print(f"FAIL: {reason}")
        return 1
    print("PASS")
    return 0


def scratch_folder(name):
    check(PREFIX and SCRATCH and SOUND_SCRIPTS, "TTT_E2E_PREFIX, TTT_E2E_SCRATCH and "
          "TTT_SOUND_SCRIPTS must be set (the tests run under CTest)")
    folder = os.path.join(SCRATCH, name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    return folder


def stop(process, grace=10):
    """Ends a process we started: asks first, then after grace seconds insists."""
    if process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def private_folder(path):
    os.makedirs(path, mode=0o700, exist_ok=True)
    os.chmod(path, 0o700)
    return path


def no_core_dump():
    resource.setrlimit(resource.RLIMIT_CORE, (0, 0))


def player_environment(home, runtime, **extra):
    """What a desktop session hands a program: nothing of the test runner's Qt set-up."""
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home,
           "XDG_RUNTIME_DIR": runtime, "LANG": "C.UTF-8"}
    env.update(extra)
    return env


# --- Sound ----------------------------------------------------------------------


def audible_span(samples, start=0):
    """First and last sample above the threshold from start on, or None."""
    first = next((i for i in range(start, len(samples)) if abs(samples[i]) > AUDIBLE), None)
    if first is None:
        return None
    last = next(i for i in range(len(samples) - 1, first - 1, -1) if abs(samples[i]) > AUDIBLE)
    return first, last


def read_cue(name):
    """The samples of one of the installed game's sound files (16-bit mono)."""
    path = os.path.join(PREFIX, "share", "tictactoe", "sounds", name)
    with wave.open(path, "rb") as cue:
        check(cue.getsampwidth() == 2 and cue.getnchannels() == 1,
              f"{name} is not 16-bit mono")
        samples = array.array("h", cue.readframes(cue.getnframes()))
    if sys.byteorder != "little":
        samples.byteswap()
    return samples


def loudness(samples, start, windows, width=RATE // 100):
    """Mean level of each 10 ms from start on: a cue's outline, which tells cues
    apart even when a few milliseconds of one were lost on the way."""
    return [sum(abs(v) for v in samples[start + k * width:start + (k + 1) * width]) / width
            for k in range(windows)]


def opening_mismatch(recorded, at, cue, length=60):
    """How unlike the cue's first 0.6 s the recording from sample at is: the
    smallest difference of their outlines over shifts of up to 50 ms, relative to
    the cue's own level (0 for the same sound, about 1 for another one)."""
    cue_outline = loudness(cue, audible_span(cue)[0], length)
    heard = loudness(recorded, max(0, at - 5 * RATE // 100), length + 10)
    return min(sum(abs(heard[shift + k] - cue_outline[k]) for k in range(length))
               for shift in range(11)) / (sum(cue_outline) or 1)


def identify(recorded, at, names=None):
    """The sound file among names (all of the game's) that the recording from
    sample at sounds like, with its mismatch."""
    if names is None:
        names = sorted(os.listdir(os.path.join(PREFIX, "share", "tictactoe", "sounds")))
    return min((opening_mismatch(recorded, at, read_cue(name)), name) for name in names)


def describe(recorded, span):
    """What was heard, for a message: its length and the cue it sounds like."""
    if span is None:
        return "nothing"
    mismatch, name = identify(recorded, span[0])
    return (f"{(span[1] - span[0] + 1) / RATE:.3f} s of sound like {name} "
            f"(mismatch {mismatch:.2f})")


class Recorder:
    """Records the sink's monitor as 16-bit mono samples, and when each arrived.

    The monitor delivers nothing until the first sound plays; from then on the
    null sink keeps delivering zeros between sounds, so the recording runs with
    real time and a sample's index tells when it was played."""

    def __init__(self, env):
        self._process = subprocess.Popen(
            ["parec", "--device=@DEFAULT_MONITOR@", "--raw", "--format=s16le",
             f"--rate={RATE}", "--channels=1", "--latency-msec=20"],
            env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self._data = bytearray()
        self._arrivals = []  # (monotonic time, samples received by then)
        self._lock = threading.Lock()
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()

    def _read(self):
        fd = self._process.stdout.fileno()
        while True:
            chunk = os.read(fd, 8192)
            if not chunk:
                return
            now = time.monotonic()
            with self._lock:
                self._data += chunk
                self._arrivals.append((now, len(self._data) // 2))

    def count(self):
        with self._lock:
            return len(self._data) // 2

    def samples(self):
        with self._lock:
            samples = array.array("h", bytes(self._data[:len(self._data) // 2 * 2]))
        if sys.byteorder != "little":
            samples.byteswap()
        return samples

    def time_of(self, index):
        """When sample index was played, on the monotonic clock."""
        with self._lock:
            for arrived, received in self._arrivals:
                if received > index:
                    return arrived - (received - index) / RATE
        raise Failure(f"sample {index} was never recorded")

    def wait_quiet(self, after, quiet=0.5):
        """Waits until something was heard from sample after on and then nothing
        for quiet seconds."""

        def ended():
            samples = self.samples()
            span = audible_span(samples, after)
            return span and len(samples) - span[1] > quiet * RATE

        wait_for("a cue to be heard and to end", ended, interval=0.1)

    def wait_heard(self, after):
        """Waits until something is heard from sample after on."""
        wait_for("a cue to be heard", lambda: audible_span(self.samples(), after),
                 interval=0.02)

    def stop(self):
        stop(self._process, 5)
        self._reader.join(5)


# --- The desktop ----------------------------------------------------------------


class Desktop:
    """Xvfb with openbox and a private sound server, for one test, in folder, on a
    screen of the size given ("WIDTHxHEIGHT")."""

    def __init__(self, folder, screen="1280x1024"):
        self.folder = folder
        self.screen = screen
        self.home = os.path.join(folder, "home")
        self.runtime = private_folder(os.path.join(folder, "runtime"))
        self.tmp = os.path.join(folder, "tmp")
        os.makedirs(self.home, exist_ok=True)
        os.makedirs(self.tmp, exist_ok=True)
        self.display = None
        self._sound_state = os.path.join(folder, "sound")
        self._xvfb = self._wm = self.recorder = None
        self.sound_address = None
        self.sound_pid = None

    def __enter__(self):
        try:
            missing = [tool for tool in TOOLS if not shutil.which(tool)]
            if missing:
                raise Skip(f"not installed: {' '.join(missing)} "
                           "(scripts/install-deps installs them)")
            self._start_sound()
            self._start_x()
            self._start_wm()
            self.recorder = Recorder(self.env())
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *_):
        if self.recorder:
            self.recorder.stop()
        for process in (self._wm, self._xvfb):
            if process:
                stop(process)
        if self.sound_pid:
            os.kill(self.sound_pid, signal.SIGCONT)
        subprocess.run(["bash", os.path.join(SOUND_SCRIPTS, "stop-server"), self._sound_state],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)

    def _start_sound(self):
        started = subprocess.run(
            ["bash", os.path.join(SOUND_SCRIPTS, "start-server"), self._sound_state],
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, check=False)
        if started.returncode != 0:
            raise Skip(f"no sound server: {started.stdout.strip()}")
        with open(os.path.join(self._sound_state, "address")) as address:
            self.sound_address = address.read().strip()
        with open(os.path.join(self._sound_state, "pid")) as pid:
            self.sound_pid = int(pid.read())

    def _start_x(self):
        # -displayfd: the server picks a free display itself and names it once it
        # accepts clients, so parallel tests never share or race for one.
        reader, writer = os.pipe()
        log = open(os.path.join(self.folder, "xvfb.log"), "wb")
        self._xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(writer), "-screen", "0", self.screen + "x24", "-nolisten",
             "tcp", "-dpi", "96"], pass_fds=(writer,), stdout=log, stderr=log,
            env=player_environment(self.home, self.runtime), preexec_fn=no_core_dump)
        os.close(writer)
        log.close()
        number = b""
        deadline = time.monotonic() + 30
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([reader], [], [], 0.5)
            if ready:
                piece = os.read(reader, 16)
                if not piece:
                    break
                number += piece
        os.close(reader)
        if not number.strip().isdigit():
            raise Skip("Xvfb did not start: " + self._tail("xvfb.log"))
        self.display = ":" + number.decode().strip()

    def _start_wm(self):
        log = open(os.path.join(self.folder, "openbox.log"), "wb")
        self._wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env(), stdout=log,
                                    stderr=log, preexec_fn=no_core_dump)
        log.close()
        deadline = time.monotonic() + 30
        while "window id" not in self.xprop_root("_NET_SUPPORTING_WM_CHECK"):
            if self._wm.poll() is not None or time.monotonic() > deadline:
                raise Skip("openbox did not take the screen: " + self._tail("openbox.log"))
            time.sleep(0.05)

    def _tail(self, name):
        with open(os.path.join(self.folder, name), errors="replace") as log:
            return " ".join(log.read().split("\n")[-4:]).strip() or "(no output)"

    def env(self, **extra):
        # Scratch files of the game and the tools stay in the test's folder.
        values = {"DISPLAY": self.display or "", "PULSE_SERVER": self.sound_address or "",
                  "TMPDIR": self.tmp, "MAGICK_TEMPORARY_PATH": self.tmp}
        values.update(extra)
        return player_environment(self.home, self.runtime, **values)

    # --- X tools ---

    def x(self, *command, check_status=True):
        try:
            done = subprocess.run(command, env=self.env(), stdout=subprocess.PIPE,
                                  stderr=subprocess.PIPE, text=True, timeout=30, check=False)
        except subprocess.TimeoutExpired:
            raise Failure(f"{' '.join(command)} did not finish within 30 s")
        if check_status and done.returncode != 0:
            raise Failure(f"{' '.join(command)} failed: {done.stderr.strip()}")
        return done.stdout if done.returncode == 0 else ""

    def xprop_root(self, name):
        return self.x("xprop", "-root", name, check_status=False)

    def window_list(self, name):
        """A window-list property of the root window, such as _NET_CLIENT_LIST."""
        text = self.xprop_root(name)
        if "#" not in text:
            return []
        return [int(w, 16) for w in text.split("#", 1)[1].replace(",", " ").split()]

    def prop(self, window, name):
        """One property of a window as xprop shows it, '' when missing or gone."""
        text = self.x("xprop", "-id", str(window), name, check_status=False)
        return "" if "not found" in text or "no such" in text else text.strip()

    def geometry(self, window):
        """x, y, width, height of a window on the screen (its inside, not its frame)."""
        info = self.x("xwininfo", "-id", str(window))
        fields = {}
        for line in info.splitlines():
            key, _, value = line.strip().partition(":")
            fields[key] = value.strip()
        return tuple(int(fields[key]) for key in
                     ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def key(self, *keys):
        self.x("xdotool", "key", "--delay", "40", *keys)

    def screenshot(self, window):
        """The window's pixels as (width, height, rgb bytes)."""
        done = subprocess.run(["import", "-window", str(window), "-depth", "8", "ppm:-"],
                              env=self.env(), stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              timeout=30, check=False)
        check(done.returncode == 0, "screenshot failed: " + done.stderr.decode(errors="replace"))
        parts = done.stdout.split(maxsplit=4)
        check(parts[0] == b"P6" and parts[3] == b"255", "screenshot is not 8-bit PPM")
        return int(parts[1]), int(parts[2]), parts[4]

    def kill_x(self):
        """The X server crashes: every client's connection breaks at once."""
        self._xvfb.kill()
        self._xvfb.wait()

    def stop_sound_server(self):
        os.kill(self.sound_pid, signal.SIGSTOP)

    def resume_sound_server(self):
        os.kill(self.sound_pid, signal.SIGCONT)


# --- The game -------------------------------------------------------------------


class Game:
    """The installed game, started in a fresh working directory on the desktop,
    with the environment variables in extra_env added to the desktop's."""

    def __init__(self, desktop, settings=None, user=None, **extra_env):
        """user: a user id to run as, in the working directory the last game left."""
        self.desktop = desktop
        self.cwd = os.path.join(desktop.folder, "cwd")
        if user is None:
            shutil.rmtree(self.cwd, ignore_errors=True)
            os.makedirs(self.cwd)
        if settings is not None:
            with open(self.options_path(), "wb") as options:
                options.write(settings)
        self.mark = desktop.recorder.count()
        self._stderr = open(os.path.join(desktop.folder, "game-stderr.txt"), "wb")
        become = [] if user is None else ["setpriv", f"--reuid={user}", f"--regid={user}",
                                          "--clear-groups", "--"]
        self.process = subprocess.Popen(
            become + [os.path.join(PROGRAMS, "tictactoe")], cwd=self.cwd,
            env=desktop.env(**extra_env), stdin=subprocess.DEVNULL, stdout=self._stderr,
            stderr=self._stderr, preexec_fn=no_core_dump)
        self.ended_at = None
        self._waiter = threading.Thread(target=self._wait, daemon=True)
        self._waiter.start()
        self.window = wait_for("the game's window on the screen", self._main_window)
        # New windows take the focus under openbox; asking again costs nothing and
        # makes the keys go where a player's would.
        desktop.x("xdotool", "windowactivate", "--sync", str(self.window))

    def _wait(self):
        self.process.wait()
        self.ended_at = time.monotonic()

    def _main_window(self):
        check(self.process.poll() is None,
              f"the game ended at start-up with status {self.process.returncode}: "
              f"{self.stderr_text()}")
        windows = self.windows()
        return windows[0] if len(windows) == 1 else None

    def windows(self):
        """The game's windows that the window manager manages, bottom to top."""
        managed = self.desktop.window_list("_NET_CLIENT_LIST_STACKING")
        pid = str(self.process.pid)
        return [w for w in managed
                if self.desktop.prop(w, "_NET_WM_PID").endswith("= " + pid)]

    def popups_open(self):
        """Whether one of the game's override-redirect windows (a menu) is mapped."""
        listed = self.desktop.x("xdotool", "search", "--onlyvisible", "--pid",
                                str(self.process.pid), check_status=False).split()
        managed = set(self.desktop.window_list("_NET_CLIENT_LIST"))
        return any(int(w) not in managed for w in listed)

    def menu(self, menu_key, item_key):
        """Opens a menu by its access key and picks an item by its own, waiting
        for the menu to open and to close again as a player would see it."""
        self.desktop.key("alt+" + menu_key)
        wait_for(f"the alt+{menu_key} menu to open", self.popups_open)
        self.desktop.key(item_key)
        wait_for(f"the alt+{menu_key} menu to close", lambda: not self.popups_open())

    def click(self, x, y, *options):
        """Clicks at (x, y) inside the main window."""
        self.desktop.x("xdotool", "mousemove", "--window", str(self.window), str(x), str(y),
                       "click", *options, "1")

    def play_area_origin(self):
        """The play area (354 x 374 pixels) fills the window under the menu bar."""
        _, _, _, height = self.desktop.geometry(self.window)
        return 0, height - 374

    def wait_end(self, timeout):
        """Waits up to timeout seconds for the process to end; True when it did."""
        self._waiter.join(timeout)
        return not self._waiter.is_alive()

    def options_path(self):
        return os.path.join(self.cwd, "options.ttt")

    def options(self):
        try:
            with open(self.options_path(), "rb") as options:
                return options.read()
        except OSError as error:
            return f"<{error.strerror}>".encode()

    def files(self):
        """Every file in the working directory with its bytes."""
        result = {}
        for name in sorted(os.listdir(self.cwd)):
            with open(os.path.join(self.cwd, name), "rb") as file:
                result[name] = file.read()
        return result

    def stderr_text(self):
        self._stderr.flush()
        with open(self._stderr.name, errors="replace") as text:
            return text.read().strip()

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        self._stderr.close()
