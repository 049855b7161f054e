#ifndef PIRUMO_QT_PIXMAPS_H
#define PIRUMO_QT_PIXMAPS_H

#include <QIcon>
#include <QPixmap>

#include <string_view>

// One of PIRUMO's pictures (see picturepixels.h) as drawn at scale 1, or 2
// for dense screens, with that device pixel ratio.
QPixmap picture(std::string_view name, int scale = 1);

// The picture as drawn for ordinary and for dense screens, so that Qt never
// has to enlarge one and blur it.
QIcon pictureIcon(std::string_view name);

// The toolbar button's picture at both scales.
QIcon toolbarIcon(std::string_view key);

#endif
