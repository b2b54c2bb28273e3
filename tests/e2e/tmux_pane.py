"""A private tmux server with one pane, for end-to-end tests of the real
binaries: start a command, type keys, read the screen with its colours.

Every wait polls the pane against a deadline; nothing relies on a fixed
sleep for correctness."""

import os
import re
import shutil
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
WRAPPER = os.path.join(HERE, "run_and_record.py")

# ASan and UBSan would take the crash signals for themselves; the terminal
# host must see them to restore the terminal.
SANITIZER_ENV = {
    "ASAN_OPTIONS": "handle_segv=0:handle_sigbus=0:handle_sigfpe=0:handle_abort=0",
    "UBSAN_OPTIONS": "handle_segv=0:handle_sigbus=0:handle_sigfpe=0:handle_abort=0",
}


class Cell:
    __slots__ = ("char", "fg", "bg")

    def __init__(self, char, fg, bg):
        self.char, self.fg, self.bg = char, fg, bg

    def __repr__(self):
        return f"{self.char!r}/{self.fg}/{self.bg}"


def parse_styled(lines, width):
    """Cells of capture-pane -e output: character, foreground and background
    SGR colour numbers (None for the terminal's default)."""
    grid = []
    fg = bg = None
    for line in lines:
        row = []
        for token in re.finditer(r"\x1b\[([0-9;:]*)m|(.)", line):
            if token.group(2) is not None:
                row.append(Cell(token.group(2), fg, bg))
                continue
            params = [int(p) if p else 0 for p in re.split("[;:]", token.group(1))]
            i = 0
            while i < len(params):
                p = params[i]
                if p == 0:
                    fg = bg = None
                elif 30 <= p <= 37 or 90 <= p <= 97:
                    fg = p
                elif 40 <= p <= 47 or 100 <= p <= 107:
                    bg = p
                elif p == 39:
                    fg = None
                elif p == 49:
                    bg = None
                elif p in (38, 48) and i + 2 < len(params) and params[i + 1] == 5:
                    colour = params[i + 2]
                    number = (30 + colour if colour < 8 else 82 + colour) + (10 if p == 48 else 0)
                    if p == 38:
                        fg = number
                    else:
                        bg = number
                    i += 2
                i += 1
        row += [Cell(" ", None, None)] * (width - len(row))
        grid.append(row)
    return grid


class Pane:
    def __init__(self, name, width=80, height=25):
        self.socket = f"conkit-{name}-{os.getpid()}"
        self.width, self.height = width, height
        self.workdir = f"/tmp/{self.socket}"
        os.makedirs(self.workdir, exist_ok=True)
        self.status_file = os.path.join(self.workdir, "status")
        self.stderr_file = os.path.join(self.workdir, "stderr")

    def tmux(self, *args, check=True):
        return subprocess.run(
            ["tmux", "-L", self.socket, "-f", "/dev/null", *args],
            stdin=subprocess.DEVNULL, capture_output=True, text=True, check=check,
        ).stdout

    def start(self, program, *arguments, stdin=None, ignore_hangup=False, env=None):
        """Runs program with its arguments in the pane under the recording
        wrapper."""
        wrapper = [sys.executable, WRAPPER, self.workdir]
        if stdin:
            wrapper += ["--stdin", stdin]
        if ignore_hangup:
            wrapper += ["--ignore-hangup"]
        environment = {"LANG": "C.UTF-8", "TERM": "tmux-256color", **SANITIZER_ENV, **(env or {})}
        settings = [f"{k}={v}" for k, v in environment.items()]
        command = ["env", *settings, *wrapper, "--", os.path.abspath(program), *arguments]
        self.tmux("new-session", "-d", "-x", str(self.width), "-y", str(self.height),
                  "--", *command)
        self.tmux("set-option", "-g", "remain-on-exit", "on")

    def start_shell(self, history_limit=2000, environment=None):
        """Runs an interactive bash with job control in the pane, which keeps
        history_limit lines of history; environment adds to its variables."""
        environment = {"LANG": "C.UTF-8", "TERM": "tmux-256color", "PS1": "$ ", **SANITIZER_ENV,
                       **(environment or {})}
        settings = [f"{k}={v}" for k, v in environment.items()]
        self.tmux("start-server", ";", "set-option", "-g", "history-limit", str(history_limit),
                  ";", "new-session", "-d", "-x", str(self.width), "-y", str(self.height), "-c",
                  self.workdir, "--", "env", *settings, "bash", "--norc", "--noprofile", "-i")

    def history(self):
        """Every line of the pane's history and screen, oldest first."""
        return self.tmux("capture-pane", "-p", "-S", "-", "-E", "-", "-t", "0").split("\n")

    def keys(self, *keys):
        self.tmux("send-keys", "-t", "0", *keys)

    def text(self):
        return self.tmux("capture-pane", "-p", "-t", "0").split("\n")

    def cells(self):
        lines = self.tmux("capture-pane", "-p", "-e", "-N", "-t", "0").split("\n")
        return parse_styled(lines, self.width)

    def display(self, fmt):
        return self.tmux("display-message", "-p", "-t", "0", fmt).strip()

    def resize(self, width, height):
        self.tmux("resize-window", "-t", "0", "-x", str(width), "-y", str(height))
        self.width, self.height = width, height

    def wait_for(self, what, check, timeout=20.0):
        """Polls until check() is true; fails the test after timeout."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                if check():
                    return
            except (IndexError, subprocess.CalledProcessError):
                pass
            if time.monotonic() > deadline:
                lines = "\n".join(self.text()[:self.height])
                raise AssertionError(f"timed out waiting for {what}; the pane shows:\n{lines}")
            time.sleep(0.05)

    def record(self):
        """What the wrapper wrote, once the program has ended."""
        values = {}
        if os.path.exists(self.status_file):
            with open(self.status_file) as status:
                for line in status:
                    key, _, value = line.rstrip("\n").partition("=")
                    values[key] = value
        return values

    def wait_for_end(self, timeout=20.0):
        self.wait_for("the program to end", lambda: "status" in self.record(), timeout)
        return self.record()

    def stderr(self):
        with open(self.stderr_file) as text:
            return text.read()

    def kill_server(self):
        self.tmux("kill-server", check=False)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        # The wrapper ignores the pane's hangup, and so does a Windows
        # program under Wine: both would outlive the test.
        pids = [self.tmux("display-message", "-p", "-t", "0", "#{pane_pid}", check=False)]
        try:
            with open(os.path.join(self.workdir, "pid")) as pid:
                pids.append(pid.read())
        except OSError:
            pass
        for pid in pids:
            try:
                os.kill(int(pid), signal.SIGKILL)
            except (OSError, ValueError):
                pass
        self.kill_server()
        shutil.rmtree(self.workdir, ignore_errors=True)
        return False


def run_tests(tests):
    """Runs each test function; prints one line each and a closing count."""
    failed = 0
    for test in tests:
        try:
            test()
            print(f"PASS {test.__name__}", flush=True)
        except Exception as error:  # noqa: BLE001 - every failure is reported
            failed += 1
            print(f"FAIL {test.__name__}: {error}", flush=True)
    print(f"{len(tests) - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
