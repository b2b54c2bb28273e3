"""Real keys from real terminal emulators: xterm, rxvt-unicode and st run
key_probe on a private virtual X display, xdotool presses keys into each,
and every key must come out of PollKey with the Windows console's key code,
virtual key and control state. The probe is started from a shell that left
its cursor on row 5, where the console must start.

    emulator_keys_test.py KEY_PROBE

Every wait polls against a deadline; nothing relies on a fixed sleep."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# What PollKey gives: key code, virtual key, control state (0x100 enhanced,
# 0x10 Shift, 0x08 left Ctrl, 0x02 left Alt), as key_probe writes them.
KEYS = [
    ("Up", "4800 26 0100"),
    ("shift+Up", "4800 26 0110"),
    ("ctrl+Up", "8D00 26 0108"),
    ("alt+Up", "4800 26 0102"),
    ("ctrl+Left", "7300 25 0108"),
    ("shift+Right", "4D00 27 0110"),
    ("Home", "4700 24 0100"),
    ("shift+Home", "4700 24 0110"),
    ("ctrl+Home", "7700 24 0108"),
    ("End", "4F00 23 0100"),
    ("shift+End", "4F00 23 0110"),
    ("ctrl+End", "7500 23 0108"),
    ("Insert", "5200 2D 0100"),
    ("ctrl+Insert", "9200 2D 0108"),
    ("Delete", "5300 2E 0100"),
    ("shift+Delete", "5300 2E 0110"),
    ("ctrl+Delete", "9300 2E 0108"),
    ("alt+Delete", "5300 2E 0102"),
    ("Prior", "4900 21 0100"),
    ("ctrl+Prior", "8400 21 0108"),
    ("Next", "5100 22 0100"),
    ("ctrl+Next", "7600 22 0108"),
    ("F1", "3B00 70 0000"),
    ("F2", "3C00 71 0000"),
    ("F3", "3D00 72 0000"),
    ("F4", "3E00 73 0000"),
    ("F5", "3F00 74 0000"),
    ("F6", "4000 75 0000"),
    ("F10", "4400 79 0000"),
    ("F11", "8500 7A 0000"),
    ("F12", "8600 7B 0000"),
    ("shift+F1", "5400 70 0010"),
    ("shift+F3", "5600 72 0010"),
    ("shift+F5", "5800 74 0010"),
    ("shift+F10", "5D00 79 0010"),
    ("shift+F12", "8600 7B 0010"),
    ("ctrl+F1", "5E00 70 0008"),
    ("ctrl+F5", "6200 74 0008"),
    ("alt+F1", "6800 70 0002"),
    ("alt+a", "1E61 41 0002"),
    ("ctrl+a", "1E01 41 0008"),
    ("Escape", "011B 1B 0000"),
    ("Return", "1C0D 0D 0000"),
    ("BackSpace", "0E08 08 0000"),
    ("Tab", "0F09 09 0000"),
    ("shift+Tab", "0F00 09 0010"),
    ("a", "1E61 41 0000"),
    ("A", "1E41 41 0010"),
    # The keypad's Up with Num Lock off comes as the Up key (the terminal
    # does not say it is the keypad's), never as the keypad's 8.
    ("KP_Up", "4800 26 0100"),
]

SHELL_ROWS = 5
START_LINE = f"start {SHELL_ROWS}"

# Per emulator: how to run a command, and the keys it cannot tell apart
# from others (rxvt-unicode's Shift+F1 is its F11; st's Ctrl+Home is its
# Home, its Alt+Delete its Delete).
EMULATORS = {
    "xterm": (["xterm", "-geometry", "80x24", "-e"], set()),
    "rxvt-unicode": (["urxvt", "-geometry", "80x24", "-e"], {"shift+F1"}),
    "st": (["stterm", "-g", "80x24", "-e"], {"ctrl+Home", "alt+Delete"}),
}

START_SECONDS = 30
KEY_SECONDS = 5


def start_display():
    """A private Xvfb; returns the process and the DISPLAY value."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=[write_end],
        stderr=subprocess.DEVNULL,
    )
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + START_SECONDS
    while not number.endswith(b"\n"):
        if time.monotonic() > deadline:
            raise RuntimeError("Xvfb did not start")
        chunk = os.read(read_end, 16)
        if not chunk:
            raise RuntimeError("Xvfb ended before it gave its display")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def read_lines(path):
    try:
        with open(path, encoding="ascii") as text:
            return text.read().splitlines()
    except FileNotFoundError:
        return []


def await_lines(path, count, seconds, what):
    deadline = time.monotonic() + seconds
    while True:
        lines = read_lines(path)
        if len(lines) >= count:
            return lines
        if time.monotonic() > deadline:
            raise AssertionError(f"no answer within {seconds} s to {what}; got {lines}")
        time.sleep(0.01)


def xdotool(env, *args):
    return subprocess.run(
        ["xdotool", *args], env=env, check=True, capture_output=True, text=True, timeout=START_SECONDS
    ).stdout


def check_emulator(name, env, probe, workdir):
    """Runs the probe in one emulator; returns a list of failures."""
    command, unreachable = EMULATORS[name]
    output = os.path.join(workdir, name)
    shell = 'printf "' + "line\\n" * SHELL_ROWS + 'prompt> "; exec "$0" "$1"'
    terminal = subprocess.Popen(
        command + ["sh", "-c", shell, probe, output],
        env=env,
        stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL,
        start_new_session=True,
    )
    failures = []
    try:
        start = await_lines(output, 1, START_SECONDS, "the start")[0]
        if start != START_LINE:
            failures.append(f"{name}: {start!r}, want {START_LINE!r}")
        window = xdotool(env, "search", "--sync", "--pid", str(terminal.pid)).split()[-1]
        xdotool(env, "windowfocus", "--sync", window)
        checked = 0
        for key, want in [k for k in KEYS if k[0] not in unreachable] + [("q", "1071 51 0000")]:
            count = len(read_lines(output)) + 1
            xdotool(env, "key", key)
            got = await_lines(output, count, KEY_SECONDS, f"{name} {key}")[count - 1]
            if got != want:
                failures.append(f"{name} {key}: {got}, want {want}")
            checked += key != "q"
        terminal.wait(timeout=KEY_SECONDS)
        print(f"{name}: {checked} keys checked, start {start!r}")
    finally:
        if terminal.poll() is None:
            os.killpg(terminal.pid, signal.SIGKILL)
            terminal.wait()
    return failures


def main():
    probe = os.path.abspath(sys.argv[1])
    server, display = start_display()
    env = dict(os.environ, DISPLAY=display)
    workdir = tempfile.mkdtemp()
    failures = []
    try:
        for name in EMULATORS:
            failures += check_emulator(name, env, probe, workdir)
    finally:
        server.terminate()
        server.wait()
        shutil.rmtree(workdir)
    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
