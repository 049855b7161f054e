#ifndef PIRUMO_WIN32_PICTURES_H
#define PIRUMO_WIN32_PICTURES_H

#include <windows.h>

// One of PIRUMO's pictures ("up", "down", or a toolbar key) as a 24-bit
// bitmap of the given size, or nullptr for an unknown name. Above its own
// size it starts from the drawing at twice that. Each pixel takes the
// nearest drawn one, so a mask colour stays exact and edges stay sharp, or,
// smooth, the mean of those it covers.
HBITMAP pictureBitmap(const char *name, int width, int height, bool smooth = false);

#endif
