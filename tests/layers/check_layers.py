#!/usr/bin/env python3
"""Fails when a file of a lower layer includes a header of a higher one.

The layers, lowest first: the pattern model (pattern), the renderer
(render), the test-pattern window (patternwindow), the control panel
(controlpanel), what drives the program through the panel (cli, export,
settings, remote, wall), and the executable (app). A header is placed in
the layer of the folder it lives in. Relative include paths are resolved,
so "../dialog.h" counts as well.

Besides the order: only the panel reads its Designer form (ui_*.h), and the
model, the renderer and the export know no widgets.
"""
import os
import re
import sys

LAYERS = {
    "pattern": 0,
    "render": 1,
    "patternwindow": 2,
    "controlpanel": 3,
    "cli": 4,
    "export": 4,
    "settings": 4,
    "remote": 4,
    "wall": 4,
    "app": 5,
}
WITHOUT_WIDGETS = {"pattern", "render", "export"}
WIDGET_HEADERS = re.compile(r"^(QtWidgets/|Q(Widget|Application|MainWindow|Dialog|PushButton|SpinBox|Label|"
                            r"AbstractButton|AbstractSlider|Menu|Action|MessageBox|FileDialog|ColorDialog|"
                            r"TableWidget|StackedWidget|ComboBox|CheckBox|RadioButton|Slider)\b)")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]', re.M)
QUOTED = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def folder_of(path):
    return path.split("/", 1)[0]


def sources(root):
    for folder in LAYERS:
        top_dir = os.path.join(root, folder)
        for top, _dirs, files in os.walk(top_dir):
            for name in files:
                if name.endswith((".h", ".cpp")):
                    yield os.path.relpath(os.path.join(top, name), root)


def problems_of(path, text, files, by_name):
    folder = folder_of(path)
    own = LAYERS[folder]
    for include in QUOTED.findall(text):
        name = os.path.basename(include)
        if name.startswith("ui_") and folder != "controlpanel":
            yield f"{path}: includes the panel's form {include}; only controlpanel/ may"
        relative = os.path.normpath(os.path.join(os.path.dirname(path), include))
        targets = [relative] if relative in files else by_name.get(name, [])
        for target in targets:
            if LAYERS[folder_of(target)] > own:
                yield f"{path}: includes {include} ({target}), a higher layer"
            if folder in WITHOUT_WIDGETS and name == "dialog.h":
                yield f"{path}: includes the test-pattern window {include}"
    if folder in WITHOUT_WIDGETS:
        for include in INCLUDE.findall(text):
            if WIDGET_HEADERS.match(include):
                yield f"{path}: includes the widgets header {include}"
    if folder != "controlpanel" and re.search(r"\bfindChild(ren)?\s*<", text):
        yield f"{path}: finds a widget by its name; only controlpanel/ may"


def main(root):
    files = set(sources(root))
    by_name = {}
    for path in files:
        by_name.setdefault(os.path.basename(path), []).append(path)
    problems = []
    for path in sorted(files):
        with open(os.path.join(root, path), encoding="utf-8") as source:
            problems.extend(problems_of(path, source.read(), files, by_name))
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
