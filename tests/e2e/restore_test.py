"""The terminal is given back as it was on every way out of the game: a
normal quit, SIGTERM, SIGINT (Ctrl+C), SIGQUIT (Ctrl+\\), SIGHUP and a crash
(SIGSEGV). The tty settings match stty -g from before, the cursor is shown,
the colours are reset, and the wait status shows the signal."""

import os
import signal
import sys
import time

from tmux_pane import Pane, run_tests

GAME = sys.argv[1]


def started(pane):
    """Starts the game and waits until it has drawn its frame and shape."""
    pane.start(GAME)
    pane.wait_for("the frame", lambda: pane.cells()[20][60].bg == 44)
    pane.keys("b")
    pane.wait_for("the block", lambda: pane.cells()[1][1].bg == 103)


def game_pid(pane):
    pane.wait_for("the pid", lambda: os.path.exists(os.path.join(pane.workdir, "pid")))
    with open(os.path.join(pane.workdir, "pid")) as pid:
        return int(pid.read())


def check_restored(pane, record):
    assert record["stty_after"] == record["stty_before"], \
        f"stty -g before {record['stty_before']} after {record['stty_after']}"
    pane.wait_for("the marker line", lambda: any("after-the-program" in line
                                                 for line in pane.text()))
    assert pane.display("#{cursor_flag}") == "1", "the cursor is hidden"
    for row in pane.cells():
        text = "".join(cell.char for cell in row)
        if "after-the-program" in text:
            start = text.index("after-the-program")
            styles = {(cell.fg, cell.bg) for cell in row[start:start + 17]}
            assert styles == {(None, None)}, f"text after the game is coloured: {styles}"


def ended_by(key_or_signal, expected_signal):
    def test():
        with Pane(f"restore-{expected_signal}") as pane:
            started(pane)
            if isinstance(key_or_signal, str):
                # A key typed while a poll has Ctrl+C as a key is read as
                # one; send it again until the signal arrives.
                deadline = time.monotonic() + 20
                while "status" not in pane.record() and time.monotonic() < deadline:
                    pane.keys(key_or_signal)
                    end = time.monotonic() + 1
                    while "status" not in pane.record() and time.monotonic() < end:
                        time.sleep(0.05)
            else:
                os.kill(game_pid(pane), key_or_signal)
            record = pane.wait_for_end()
            assert record["signal"] == str(int(expected_signal)), record
            check_restored(pane, record)
    test.__name__ = f"test_{signal.Signals(expected_signal).name}"
    return test


def test_normal_quit():
    with Pane("restore-quit") as pane:
        started(pane)
        pane.keys("Escape")
        pane.wait_for("the credits", lambda: pane.text()[0].startswith("Student ID"))
        pane.keys("Enter")
        record = pane.wait_for_end()
        assert record["exit"] == "0", record
        check_restored(pane, record)


if __name__ == "__main__":
    run_tests([
        test_normal_quit,
        ended_by(signal.SIGTERM, signal.SIGTERM),
        ended_by("C-c", signal.SIGINT),
        ended_by("C-\\", signal.SIGQUIT),
        ended_by(signal.SIGHUP, signal.SIGHUP),
        ended_by(signal.SIGSEGV, signal.SIGSEGV),
    ])
