#ifndef PIRUMO_UI_KEYMAP_H
#define PIRUMO_UI_KEYMAP_H

#include "keys.h"

class QKeyEvent;

// Where a key event comes from decides what its native codes mean.
enum class KeySource {
    X11,      // X11 and Wayland: the native scan code names the physical key
    Windows,  // the native virtual key is already the calculator's code
    MacOS,    // the native virtual key is a kVK_ code of the physical key
    Other,
};

// The key source of the running Qt platform.
KeySource currentKeySource();

// The calculator's virtual-key code for a Qt key press. Digits count by the
// physical key, so Shift+1 is still 1 on any layout; keys the calculator
// does not know become kNoKey, or on Windows stay their own code.
pirumo::KeyCode virtualKeyCode(const QKeyEvent &event, KeySource source);

// Shift, Ctrl and Alt as the calculator's modifier bits.
std::int16_t shiftState(const QKeyEvent &event);

#endif
