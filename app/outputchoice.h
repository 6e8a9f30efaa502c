#ifndef OUTPUTCHOICE_H
#define OUTPUTCHOICE_H

#include <QString>

class QWidget;

// --fullscreen --output NAME. Wayland lets no program place its window, but
// it does show one full screen on the output the program names; X11 does
// both. NAME is the output's name as the desktop gives it (QScreen::name()).
//
// Moves the not yet shown `window` onto the output called `name` and over
// all of it, so that going full screen fills that output, with a window
// manager or without. An empty name leaves the window be. False, with the
// names there are in *error, when no output has that name.
bool placeOnOutput(QWidget &window, const QString &name, QString *error);

#endif // OUTPUTCHOICE_H
