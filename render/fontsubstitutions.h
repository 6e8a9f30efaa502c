#ifndef FONTSUBSTITUTIONS_H
#define FONTSUBSTITUTIONS_H

// Maps the Windows font families that the panel and the patterns name onto
// the metric-compatible families a Debian system has.
void registerFontSubstitutions();

#endif // FONTSUBSTITUTIONS_H
