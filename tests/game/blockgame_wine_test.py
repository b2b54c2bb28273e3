"""The block game built for Windows, played under Wine in a tmux pane with
the keys and expected screens of the terminal run: the frame, shapes and
colours after each key, the bounds, the credits and the exit status.

Wine's terminal console loses part of the output it renders at start-up (the
frame's bottom and left edges; the console's own cells are right, as the
differential test shows), so only the top and right edges are checked."""

import os
import re
import subprocess
import sys
import tempfile
import time

GAME = os.path.abspath(sys.argv[1])
WINE_EXEC = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                         "wine-exec")

BLUE, YELLOW, WHITE, BLACK = 44, 103, 107, 40
SHAPE_A = ["X...X", "XX.XX", "..X..", "XX.XX"]
SHAPE_B = ["XXXXX", ".X.X.", "XXXXX", ".X.X."]


class Pane:
    def __init__(self):
        self.socket = f"conkit-wine-game-{os.getpid()}"
        self.work = tempfile.mkdtemp()
        self.status = os.path.join(self.work, "status")

    def tmux(self, *args):
        return subprocess.run(["tmux", "-L", self.socket, "-f", "/dev/null", *args],
                              stdin=subprocess.DEVNULL, capture_output=True, text=True,
                              check=True).stdout

    def start(self):
        command = f"{WINE_EXEC} {GAME}; echo $? > {self.status}; sleep 600"
        self.tmux("new-session", "-d", "-x", "80", "-y", "25", command)

    def keys(self, *keys):
        self.tmux("send-keys", "-t", "0", *keys)

    def text(self):
        return self.tmux("capture-pane", "-p", "-t", "0").split("\n")

    def backgrounds(self):
        """Background colour of every cell (None for the default)."""
        grid = []
        for line in self.tmux("capture-pane", "-p", "-e", "-N", "-t", "0").split("\n"):
            row, bg = [], None
            for token in re.finditer(r"\x1b\[([0-9;]*)m|(.)", line):
                if token.group(2) is not None:
                    row.append(bg)
                    continue
                for p in (int(p) if p else 0 for p in token.group(1).split(";")):
                    if p in (0, 49):
                        bg = None
                    elif 40 <= p <= 47 or 100 <= p <= 107:
                        bg = p
            grid.append(row + [None] * (80 - len(row)))
        return grid

    def wait_for(self, what, check, timeout=60.0):
        deadline = time.monotonic() + timeout
        while not check():
            if time.monotonic() > deadline:
                screen = "\n".join(self.text())
                raise AssertionError(f"timed out waiting for {what}; the pane shows:\n{screen}")
            time.sleep(0.1)

    def close(self):
        subprocess.run(["tmux", "-L", self.socket, "kill-server"], capture_output=True)


def block(cells):
    """(left, top, shape rows, colour) of the lit cells inside the frame."""
    inside = [(x, y) for y in range(1, 20) for x in range(1, 60)
              if cells[y][x] not in (BLACK, None)]
    if not inside:
        return None
    left, top = min(x for x, _ in inside), min(y for _, y in inside)
    rows = ["".join("X" if cells[top + dy][left + dx] not in (BLACK, None) else "."
                    for dx in range(5)) for dy in range(4)]
    return left, top, rows, cells[top][left]


def top_and_right_edges(cells):
    return (all(cells[0][x] == BLUE for x in range(61))
            and all(cells[y][60] == BLUE for y in range(20)))


def main():
    pane = Pane()
    try:
        pane.start()
        pane.wait_for("the frame", lambda: top_and_right_edges(pane.backgrounds()))
        assert block(pane.backgrounds()) is None, "a block before any key"

        def press(key, expected):
            pane.keys(key)
            pane.wait_for(f"{key!r} to give {expected}",
                          lambda: block(pane.backgrounds()) == expected, timeout=20)

        press("b", (1, 1, SHAPE_A, YELLOW))
        press("c", (1, 1, SHAPE_A, WHITE))
        press("c", (1, 1, SHAPE_A, BLUE))
        press("c", (1, 1, SHAPE_A, YELLOW))
        press("Space", (1, 1, SHAPE_B, WHITE))
        press("Space", (1, 1, SHAPE_A, YELLOW))
        press("g", (2, 1, SHAPE_A, YELLOW))
        press("f", (2, 2, SHAPE_A, YELLOW))
        press("d", (1, 2, SHAPE_A, YELLOW))
        press("r", (1, 1, SHAPE_A, YELLOW))
        # Upper-case letters are not the game's keys: after them the block
        # still moves from where it was.
        pane.keys("G")
        time.sleep(0.5)
        press("g", (2, 1, SHAPE_A, YELLOW))
        # At the top bound "r" redraws the block in place.
        pane.keys("r")
        time.sleep(0.5)
        press("d", (1, 1, SHAPE_A, YELLOW))

        pane.keys("Escape")
        credits = ["Student ID: 5550172", "name: Tavrel", "Press enter to quit the game"]
        pane.wait_for("the credits", lambda: all(
            line.startswith(text) for line, text in zip(pane.text(), credits)))
        for key in ("x", "b", "Space"):
            pane.keys(key)
        time.sleep(1.0)
        assert not os.path.exists(pane.status), "a key other than Enter ended the game"
        pane.keys("Enter")
        pane.wait_for("the game to end", lambda: os.path.exists(pane.status), timeout=30)
        with open(pane.status) as status:
            code = status.read().strip()
        assert code == "0", f"exit status {code}"
    finally:
        pane.close()


if __name__ == "__main__":
    try:
        main()
    except AssertionError as error:
        print(f"FAIL blockgame under Wine: {error}")
        sys.exit(1)
    print("PASS blockgame under Wine")
