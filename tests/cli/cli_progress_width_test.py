"""The progress line on a real terminal (a pseudo-terminal) of 20 columns, then of 32 after a
resize: no line drawn is wider than the terminal less one column, and the new width is used once
the terminal says it changed.

    cli_progress_width_test.py PROGRAM
"""
import fcntl
import os
import pty
import re
import struct
import sys
import tempfile
import termios
import time


def set_columns(fd, columns):
    fcntl.ioctl(fd, termios.TIOCSWINSZ, struct.pack("HHHH", 24, columns, 0, 0))


def widths(output):
    """The widths of the progress lines drawn, each between a carriage return and its clearing."""
    return [len(part.split(b"\x1b[K")[0]) for part in output.split(b"\r") if b"\x1b[K" in part]


def main(program):
    work = tempfile.mkdtemp()
    pid, master = pty.fork()
    if pid == 0:
        os.environ["XDG_STATE_HOME"] = work
        os.execv(program, [program, "--no-journal", "F #######", "3000000", work])
    set_columns(master, 20)
    seen = b""
    start = time.monotonic()
    resized = False
    resized_at = 0
    while time.monotonic() - start < 4:
        try:
            seen += os.read(master, 4096)
        except OSError:
            break
        if not resized and time.monotonic() - start > 1.5:
            resized_at = len(seen)
            set_columns(master, 32)
            resized = True
    os.kill(pid, 15)
    try:
        while True:
            seen += os.read(master, 4096)
    except OSError:
        pass
    os.waitpid(pid, 0)
    before = widths(seen[:resized_at])
    after = widths(seen[resized_at:])
    failures = []
    if not before or max(before) > 19:
        failures.append(f"at 20 columns lines of {before}")
    if not after or max(after) > 31 or max(after) <= 19:
        failures.append(f"at 32 columns lines of {after}")
    os.system(f"rm -rf '{work}'")
    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


sys.exit(main(sys.argv[1]))
