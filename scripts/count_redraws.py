#!/usr/bin/python3
"""Counts the redraws of one X window and the CPU its processes use.

Usage: count_redraws.py WINDOW SECONDS [--frames URL TOKEN] [PID ...]

Prints the redraws per second of WINDOW over SECONDS and, for each PID, the
percentage of one core that process used meanwhile, on one line.

Without --frames the redraws are counted through the DAMAGE extension. The
damage object reports only whether the window was drawn on since the
counter last looked (the NonEmpty level), and each report is answered by
clearing the damage. That counts a redraw sent as one rectangle once, as
the floor's are; a redraw of many rectangles that keeps the X server busy
for milliseconds is counted again each time the counter clears the damage
in the middle of it.

With --frames the redraws are walltest's own count, the "per_second" of
the "frames" in URL/api/state, read once a second and averaged: each frame
shown once, however many rectangles and parts it was painted in.
"""
import json
import os
import select
import sys
import time
import urllib.request

from Xlib import display
from Xlib.ext import damage


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    # utime and stime, fields 14 and 15 of stat(5), counted after the name.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def damage_redraws(window_id, seconds):
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
    return redraws / (time.monotonic() - start)


def walltest_frames(url, token, seconds):
    request = urllib.request.Request(url.split("?")[0].rstrip("/") + "/api/state", headers={"Authorization": f"Bearer {token}"})
    opener = urllib.request.build_opener(urllib.request.ProxyHandler({}))
    samples = []
    start = time.monotonic()
    for second in range(1, int(seconds) + 1):
        time.sleep(max(0.0, start + second - time.monotonic()))
        with opener.open(request, timeout=2) as reply:
            samples.append(json.load(reply)["frames"]["per_second"])
    return sum(samples) / len(samples)


def main():
    args = sys.argv[1:]
    if len(args) < 2:
        sys.exit("usage: count_redraws.py WINDOW SECONDS [--frames URL TOKEN] [PID ...]")
    window_id = int(args[0], 0)
    seconds = float(args[1])
    frames = None
    pids = args[2:]
    if pids[:1] == ["--frames"]:
        frames = pids[1:3]
        pids = pids[3:]

    cpu_before = [cpu_seconds(pid) for pid in pids]
    start = time.monotonic()
    if frames:
        redraws = walltest_frames(frames[0], frames[1], seconds)
    else:
        redraws = damage_redraws(window_id, seconds)
    elapsed = time.monotonic() - start
    cpu = [100 * (cpu_seconds(pid) - before) / elapsed for pid, before in zip(pids, cpu_before)]
    print(" ".join([f"{redraws:.0f}"] + [f"{c:.0f}" for c in cpu]))


if __name__ == "__main__":
    main()
