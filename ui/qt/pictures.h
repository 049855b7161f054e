#ifndef PIRUMO_UI_PICTURES_H
#define PIRUMO_UI_PICTURES_H

#include <QPixmap>

class QString;

// PIRUMO's pictures, compiled in from res/*.xpm: "pirumo" (the icon), "up",
// "down", and the toolbar's "log", "save", "copy", "paste", "help", "end".
// Scale 2 gives the picture drawn at twice the size, for dense screens.
// Decoding them needs no image-format plugin, which keeps start-up short.
QPixmap picture(const QString &name, int scale = 1);

#endif
