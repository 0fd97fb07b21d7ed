#!/usr/bin/env python3
"""The Windows program under Wine, on a pseudo-terminal (a console for Wine): Ctrl-C at the
title screen ends it with STATUS_CONTROL_C_EXIT, of which Wine passes on the low byte.

Usage: windows_ctrl_c.py GAME [ARGUMENTS...], the command that starts the game under Wine.
"""

import fcntl
import os
import select
import subprocess
import sys
import termios
import time

STATUS_CONTROL_C_EXIT = 0xC000013A


def main(command):
    master, slave = os.openpty()
    game = subprocess.Popen(command, stdin=slave, stdout=slave, stderr=slave,
                            start_new_session=True,
                            preexec_fn=lambda: fcntl.ioctl(0, termios.TIOCSCTTY, 0))
    os.close(slave)
    shown = b""
    deadline = time.monotonic() + 60
    while b"Press Enter to continue" not in shown and time.monotonic() < deadline:
        if select.select([master], [], [], 0.2)[0]:
            try:
                shown += os.read(master, 65536)
            except OSError:
                break
    os.write(master, b"\x03")
    try:
        status = game.wait(30)
    except subprocess.TimeoutExpired:
        game.kill()
        print("windows_ctrl_c: the game went on after Ctrl-C", file=sys.stderr)
        return 1
    if status != STATUS_CONTROL_C_EXIT & 0xFF:
        print(f"windows_ctrl_c: Ctrl-C ended the game with status {status}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
