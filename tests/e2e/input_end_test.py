"""When no key can come any more the game ends instead of spinning: with
standard input from /dev/null, and with its terminal closed under it (the
tmux server killed while the game waits for a key, SIGHUP ignored as under
nohup). Each time it ends within a second with one line on stderr and
status 74, having used almost no CPU."""

import sys
import time

from tmux_pane import Pane, run_tests

GAME = sys.argv[1]
INPUT_ENDED_STATUS = "74"
# CPU allowed for the whole run, start-up under the sanitizers included.
CPU_LIMIT_S = 0.5


def test_standard_input_from_dev_null():
    with Pane("dev-null") as pane:
        pane.start(GAME, stdin="/dev/null")
        record = pane.wait_for_end()
        assert record["exit"] == INPUT_ENDED_STATUS, record
        assert pane.stderr() == "blockgame: input ended\n", repr(pane.stderr())
        assert float(record["ended"]) - float(record["started"]) < 1.0, record
        assert float(record["cpu"]) < CPU_LIMIT_S, record
        assert record["stty_after"] == record["stty_before"], record


def test_terminal_closed_under_the_game():
    with Pane("hang-up") as pane:
        pane.start(GAME, ignore_hangup=True)
        pane.wait_for("the frame", lambda: pane.cells()[20][60].bg == 44)
        closed = time.time()
        pane.kill_server()
        record = pane.wait_for_end()
        assert record["exit"] == INPUT_ENDED_STATUS, record
        assert pane.stderr() == "blockgame: terminal hung up\n", repr(pane.stderr())
        assert float(record["ended"]) - closed < 1.0, record
        assert float(record["cpu"]) < CPU_LIMIT_S, record


if __name__ == "__main__":
    run_tests([test_standard_input_from_dev_null, test_terminal_closed_under_the_game])
