"""The block game with its standard streams redirected: keys written to its
input pipe one at a time are played (each one's drawing reaches the output),
Escape shows the credits and Enter ends the game with status 0. When the
input ends and no key is left, the game ends with status 74 and one line on
stderr: with input from /dev/null, and after the keys of a closed pipe, whose
last ESC is the Escape key.

piped_input_test.py blockgame, or piped_input_test.py LAUNCHER blockgame.exe
for the Windows build under Wine, which must behave the same."""

import subprocess
import sys
import threading
import time

from tmux_pane import run_tests

COMMAND = sys.argv[1:]
# A launched program may take minutes to start where Wine runs under
# emulation.
START_TIMEOUT = 300 if len(COMMAND) > 1 else 20
KEY_TIMEOUT = 30
CREDITS = b"Press enter to quit the game"
INPUT_ENDED = "blockgame: input ended\n"


class Game:
    """The game with pipes for its standard streams; what it writes is
    collected as it comes."""

    def __init__(self, stdin=subprocess.PIPE):
        self.process = subprocess.Popen(COMMAND, stdin=stdin, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE)
        self.output = bytearray()
        self.reader = threading.Thread(target=self.collect, daemon=True)
        self.reader.start()

    def collect(self):
        while chunk := self.process.stdout.read1(4096):
            self.output += chunk

    def wait_for_output(self, what, check, timeout):
        deadline = time.monotonic() + timeout
        while not check(bytes(self.output)):
            assert self.process.poll() is None, f"the game ended waiting for {what}"
            assert time.monotonic() < deadline, f"timed out waiting for {what}"
            time.sleep(0.02)

    def press(self, key):
        """Writes key alone and waits until its drawing has come out: a key
        that arrived with another one would be thrown away with it."""
        before = len(self.output)
        self.process.stdin.write(key)
        self.process.stdin.flush()
        self.wait_for_output(f"{key!r} to be played", lambda out: len(out) > before, KEY_TIMEOUT)

    def end(self, timeout):
        """The exit status and stderr once the game has ended."""
        try:
            self.process.wait(timeout=timeout)
        finally:
            self.process.kill()
        self.reader.join()
        return self.process.returncode, self.process.stderr.read().decode()


def test_keys_written_one_at_a_time_are_played_until_enter():
    game = Game()
    game.wait_for_output("the frame", lambda out: len(out) > 0, START_TIMEOUT)
    for key in (b"b", b"g", b"g", b"f", b"c", b" "):
        game.press(key)
    game.process.stdin.write(b"\x1b")
    game.process.stdin.flush()
    game.wait_for_output("the credits", lambda out: out.endswith(CREDITS), KEY_TIMEOUT)
    game.process.stdin.write(b"\r")
    game.process.stdin.flush()
    assert game.end(KEY_TIMEOUT) == (0, "")


def test_the_end_of_the_input_ends_the_game_with_a_message():
    status = Game(stdin=subprocess.DEVNULL).end(START_TIMEOUT)
    assert status == (74, INPUT_ENDED), status

    game = Game()
    game.process.stdin.write(b"b\x1b")
    game.process.stdin.close()
    status = game.end(START_TIMEOUT)
    assert status == (74, INPUT_ENDED), status
    assert game.output.endswith(CREDITS), bytes(game.output[-80:])


if __name__ == "__main__":
    run_tests([test_keys_written_one_at_a_time_are_played_until_enter,
               test_the_end_of_the_input_ends_the_game_with_a_message])
