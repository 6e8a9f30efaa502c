#ifndef PLATFORMCHOICE_H
#define PLATFORMCHOICE_H

class QMainWindow;

// On a Wayland desktop the compositor, not the program, places a top-level
// window, while Qt goes on reporting the position that was asked for: the
// test-pattern window would miss the wall with the placement numbers saying
// it is right. Through XWayland the placement is exact.

// Asks for the X11 platform, falling back to Wayland when no X server
// answers, on a Wayland desktop where the user named no platform. True when
// it did. Run before the application object exists.
bool preferXWayland(int argc, char **argv);

// Says once on the log which way the program went; on Wayland itself also
// on the panel, since there the window's position is the compositor's.
void reportPlatform(QMainWindow &panel, bool preferredXWayland);

#endif // PLATFORMCHOICE_H
