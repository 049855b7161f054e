#ifndef PIRUMO_RES_DRAWINGS_H
#define PIRUMO_RES_DRAWINGS_H

// Every picture of PIRUMO, drawn by tools/draw_pictures.py as XPM text at
// its own size and at twice that for dense screens: one character a pixel,
// colours as "#RRGGBB". Every front end compiles them in.

#include "copy.xpm"
#include "copy@2x.xpm"
#include "down.xpm"
#include "down@2x.xpm"
#include "end.xpm"
#include "end@2x.xpm"
#include "help.xpm"
#include "help@2x.xpm"
#include "log.xpm"
#include "log@2x.xpm"
#include "paste.xpm"
#include "paste@2x.xpm"
#include "pirumo.xpm"
#include "pirumo@2x.xpm"
#include "save.xpm"
#include "save@2x.xpm"
#include "up.xpm"
#include "up@2x.xpm"

namespace pirumo::drawings {

struct Drawing
{
    const char *name;
    const char *const *xpm;
    const char *const *xpm2x;  // the same at twice the size
};

// "pirumo" is the window icon, "up" and "down" the step buttons, the rest
// the toolbar's pictures under the keys of their buttons.
inline constexpr Drawing kAll[] = {
    {"pirumo", pirumo_xpm, pirumo_2x_xpm}, {"up", up_xpm, up_2x_xpm}, {"down", down_xpm, down_2x_xpm},
    {"log", log_xpm, log_2x_xpm}, {"save", save_xpm, save_2x_xpm}, {"copy", copy_xpm, copy_2x_xpm},
    {"paste", paste_xpm, paste_2x_xpm}, {"help", help_xpm, help_2x_xpm}, {"end", end_xpm, end_2x_xpm}};

} // namespace pirumo::drawings

#endif
