"""A program built on the kit on the terminals people have, run from bash in
tmux as a user runs it (tests/e2e/flow_program.cpp): any size, a resize
while it runs, the tty left alone by a program that only writes, lines
typed ahead, the terminal's own colours, a clean prompt after a program
that drew over the shell's text, a message box over that text, with and
without a UTF-8 locale, and output into a slow pipe that a SIGTERM ends."""

import os
import signal
import subprocess
import sys
import time

from tmux_pane import Pane, run_tests

PROGRAM = os.path.abspath(sys.argv[1])
# Typed by its name from PATH: the typed command's length then does not
# depend on where the tree is checked out, and a command that happens to
# fill a row exactly would join the row after it in a joined capture.
TYPED = os.path.basename(PROGRAM)


def start_shell(pane, environment=None):
    path = f"{os.path.dirname(PROGRAM)}:{os.environ.get('PATH', '/usr/bin:/bin')}"
    pane.start_shell(environment={"PATH": path, **(environment or {})})


def lines_of(pane):
    lines = [line.rstrip() for line in pane.text()]
    while lines and lines[-1] == "":
        lines.pop()
    return lines


def ran(pane, command, last_line, timeout=20.0):
    """Types command into the shell and waits until it has printed last_line
    and the next prompt."""
    pane.keys(command, "Enter")

    def done():
        lines = lines_of(pane)
        return len(lines) >= 2 and lines[-1] == "$" and lines[-2] == last_line
    pane.wait_for(f"{command!r} to end", done, timeout)


def test_small_terminals_show_the_line_being_typed_and_every_line_after():
    for height in (24, 12):
        with Pane(f"small-{height}", 80, height) as pane:
            start_shell(pane)
            pane.keys(f"seq 1 60; {TYPED} ask", "Enter")
            pane.wait_for("the prompt on the last row", lambda: lines_of(pane)[-1] == "name?")
            assert len(lines_of(pane)) == height
            pane.keys("bob")
            pane.wait_for("the name typed on the last row",
                          lambda: lines_of(pane)[-1] == "name? bob")
            assert pane.display("#{cursor_x},#{cursor_y}") == f"9,{height - 1}"
            pane.keys("Enter")
            pane.wait_for("the end", lambda: lines_of(pane)[-3:] == ["hello bob", "Bye.", "$"])
            history = [line.rstrip() for line in pane.history()]
            start = history.index("60")
            assert history[start - 59:start + 1] == [str(n) for n in range(1, 61)]
            assert history[start + 1:start + 4] == ["name? bob", "hello bob", "Bye."], history


def test_a_long_line_is_wrapped_by_the_terminal_and_a_shrunk_pane_shows_what_follows():
    with Pane("wide", 60, 20) as pane:
        start_shell(pane)
        ran(pane, f"{TYPED} wide", "0123456789" * 4)
        joined = pane.tmux("capture-pane", "-p", "-J", "-t", "0").split("\n")
        assert "0123456789" * 10 in joined, joined
        pane.keys(f"{TYPED} slow 40", "Enter")
        pane.wait_for("a few lines", lambda: "line 5" in lines_of(pane))
        pane.resize(60, 8)
        pane.wait_for("the last line after the shrink",
                      lambda: lines_of(pane)[-2:] == ["line 39", "$"], timeout=30.0)


def test_a_program_that_only_writes_leaves_the_tty_alone():
    with Pane("alone") as pane:
        start_shell(pane)
        pane.keys("stty -g > before", "Enter")
        ran(pane, f"{TYPED} lines 3 > out & wait; echo done", "done")
        with open(os.path.join(pane.workdir, "out"), "rb") as out:
            assert out.read() == b"line 0\nline 1\nline 2\n"
        assert not any("Stopped" in line for line in lines_of(pane)), lines_of(pane)
        # Typed while it runs, the command is the shell's.
        pane.keys(f"sleep 1; {TYPED} lines 2", "Enter")
        pane.keys("echo typed-ahead", "Enter")
        pane.wait_for("the command typed ahead", lambda: lines_of(pane)[-2:] == ["typed-ahead", "$"])
        # Killed where no handler can run, it leaves the modes as they were.
        ran(pane, f"{TYPED} held 3 & sleep 0.5; kill -9 $!; wait; stty -g > after; echo killed",
            "killed")
        with open(os.path.join(pane.workdir, "before")) as before, \
                open(os.path.join(pane.workdir, "after")) as after:
            assert before.read() == after.read()


