#ifndef APPLYPATTERN_H
#define APPLYPATTERN_H

#include "patternname.h"

class dialog;

// Shows the named pattern on the test-pattern window through the window's
// own commands, in the order the control panel sends them, so a name gives
// exactly what the panel gives. Every value the family's picture depends on
// is set, to its default where the name leaves it out: the same name gives
// the same picture whatever was shown before.
void applyPatternName(dialog &window, const PatternName &name);

// The name of what the window shows now, the speeds of its running gray
// sweep and scan lines included.
PatternName currentPatternName(const dialog &window);

#endif // APPLYPATTERN_H
