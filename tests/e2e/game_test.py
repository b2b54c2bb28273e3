"""The block game played in tmux through the terminal host: the start-up
frame, every key of the dispatch table and its bounds, colours read with
capture-pane -e, the credits and the exit status.

game_test.py blockgame, or game_test.py LAUNCHER blockgame.exe for the
Windows build under Wine (scripts/wine-exec), which plays the same keys for
the same screens. A launched program may take minutes to start where Wine
runs under emulation."""

import sys
import time

from tmux_pane import Pane, run_tests

COMMAND = sys.argv[1:]
LAUNCHED = len(COMMAND) > 1
START_TIMEOUT = 300 if LAUNCHED else 20

BLUE, YELLOW, WHITE, BLACK = 44, 103, 107, 40
SHAPE_A = ["X...X", "XX.XX", "..X..", "XX.XX"]
SHAPE_B = ["XXXXX", ".X.X.", "XXXXX", ".X.X."]


def lit(cell):
    return cell.bg not in (BLACK, None)


def block(cells):
    """(left column, top row, shape rows, colour) of the block inside the
    frame, or None when no cell inside is lit."""
    inside = [(x, y) for y in range(1, 20) for x in range(1, 60) if lit(cells[y][x])]
    if not inside:
        return None
    left = min(x for x, _ in inside)
    top = min(y for _, y in inside)
    rows = ["".join("X" if lit(cells[top + dy][left + dx]) else "." for dx in range(5))
            for dy in range(4)]
    outside = [(x, y) for x, y in inside if not (left <= x < left + 5 and top <= y < top + 4)]
    colour = cells[top][left].bg
    return (left, top, rows, colour) if not outside else ("scattered", inside)


def frame_whole(cells):
    edge = [(x, 0) for x in range(61)] + [(x, 20) for x in range(61)]
    edge += [(0, y) for y in range(21)] + [(60, y) for y in range(21)]
    return all(cells[y][x].bg == BLUE and cells[y][x].char == " " for x, y in edge)


class Game:
    def __init__(self, pane):
        self.pane = pane

    def block(self):
        return block(self.pane.cells())

    def press(self, key, expected):
        """Presses key and waits for the block to become expected."""
        self.pane.keys(key)
        self.pane.wait_for(f"{key!r} to give {expected}", lambda: self.block() == expected)

    def press_without_effect(self, key):
        """Presses key, then makes sure the game has read it: a colour
        change sent after it shows up only once the key was taken (a key
        that arrives with another in one poll is dropped, so the probe is
        sent again until it acts)."""
        before = self.block()
        self.pane.keys(key)
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            self.pane.keys("c")
            end = time.monotonic() + 2.0
            while time.monotonic() < end:
                now = self.block()
                if now and now[3] != before[3]:
                    return self.settled()
                time.sleep(0.05)
        raise AssertionError(f"the game never took the key after {key!r}")

    def settled(self):
        """The block once it has not changed for a second: on a loaded
        machine a probe sent again may still be on its way."""
        last, since = self.block(), time.monotonic()
        while time.monotonic() - since < 1.0:
            time.sleep(0.1)
            now = self.block()
            if now != last:
                last, since = now, time.monotonic()
        return last


def test_play_every_key_then_quit():
    with Pane("game") as pane:
        pane.start(*COMMAND)
        pane.wait_for("the frame", lambda: frame_whole(pane.cells()), START_TIMEOUT)
        cells = pane.cells()
        assert block(cells) is None, "a block before any key"
        # The game never writes the frame's inside, so the terminal keeps
        # showing what it showed there (here: nothing, in its default
        # colours); Wine's console shows cells in its default attribute
        # (grey on black) in the terminal's default colours.
        blank = (BLACK, None)
        assert all(cells[y][x].char == " " and cells[y][x].bg in blank
                   for y in range(1, 20) for x in range(1, 60)), "the frame's inside is not blank"

        game = Game(pane)
        game.press("b", (1, 1, SHAPE_A, YELLOW))
        assert pane.cells()[1][1].fg == 93, "shape A is yellow on yellow"
        game.press("c", (1, 1, SHAPE_A, WHITE))
        game.press("c", (1, 1, SHAPE_A, BLUE))
        game.press("c", (1, 1, SHAPE_A, YELLOW))
        game.press("Space", (1, 1, SHAPE_B, WHITE))
        game.press("Space", (1, 1, SHAPE_A, YELLOW))

        game.press("g", (2, 1, SHAPE_A, YELLOW))
        game.press("f", (2, 2, SHAPE_A, YELLOW))
        game.press("d", (1, 2, SHAPE_A, YELLOW))
        game.press("r", (1, 1, SHAPE_A, YELLOW))

        # At the top-left bound "r" and "d" leave the block where it is.
        assert game.press_without_effect("r")[:3] == (1, 1, SHAPE_A)
        assert game.press_without_effect("d")[:3] == (1, 1, SHAPE_A)
        # Upper-case letters are not the game's keys.
        for key in ("G", "F", "B", "C"):
            assert game.press_without_effect(key)[:3] == (1, 1, SHAPE_A), key
        colour = game.block()[3]
        game.press("g", (2, 1, SHAPE_A, colour))

        for column in range(3, 56):
            game.press("g", (column, 1, SHAPE_A, colour))
        assert game.press_without_effect("g")[:3] == (55, 1, SHAPE_A)
        colour = game.block()[3]
        for row in range(2, 17):
            game.press("f", (55, row, SHAPE_A, colour))
        assert game.press_without_effect("f")[:3] == (55, 16, SHAPE_A)
        assert frame_whole(pane.cells()), "the block at its bounds touched the frame"

        pane.keys("Escape")
        credits = ["Student ID: 5550172", "name: Tavrel", "Press enter to quit the game"]
        pane.wait_for("the credits", lambda: all(
            line.startswith(text) for line, text in zip(pane.text(), credits)))
        cells = pane.cells()
        assert all(cells[0][x].fg == 97 and cells[0][x].bg == BLACK for x in range(19)), \
            "the credits are not white on black"
        for key in ("x", "b", "Escape", "Space", "q"):
            pane.keys(key)
        time.sleep(0.5)
        assert "status" not in pane.record(), "a key other than Enter ended the game"
        pane.keys("Enter")
        record = pane.wait_for_end()
        assert record["exit"] == "0" and record["signal"] == "", record
        assert record["stty_after"] == record["stty_before"], "tty settings changed"


if __name__ == "__main__":
    run_tests([test_play_every_key_then_quit])
