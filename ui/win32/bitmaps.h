#ifndef PIRUMO_WIN32_BITMAPS_H
#define PIRUMO_WIN32_BITMAPS_H

#include "picturepixels.h"

#include <windows.h>

#include <string_view>

// One of PIRUMO's pictures as a 24-bit bitmap of the given size, each pixel
// the nearest drawn one, its transparent background the mask colour;
// nullptr for an unknown name.
HBITMAP pictureBitmap(std::string_view name, int width, int height);

// The toolbar button's picture, size x size, the same way.
HBITMAP toolbarBitmap(std::string_view key, int size);

// The picture as a 32-bit bitmap with its alpha channel, for an image list
// that blends rather than masks.
HBITMAP alphaBitmap(const PicturePixels &image);

// The picture as a disabled button shows it: light grey, its shape kept.
PicturePixels greyedPicture(const PicturePixels &image);

// The toolbar image list's mask colour.
COLORREF maskColour();

#endif
