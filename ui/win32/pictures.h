#ifndef PIRUMO_WIN32_PICTURES_H
#define PIRUMO_WIN32_PICTURES_H

#include <windows.h>

// One of PIRUMO's pictures ("up", "down", or a toolbar key) as a 24-bit
// bitmap of the given size, or nullptr for an unknown name. Enlarging repeats
// whole pixels, so the mask colour stays exact and edges stay sharp;
// shrinking averages.
HBITMAP pictureBitmap(const char *name, int width, int height);

#endif
