#!/usr/bin/python3
"""Counts the redraws of one X window through the DAMAGE extension.

Usage: count_redraws.py WINDOW SECONDS [PID ...]

Prints the redraws per second of WINDOW over SECONDS and, for each PID, the
percentage of one core that process used meanwhile, on one line.

The damage object reports only whether the window was drawn on since the
counter last looked (the NonEmpty level). Each report is answered by
clearing the damage, so one report stands for one redraw however many
rectangles the redraw sent, as long as the counter keeps up; it wakes on
the first rectangle of a redraw, by which time the X server has usually
handled the redraw's other rectangles too.
"""
import os
import select
import sys
import time

from Xlib import display
from Xlib.ext import damage


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    # utime and stime, fields 14 and 15 of stat(5), counted after the name.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: count_redraws.py WINDOW SECONDS [PID ...]")
    window_id = int(sys.argv[1], 0)
    seconds = float(sys.argv[2])
    pids = sys.argv[3:]

    x = display.Display()
    if not x.has_extension("DAMAGE"):
        sys.exit("the X server has no DAMAGE extension")
    x.damage_query_version()
    notify = x.query_extension("DAMAGE").first_event + damage.DamageNotifyCode
    window = x.create_resource_object("window", window_id)
    watch = window.damage_create(damage.DamageReportNonEmpty)
    x.sync()
    # Anything drawn before the start is not counted.
    while x.pending_events():
        x.next_event()
    x.damage_subtract(watch)
    x.sync()

    cpu_before = [cpu_seconds(pid) for pid in pids]
    start = time.monotonic()
    end = start + seconds
    redraws = 0
    while True:
        left = end - time.monotonic()
        if left <= 0:
            break
        # Events the library already read (while it waited for a reply) no
        # longer show on the socket: wait only when none is queued.
        if not x.pending_events():
            select.select([x.display.socket], [], [], left)
        reported = False
        for _ in range(x.pending_events()):
            if x.next_event().type == notify:
                reported = True
        if reported:
            redraws += 1
            x.damage_subtract(watch)
            x.flush()
    elapsed = time.monotonic() - start
    cpu = [100 * (cpu_seconds(pid) - before) / elapsed for pid, before in zip(pids, cpu_before)]
    print(" ".join([f"{redraws / elapsed:.0f}"] + [f"{c:.0f}" for c in cpu]))


if __name__ == "__main__":
    main()