def test_lines_typed_ahead_stay_lines():
    with Pane("ahead") as pane:
        start_shell(pane)
        pane.keys(f"{TYPED} ahead", "Enter")
        time.sleep(0.3)
        pane.keys("Bob", "Enter", "2", "Enter")
        pane.wait_for("both lines", lambda: lines_of(pane)[-3:] == ["got [Bob]", "got [2]", "$"])


def test_the_readmes_program_leaves_the_terminals_colours_and_a_clean_prompt():
    with Pane("clean") as pane:
        start_shell(pane)
        pane.keys("ls -la /", "Enter")
        pane.wait_for("the listing", lambda: len(lines_of(pane)) > 10)
        pane.keys(f"{TYPED} hello", "Enter")
        pane.wait_for("the greeting", lambda: "Hello from conkit! 6 x 7 = 42" in pane.text()[2])
        pane.keys("x")
        def prompt_below():
            text = [line.rstrip() for line in pane.text()]
            rows = [n for n, line in enumerate(text) if line.startswith("plain text")]
            return rows and text[rows[0] + 1] == "$" and rows[0]
        pane.wait_for("the prompt below the program's last line", prompt_below)
        row = prompt_below()
        cells = pane.cells()
        assert (cells[2][4].fg, cells[2][4].bg) == (93, 44)
        assert (cells[row][0].fg, cells[row][0].bg) == (None, None)


def box_over_shell_text(name, environment):
    with Pane(name) as pane:
        start_shell(pane, environment)
        ran(pane, "seq -f 'shell text %g' 1 22", "shell text 22")
        pane.keys(f"{TYPED} box", "Enter")
        pane.wait_for("the box", lambda: any("A box over" in line for line in pane.text()))
        shown = "\n".join(pane.text())
        pane.keys("Enter")
        pane.wait_for("the prompt", lambda: lines_of(pane)[-1] == "$")
        # The rows the box covered show the shell's text again.
        text = lines_of(pane)
        first = text.index("shell text 1")
        assert text[first:first + 22] == [f"shell text {n}" for n in range(1, 23)], text
        return shown


def test_a_message_box_leaves_the_shells_text_as_it_was():
    shown = box_over_shell_text("box", {"LANG": "C.UTF-8"})
    assert "\u2554" in shown and "\u2550" in shown


def test_without_a_utf8_locale_the_box_is_drawn_in_ascii():
    shown = box_over_shell_text("ascii-box", {"LANG": ""})
    assert "+=" in shown and "|" in shown and "?" not in shown, shown


def test_sigterm_while_the_output_blocks_on_a_slow_pipe_loses_nothing():
    workdir = f"/tmp/conkit-slow-{os.getpid()}"
    os.makedirs(workdir, exist_ok=True)
    taken = os.path.join(workdir, "taken")
    with open(taken, "w") as report:
        program = subprocess.Popen([PROGRAM, "count"], stdin=subprocess.DEVNULL,
                                   stdout=subprocess.PIPE, stderr=report)
        received = b""
        deadline = time.monotonic() + 1.5
        while time.monotonic() < deadline:
            received += os.read(program.stdout.fileno(), 2048)
            time.sleep(0.02)
        program.send_signal(signal.SIGTERM)
        received += program.stdout.read()
        assert program.wait(20) == -signal.SIGTERM
    with open(taken) as report:
        count = int(report.read().split()[-1])
    # Every line the kit took is there, whole, and then at most the start of
    # the one it was taking.
    lines = b"".join(b"line %d\n" % n for n in range(count + 2))
    assert lines.startswith(received), received[-200:]
    assert len(received) >= len(b"".join(b"line %d\n" % n for n in range(count))), count
    os.remove(taken)
    os.rmdir(workdir)


if __name__ == "__main__":
    run_tests([
        test_small_terminals_show_the_line_being_typed_and_every_line_after,
        test_a_long_line_is_wrapped_by_the_terminal_and_a_shrunk_pane_shows_what_follows,
        test_a_program_that_only_writes_leaves_the_tty_alone,
        test_lines_typed_ahead_stay_lines,
        test_the_readmes_program_leaves_the_terminals_colours_and_a_clean_prompt,
        test_a_message_box_leaves_the_shells_text_as_it_was,
        test_without_a_utf8_locale_the_box_is_drawn_in_ascii,
        test_sigterm_while_the_output_blocks_on_a_slow_pipe_loses_nothing,
    ])
