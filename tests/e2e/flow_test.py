"""A line-oriented program in the shell's flow (tests/e2e/flow_program.cpp
and the game): it starts where the shell left the cursor, keeps the shell's
text, sends every line to the terminal's scrollback, shows the cursor where
the next character goes whenever it waits, leaves the next prompt clean (no
reply to a terminal query on it), and buffers output that goes to a file
without losing any of it to a fatal signal."""

import os
import signal
import subprocess
import sys

from tmux_pane import Pane, run_tests
from game_test import SHAPE_A, YELLOW, block, frame_whole

PROGRAM = os.path.abspath(sys.argv[1])
GAME = os.path.abspath(sys.argv[2])


def ran(pane, command, last_line, timeout=20.0):
    """Types command into the shell and waits until it has printed last_line
    and the next prompt."""
    pane.keys(command, "Enter")

    def done():
        lines = [line.rstrip() for line in pane.text()]
        while lines and lines[-1] == "":
            lines.pop()
        return len(lines) >= 2 and lines[-1] == "$" and lines[-2] == last_line
    pane.wait_for(f"{command!r} to end", done, timeout)


def test_short_program_after_shell_text():
    with Pane("flow-short") as pane:
        pane.start_shell()
        ran(pane, "echo shell-text", "shell-text")
        ran(pane, f"{PROGRAM} lines 3", "line 2")
        text = [line.rstrip() for line in pane.text()]
        start = text.index("shell-text")
        assert text[start + 1:start + 6] == [f"$ {PROGRAM} lines 3", "line 0", "line 1", "line 2",
                                             "$"], text
        assert pane.display("#{cursor_x},#{cursor_y}") == f"2,{start + 5}"
        screen = "\n".join(text)
        assert "1;2c" not in screen and "^[" not in screen and "[?" not in screen, screen


def test_long_program_fills_the_history_in_order():
    with Pane("flow-long") as pane:
        pane.start_shell(history_limit=20000)
        ran(pane, f"{PROGRAM} lines 10000", "line 9999", timeout=120.0)
        lines = [line.rstrip() for line in pane.history()]
        printed = [line for line in lines if line.startswith("line ")]
        assert printed == [f"line {n}" for n in range(10000)], \
            f"{len(printed)} lines, first differences near {printed[:3]}"


def test_the_cursor_is_where_the_next_character_goes_at_every_wait():
    with Pane("flow-waits") as pane:
        pane.start(PROGRAM, "waits")

        def cursor_at(column, row):
            pane.wait_for(f"the cursor at {column},{row}",
                          lambda: pane.display("#{cursor_x},#{cursor_y}") == f"{column},{row}")
        cursor_at(10, 5)
        pane.keys("x")
        pane.wait_for("the text", lambda: pane.text()[7].startswith("some text"))
        cursor_at(9, 7)
        pane.keys("x")
        pane.wait_for("the prompt", lambda: pane.text()[8].startswith("name?"))
        cursor_at(6, 8)
        pane.keys("bob")
        cursor_at(9, 8)
        pane.keys("Enter")
        pane.wait_for("the greeting", lambda: pane.text()[9].startswith("hello bob"))
        assert pane.wait_for_end()["exit"] == "0"


def test_the_game_keeps_the_text_beside_its_frame():
    with Pane("flow-game") as pane:
        pane.start_shell()
        ran(pane, "printf '%70s\\n' kept-text", " " * 61 + "kept-text")
        pane.keys(GAME, "Enter")
        pane.wait_for("the frame", lambda: frame_whole(pane.cells()))
        pane.keys("b")
        pane.wait_for("the block", lambda: block(pane.cells()) == (1, 1, SHAPE_A, YELLOW))
        assert any(line.rstrip().endswith("kept-text") for line in pane.text()), pane.text()
        pane.keys("Escape")
        pane.wait_for("the credits", lambda: pane.text()[0].startswith("Student ID"))
        pane.keys("Enter")
        pane.wait_for("the prompt", lambda: any(line.rstrip() == "$" for line in pane.text()))


def test_output_to_a_file_is_whole_after_sigterm():
    with Pane("flow-file") as pane:
        path = os.path.join(pane.workdir, "out.txt")
        with open(path, "wb") as out:
            program = subprocess.Popen([PROGRAM, "held", "5000"], stdin=subprocess.DEVNULL,
                                       stdout=out, stderr=subprocess.PIPE)
            assert program.stderr.readline() == b"emitted\n"
            program.send_signal(signal.SIGTERM)
            assert program.wait(20) == -signal.SIGTERM
        with open(path, "rb") as out:
            written = out.read()
        assert written == b"".join(b"line %d\n" % n for n in range(5000)), len(written)


if __name__ == "__main__":
    run_tests([
        test_short_program_after_shell_text,
        test_long_program_fills_the_history_in_order,
        test_the_cursor_is_where_the_next_character_goes_at_every_wait,
        test_the_game_keeps_the_text_beside_its_frame,
        test_output_to_a_file_is_whole_after_sigterm,
    ])
