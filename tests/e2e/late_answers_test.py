"""A terminal that answers the kit's questions late, or never, on a
pseudo-terminal played by this script (tests/e2e/flow_program.cpp, "key"
mode, which asks when it first reads a key). However late the answers come,
none is left in the tty's input queue or echoed once the program has ended;
a terminal that never answers costs one wait of about half a second, at the
end."""

import fcntl
import os
import select
import struct
import subprocess
import sys
import termios
import time

from tmux_pane import SANITIZER_ENV, run_tests

PROGRAM = os.path.abspath(sys.argv[1])
ANSWERS = b"\x1b[5;1R\x1b[?62;22c"
KEY_AFTER = 2.0


def run(delay):
    """Runs the program on a new pty, answers delay seconds after it asks
    (never when None) and types a key KEY_AFTER seconds after it asks.
    Returns what it showed, the bytes left in its input queue and the
    seconds from the key to its end."""
    master, slave = os.openpty()
    fcntl.ioctl(slave, termios.TIOCSWINSZ, struct.pack("HHHH", 25, 80, 0, 0))
    environment = {**os.environ, "LANG": "C.UTF-8", "TERM": "xterm-256color", **SANITIZER_ENV}
    program = subprocess.Popen([PROGRAM, "key"], stdin=slave, stdout=slave, stderr=slave,
                               env=environment, start_new_session=True)
    shown = b""
    asked = answered = typed = None
    deadline = time.monotonic() + 20
    while program.poll() is None and time.monotonic() < deadline:
        if select.select([master], [], [], 0.01)[0]:
            shown += os.read(master, 4096)
        now = time.monotonic()
        if asked is None and b"\x1b[c" in shown:
            asked = now
        if asked is not None and delay is not None and answered is None and now >= asked + delay:
            os.write(master, ANSWERS)
            answered = now
        if asked is not None and typed is None and now >= asked + KEY_AFTER:
            os.write(master, b"x")
            typed = now
    ended = time.monotonic()
    while select.select([master], [], [], 0.2)[0]:
        try:
            shown += os.read(master, 4096)
        except OSError:
            break
    left = struct.unpack("i", fcntl.ioctl(slave, termios.FIONREAD, b"\0\0\0\0"))[0]
    os.close(master)
    os.close(slave)
    assert program.wait(5) == 0 and typed is not None, shown
    return shown, left, ended - typed


def test_late_answers_are_read_before_the_tty_is_given_back():
    for delay in (0.7, 1.5):
        shown, left, _ = run(delay)
        assert left == 0, (delay, left)
        assert b"5;1R" not in shown and b"62;22c" not in shown, (delay, shown)
        assert b"bye" in shown


def test_a_terminal_that_never_answers_costs_one_wait():
    shown, left, ending = run(None)
    assert left == 0 and b"bye" in shown
    assert 0.4 <= ending <= 1.2, ending


if __name__ == "__main__":
    run_tests([
        test_late_answers_are_read_before_the_tty_is_given_back,
        test_a_terminal_that_never_answers_costs_one_wait,
    ])
