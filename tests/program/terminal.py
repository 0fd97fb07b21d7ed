#!/usr/bin/env python3
"""The game on a real terminal (a pseudo-terminal): the title is pushed, set and given back,
long lines (the notices on standard error too) are broken at the terminal's width and at its new
width after a resize, Ctrl-C gives
the title back before the game stops, a dumb terminal gets no titles, and the run is kept in
the user's state folder and offered again on the next start.

Usage: terminal.py GAME [ARGUMENTS...], the command that starts the game.
"""

import fcntl
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import termios
import time

PUSH_TITLE = b"\033[22;0t"
SET_TITLE = b"\033]0;Quillmarrow\a"
POP_TITLE = b"\033[23;0t"
ESCAPE = re.compile(rb"\033\[[0-9;]*[@-~]|\033\][^\a]*\a")

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


class Terminal:
    """The game started on a new pseudo-terminal of the given width."""

    def __init__(self, command, columns, term="xterm", environment=None):
        self.master, slave = os.openpty()
        self.resize(columns)
        # At a terminal the game keeps the run in the user's state folder: unless told another,
        # each game gets an empty one of its own, so that it neither offers nor overwrites the
        # run of whoever runs the tests.
        self.state = None
        if environment is None:
            self.state = tempfile.mkdtemp()
            environment = dict(os.environ, HOME=self.state,
                               XDG_STATE_HOME=os.path.join(self.state, "state"))
        # A session of its own, with this terminal as its controlling terminal, so that Ctrl-C
        # typed at it sends SIGINT to the game.
        self.game = subprocess.Popen(
            command, stdin=slave, stdout=slave, stderr=slave,
            env=dict(environment, TERM=term),
            start_new_session=True, preexec_fn=lambda: fcntl.ioctl(0, termios.TIOCSCTTY, 0))
        os.close(slave)
        self.screen = b""

    def resize(self, columns):
        fcntl.ioctl(self.master, termios.TIOCSWINSZ, struct.pack("HHHH", 24, columns, 0, 0))

    def read_until(self, text, seconds=10):
        """Reads what the game shows until `text` stands in what it shows from now on (or the
        game ends)."""
        start = len(self.screen)
        deadline = time.monotonic() + seconds
        while text not in self.screen[start:] and time.monotonic() < deadline:
            ready, _, _ = select.select([self.master], [], [], 0.1)
            if not ready:
                continue
            try:
                chunk = os.read(self.master, 65536)
            except OSError:  # the game has gone and closed the terminal
                return
            if not chunk:
                return
            self.screen += chunk
        check(text in self.screen[start:], f"never showed {text!r}")

    def type(self, text):
        os.write(self.master, text)

    def drain(self):
        """Reads whatever is left to show."""
        while select.select([self.master], [], [], 0.2)[0]:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:
                return
            if not chunk:
                return
            self.screen += chunk

    def finish(self):
        try:
            status = self.game.wait(10)
        except subprocess.TimeoutExpired:
            self.game.kill()
            status = None
        self.drain()
        os.close(self.master)
        if self.state:
            shutil.rmtree(self.state)
        return status


def widest_line(screen):
    """The widest line shown, in columns, escape sequences left out."""
    return max(len(line) for line in ESCAPE.sub(b"", screen).replace(b"\r", b"").split(b"\n"))


def main(command):
    # Titles and wrapping: 40 columns, then 60 after a resize.
    terminal = Terminal(command, 40)
    terminal.read_until(b"Press Enter to continue")
    check(terminal.screen.startswith(PUSH_TITLE + SET_TITLE), "title not pushed, then set")
    terminal.type(b"\n")
    terminal.read_until(b"C for Choose, and R for random")
    terminal.type(b"C\n")
    terminal.read_until(b"of the races?")
    narrow = terminal.screen
    check(widest_line(narrow) <= 40, f"a line wider than 40 columns: {widest_line(narrow)}")
    check(widest_line(narrow) >= 30, "lines broken far short of the width")
    terminal.resize(60)
    terminal.game.send_signal(signal.SIGWINCH)
    time.sleep(0.2)
    terminal.type(b"E\n")  # the races explained: long lines again
    terminal.read_until(b"Press Enter to continue")
    terminal.type(b"\n")
    terminal.read_until(b"Press Enter to continue")
    wide = terminal.screen[len(narrow):]
    check(40 < widest_line(wide) <= 60, f"after the resize the widest line is {widest_line(wide)}")
    terminal.type(b"\x04")  # Ctrl-D at the start of a line: the end of the input
    check(terminal.finish() == 0, "Ctrl-D: the game did not end with status 0")
    check(terminal.screen.rstrip(b"\r\n").endswith(POP_TITLE), "Ctrl-D: the title not given back")

    # Ctrl-C gives the title back, then stops the game as Ctrl-C stops any program.
    terminal = Terminal(command, 80)
    terminal.read_until(b"Press Enter to continue")
    terminal.type(b"\x03")
    check(terminal.finish() == -signal.SIGINT, "Ctrl-C: the game did not stop by the signal")
    check(POP_TITLE in terminal.screen, "Ctrl-C: the title not given back")

    # A dumb terminal takes no titles, but long lines are still broken, the notices on standard
    # error among them.
    terminal = Terminal(command + ["--save", "no-such-folder/save"], 40, term="dumb")
    terminal.read_until(b"Press Enter to continue")
    terminal.type(b"\x04")
    terminal.finish()
    check(b"\033" not in terminal.screen, "a dumb terminal got escape sequences")
    shown = terminal.screen.replace(b"\r\n", b" ")
    check(widest_line(terminal.screen) <= 40 and
          b"cannot take the run in no-such-folder/save for this game alone" in shown,
          f"the notice was not broken between words: {terminal.screen[:200]!r}")

    # At a terminal the run is kept in the user's state folder, made for the user alone, and
    # offered again on the next start.
    state = tempfile.mkdtemp()
    try:
        environment = dict(os.environ, HOME=state, XDG_STATE_HOME=os.path.join(state, "state"))
        with open(os.path.join(os.path.dirname(__file__), "short_game.txt"), "rb") as f:
            to_the_hub = b"\n".join(f.read().split(b"\n")[:21]) + b"\n"
        terminal = Terminal(command + ["--seed", "7"], 200, environment=environment)
        for line in to_the_hub.split(b"\n")[:-1]:
            terminal.type(line + b"\n")
            time.sleep(0.01)
        terminal.read_until(b"Lets wait around a bit. (W)")
        terminal.type(b"\x04")
        terminal.finish()
        folder = os.path.join(state, "state", "quillmarrow")
        check(os.path.isfile(os.path.join(folder, "save")), "no run kept in the state folder")
        check(os.path.isdir(folder) and os.stat(folder).st_mode & 0o777 == 0o700,
              "the state folder is not the user's alone")
        terminal = Terminal(command, 200, environment=environment)
        terminal.read_until(b"is still in Sandpoint.")
        terminal.type(b"C\n")
        terminal.read_until(b"Lets wait around a bit. (W)")
        terminal.type(b"\x04")
        terminal.finish()
    finally:
        shutil.rmtree(state)

    for failure in failures:
        print(f"terminal: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
