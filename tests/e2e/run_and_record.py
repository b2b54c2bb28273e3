"""Runs a program on this terminal as a child and records, in the given
folder, how it ended: its wait status, the tty settings (stty -g) before and
after, its CPU time and how long it ran. Then prints a marker line and waits,
so that the test can look at the terminal as the program left it.

The wrapper itself ignores the terminal's signals so that it outlives the
program; the program gets them with their default handling (or SIGHUP
ignored, with --ignore-hangup, as under nohup)."""

import argparse
import os
import signal
import subprocess
import sys
import time

parser = argparse.ArgumentParser(usage="%(prog)s folder [--stdin FILE] [--ignore-hangup] -- program")
parser.add_argument("folder")
parser.add_argument("--stdin")
parser.add_argument("--ignore-hangup", action="store_true")
split = sys.argv.index("--")
options = parser.parse_args(sys.argv[1:split])
program = sys.argv[split + 1:]


def stty():
    try:
        return subprocess.run(["stty", "-g"], stdin=0, capture_output=True, text=True).stdout.strip()
    except OSError:
        return ""


for terminal_signal in (signal.SIGINT, signal.SIGQUIT, signal.SIGHUP, signal.SIGTSTP):
    signal.signal(terminal_signal, signal.SIG_IGN)

before = stty()
stderr = os.open(os.path.join(options.folder, "stderr"), os.O_WRONLY | os.O_CREAT | os.O_TRUNC)
started = time.time()
child = os.fork()
if child == 0:
    for terminal_signal in (signal.SIGINT, signal.SIGQUIT, signal.SIGHUP, signal.SIGTSTP):
        signal.signal(terminal_signal, signal.SIG_DFL)
    if options.ignore_hangup:
        signal.signal(signal.SIGHUP, signal.SIG_IGN)
    if options.stdin:
        os.dup2(os.open(options.stdin, os.O_RDONLY), 0)
    os.dup2(stderr, 2)
    os.execv(program[0], program)

with open(os.path.join(options.folder, "pid"), "w") as pid:
    pid.write(str(child))
_, status, usage = os.wait4(child, 0)
ended = time.time()
after = stty()

record = {
    "exit": os.WEXITSTATUS(status) if os.WIFEXITED(status) else "",
    "signal": os.WTERMSIG(status) if os.WIFSIGNALED(status) else "",
    "stty_before": before,
    "stty_after": after,
    "cpu": usage.ru_utime + usage.ru_stime,
    "started": started,
    "ended": ended,
}
path = os.path.join(options.folder, "status")
with open(path + ".tmp", "w") as out:
    for key, value in record.items():
        out.write(f"{key}={value}\n")
    out.write("status=done\n")
os.rename(path + ".tmp", path)
try:
    sys.stdout.write("after-the-program\n")
    sys.stdout.flush()
except OSError:
    pass
time.sleep(600)
