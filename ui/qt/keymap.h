#ifndef PIRUMO_UI_KEYMAP_H
#define PIRUMO_UI_KEYMAP_H

#include "keys.h"

class QKeyEvent;

// The calculator's virtual-key code for a Qt key press. Digits count by the
// physical key, so Shift+1 is still 1; keys the calculator does not know
// become kNoKey.
pirumo::KeyCode virtualKeyCode(const QKeyEvent &event);

// Shift, Ctrl and Alt as the bits 1, 2 and 4.
std::int16_t shiftState(const QKeyEvent &event);

#endif
