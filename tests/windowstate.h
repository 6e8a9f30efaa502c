#ifndef WINDOWSTATE_H
#define WINDOWSTATE_H

// How the tests reach into a test-pattern window: its pattern state, the
// picture it decoded, and the few values a test sets to make a walk
// repeatable; and into the panel's form, which the program reaches only
// inside the panel. Every suite goes through these, so a change in how the
// windows hold their state is followed here alone.
#include "dialog.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

inline const PatternState &stateOf(const dialog &window) { return window.state(); }
inline PatternState &editState(dialog &window) { return window.stateForTest(); }
inline QImage pictureOf(const dialog &window) { return window.pictureForTest(); }
inline Ui::MainWindow *formOf(const MainWindow &panel) { return panel.ui; }

#endif // WINDOWSTATE_H
