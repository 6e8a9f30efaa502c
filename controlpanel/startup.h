#ifndef STARTUP_H
#define STARTUP_H

// Patterns are specified in device pixels: switch the toolkit's high-DPI
// scaling off and ignore the scaling variables of the environment. Must run
// before the application object exists.
void useDevicePixels();

// The program never draws with OpenGL; keep the toolkit from loading it.
void skipOpenGL();

// Maps the Windows font families that the panel and the patterns name onto
// the metric-compatible families a Debian system has.
void registerFontSubstitutions();

#endif // STARTUP_H
