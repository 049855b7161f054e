#ifndef PIRUMO_WIN32_LABELFONT_H
#define PIRUMO_WIN32_LABELFONT_H

#include <windows.h>

#include <string>

// A font for a label that lines the number up by padding it with spaces:
// the first of PIRUMO's label faces, then Consolas, Courier New and any
// fixed-pitch face Windows offers, in which sample fits the label's width
// and whose glyphs keep a clear pixel row above and below inside the label's
// height. Where a face is there but too big, it is tried a pixel smaller,
// down to smallest pixels.
HFONT labelFont(int pixels, int smallest, int weight, const std::wstring &sample, SIZE label);

#endif
