#ifndef PIRUMO_WIN32_PICTURES_H
#define PIRUMO_WIN32_PICTURES_H

#include <windows.h>

#include <string_view>

// One of PIRUMO's pictures as a 24-bit bitmap of the given size, sampled as
// resizedPicture does, its transparent background silver for the image
// list's mask; nullptr for an unknown name.
HBITMAP pictureBitmap(std::string_view name, int width, int height, bool smooth = false);

#endif
