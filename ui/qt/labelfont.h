#ifndef PIRUMO_UI_LABELFONT_H
#define PIRUMO_UI_LABELFONT_H

#include <QFont>

// A font for a label that lines text up by padding it with spaces: the first
// of PIRUMO's label faces (then any other fixed-pitch face) whose characters
// are all as wide as a space and in which sample fits width pixels; where
// none fits at pixelSize, the first such face a pixel smaller, and so on
// until it fits or reaches the smallest size.
QFont labelFont(int pixelSize, QFont::Weight weight, const QString &sample, int width);

#endif
