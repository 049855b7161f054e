#ifndef PIRUMO_UI_PICTURES_H
#define PIRUMO_UI_PICTURES_H

#include <QPixmap>

#include <string_view>

// One of PIRUMO's pictures (see picturepixels.h) as drawn at scale 1, or 2
// for dense screens, with that device pixel ratio.
QPixmap picture(std::string_view name, int scale = 1);

// The same, smoothly shrunk to size (given at scale 1).
QPixmap shrunkPicture(std::string_view name, QSize size, int scale);

#endif
