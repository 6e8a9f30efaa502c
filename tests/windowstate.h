#ifndef WINDOWSTATE_H
#define WINDOWSTATE_H

// How the tests reach into a test-pattern window: its pattern state, the
// picture it decoded, and the few values a test sets to make a walk
// repeatable. Every suite goes through these, so a change in how the window
// holds its state is followed here alone.
#include "dialog.h"

inline const PatternState &stateOf(const dialog &window) { return window.state(); }
inline PatternState &editState(dialog &window) { return window.stateForTest(); }
inline QImage pictureOf(const dialog &window) { return window.pictureForTest(); }

#endif // WINDOWSTATE_H
