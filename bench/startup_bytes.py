"""Bytes the game writes from its start until its first frame is drawn, on a
pseudo-terminal of each size given (default 80x25 and 200x60). The script
plays the terminal: it answers the cursor position query with row 1,
column 1 and the device attributes query, as a terminal does.

    python3 bench/startup_bytes.py build/release/game/blockgame [80x25 200x60]
"""

import fcntl
import os
import pty
import select
import signal
import struct
import sys
import termios
import time


def startup_bytes(game, columns, rows):
    pid, master = pty.fork()
    if pid == 0:
        fcntl.ioctl(0, termios.TIOCSWINSZ, struct.pack("HHHH", rows, columns, 0, 0))
        os.environ.update({"TERM": "xterm-256color", "LANG": "C.UTF-8"})
        os.execv(game, [game])
    written = b""
    answered = False
    quiet_since = time.monotonic()
    while time.monotonic() - quiet_since < 0.5:
        ready, _, _ = select.select([master], [], [], 0.05)
        if not ready:
            continue
        chunk = os.read(master, 65536)
        written += chunk
        quiet_since = time.monotonic()
        if not answered and b"\x1b[c" in written:
            os.write(master, b"\x1b[1;1R\x1b[?62;22c")
            answered = True
    os.kill(pid, signal.SIGKILL)
    os.waitpid(pid, 0)
    os.close(master)
    return len(written)


def main():
    game = sys.argv[1]
    for size in sys.argv[2:] or ["80x25", "200x60"]:
        columns, rows = (int(n) for n in size.split("x"))
        print(f"{size}: {startup_bytes(game, columns, rows)} bytes until the first frame")


if __name__ == "__main__":
    main()
