#ifndef PIRUMO_RES_PICTURES_H
#define PIRUMO_RES_PICTURES_H

// Every picture of PIRUMO, drawn by tools/draw_pictures.py as XPM text: one
// character a pixel, colours as "#RRGGBB". Both front ends compile them in.

#include "copy.xpm"
#include "down.xpm"
#include "end.xpm"
#include "help.xpm"
#include "log.xpm"
#include "paste.xpm"
#include "pirumo.xpm"
#include "save.xpm"
#include "up.xpm"

namespace pirumo::pictures {

struct Picture
{
    const char *name;
    const char *const *xpm;
};

// "pirumo" is the window icon, "up" and "down" the step buttons, the rest
// the toolbar's pictures under the keys of their buttons.
inline constexpr Picture kAll[] = {
    {"pirumo", pirumo_xpm}, {"up", up_xpm}, {"down", down_xpm}, {"log", log_xpm},
    {"save", save_xpm}, {"copy", copy_xpm}, {"paste", paste_xpm}, {"help", help_xpm},
    {"end", end_xpm}};

} // namespace pirumo::pictures

#endif
