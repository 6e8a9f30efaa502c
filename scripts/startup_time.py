#!/usr/bin/python3
"""Milliseconds from starting a program until its first window is mapped.
Usage: startup_time.py PROGRAM [ARGUMENT ...]
Watches the X root window for the first MapNotify after the program starts,
then stops the program. Prints the milliseconds on one line.
"""
import os
import select
import signal
import subprocess
import sys
import time

from Xlib import X, display


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: startup_time.py PROGRAM [ARGUMENT ...]")
    x = display.Display()
    root = x.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    x.sync()
    start = time.monotonic()
    program = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = None
    deadline = start + 30
    while mapped is None and time.monotonic() < deadline:
        select.select([x.display.socket], [], [], 0.5)
        for _ in range(x.pending_events()):
            if x.next_event().type == X.MapNotify:
                mapped = time.monotonic()
                break
    program.send_signal(signal.SIGTERM)
    program.wait()
    if mapped is None:
        sys.exit("no window was mapped within 30 s")
    print(round((mapped - start) * 1000))


if __name__ == "__main__":
    main()
