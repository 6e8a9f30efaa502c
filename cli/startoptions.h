#ifndef STARTOPTIONS_H
#define STARTOPTIONS_H

#include <QString>

struct CommandLine;
class MainWindow;

// Puts what the command line asks for on the panel and the test-pattern
// window through the panel's WallControl, as an operator would: the
// placement controls show the placement, and a pattern opens the main page
// with the window showing it. A placement outside the controls' ranges is
// refused with a warning. A canvas the window's part does not fit in is
// refused: false, with the reason in *canvasError.
bool applyCommandLine(MainWindow &panel, const CommandLine &line, QString *canvasError);

#endif // STARTOPTIONS_H
