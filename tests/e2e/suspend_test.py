"""Ctrl+Z and fg under an interactive shell: the game gives the terminal
back when it stops, keeps the tty settings the user changed while it was
stopped, and repaints its screen when it continues."""

import os
import sys

from tmux_pane import Pane, run_tests
from game_test import SHAPE_A, YELLOW, block, frame_whole

GAME = os.path.abspath(sys.argv[1])


def read(pane, name):
    path = os.path.join(pane.workdir, name)
    pane.wait_for(f"{name} to be written", lambda: os.path.getsize(path) > 0 if
                  os.path.exists(path) else False)
    with open(path) as text:
        return text.read().strip()


def test_stop_change_settings_and_continue():
    with Pane("suspend") as pane:
        pane.start_shell()
        pane.wait_for("the prompt", lambda: pane.text()[0].startswith("$"))
        pane.keys("stty -g > before", "Enter")
        before = read(pane, "before")
        pane.keys(f"{GAME} 2>stderr", "Enter")
        pane.wait_for("the game", lambda: pane.display("#{pane_current_command}") == "blockgame")
        pane.wait_for("the frame", lambda: frame_whole(pane.cells()))
        pane.keys("b")
        pane.wait_for("the block", lambda: block(pane.cells()) == (1, 1, SHAPE_A, YELLOW))

        pane.keys("C-z")
        pane.wait_for("the job to stop", lambda: any("Stopped" in line for line in pane.text()))
        pane.wait_for("the shell", lambda: pane.display("#{pane_current_command}") == "bash")
        pane.keys("stty intr ^X -echoctl; stty -g > changed", "Enter")
        changed = read(pane, "changed")
        assert changed != before, "the settings did not change"
        pane.keys("clear; fg", "Enter")
        pane.wait_for("the repainted game", lambda: frame_whole(pane.cells()) and
                      block(pane.cells()) == (1, 1, SHAPE_A, YELLOW))

        pane.keys("Escape")
        pane.wait_for("the credits", lambda: pane.text()[0].startswith("Student ID"))
        pane.keys("Enter")
        pane.wait_for("the shell again", lambda: pane.display("#{pane_current_command}") == "bash")
        # fg's status is the job's.
        pane.keys("echo $? > status", "Enter")
        status = read(pane, "status")
        assert status == "0", f"status {status}: {pane.stderr()}"
        pane.keys("stty -g > after", "Enter")
        assert read(pane, "after") == changed, "the changed settings were not kept"


if __name__ == "__main__":
    run_tests([test_stop_change_settings_and_continue])
