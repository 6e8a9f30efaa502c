#ifndef DEVICEPIXELS_H
#define DEVICEPIXELS_H

// Patterns are specified in device pixels: switch the toolkit's high-DPI
// scaling off and ignore the scaling variables of the environment. Must run
// before the application object exists.
void useDevicePixels();

#endif // DEVICEPIXELS_H
