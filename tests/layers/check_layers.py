#!/usr/bin/env python3
"""Fails when a file of a lower layer includes a header of a higher one.

The layers, lowest first: the renderer (patternwindow/render), the
test-pattern window (patternwindow), then what drives the window (the
control panel and the folders beside it). A header is placed in the layer
of the folder it lives in; generated ui_*.h headers belong to the panel.
Relative include paths are resolved, so "../dialog.h" counts as well.
"""
import os
import re
import sys

LAYERS = [("patternwindow/render", 0), ("patternwindow", 1)]
DRIVERS = 2
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
SKIP = {"tests", "bench", "gallery", "build", ".git"}


def layer_of(path):
    for folder, layer in LAYERS:
        if path == folder or path.startswith(folder + "/"):
            return layer
    return DRIVERS


def sources(root):
    for top, dirs, files in os.walk(root):
        rel_top = os.path.relpath(top, root)
        dirs[:] = [d for d in dirs if d not in SKIP and not d.startswith("build")]
        for name in files:
            if name.endswith((".h", ".cpp")):
                yield os.path.normpath(os.path.join(rel_top, name))


def main(root):
    files = set(sources(root))
    by_name = {}
    for path in files:
        by_name.setdefault(os.path.basename(path), []).append(path)
    problems = []
    for path in sorted(files):
        own = layer_of(path)
        with open(os.path.join(root, path), encoding="utf-8") as source:
            text = source.read()
        for include in INCLUDE.findall(text):
            relative = os.path.normpath(os.path.join(os.path.dirname(path), include))
            if relative in files:
                targets = [relative]
            elif os.path.basename(include).startswith("ui_"):
                targets = ["controlpanel/" + os.path.basename(include)]
            else:
                targets = by_name.get(os.path.basename(include), [])
            for target in targets:
                if layer_of(target) > own:
                    problems.append(f"{path}: includes {include} ({target}), a higher layer")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
