"""The game's window shrinks to 1x1, to less than the frame, and grows
again: nothing crashes (the sanitizer build ends with status 0), no cell
shows anything but the game's drawing, and the frame and the block are
whole again once the window is large enough. tmux refuses a width of 0; the
host's own tests cover it."""

import sys

from tmux_pane import Pane, run_tests
from game_test import BLACK, SHAPE_A, YELLOW, block, frame_whole

GAME = sys.argv[1]


def only_game_cells(cells, width, height):
    """Every cell is blank or the colour of the frame or the block; nothing
    lies beyond the 80x25 buffer."""
    for y, row in enumerate(cells[:height]):
        for x, cell in enumerate(row[:width]):
            if cell.char != " ":
                return False
            if (x >= 80 or y >= 25) and cell.bg is not None:
                return False
    return True


def whole(pane):
    cells = pane.cells()
    return (frame_whole(cells) and block(cells) == (1, 1, SHAPE_A, YELLOW)
            and only_game_cells(cells, pane.width, pane.height))


def test_shrink_and_grow():
    with Pane("resize") as pane:
        pane.start(GAME)
        pane.wait_for("the frame", lambda: frame_whole(pane.cells()))
        pane.keys("b")
        pane.wait_for("the block", lambda: whole(pane))
        for width, height in ((1, 1), (40, 10), (1, 30), (70, 3), (60, 20)):
            pane.resize(width, height)

            def clipped(w=width, h=height):
                cells = pane.cells()
                return (cells[0][0].bg == 44 and only_game_cells(cells, w, h)
                        and (w < 2 or h < 2 or cells[1][1].bg == YELLOW))
            pane.wait_for(f"the clipped picture at {width}x{height}", clipped)
        pane.resize(100, 30)
        pane.wait_for("the whole picture again", lambda: whole(pane))
        assert pane.cells()[1][6].bg in (BLACK, None)
        pane.keys("Escape")
        pane.wait_for("the credits", lambda: pane.text()[0].startswith("Student ID"))
        pane.keys("Enter")
        record = pane.wait_for_end()
        assert record["exit"] == "0", record


if __name__ == "__main__":
    run_tests([test_shrink_and_grow])
