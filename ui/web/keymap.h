#ifndef PIRUMO_WEB_KEYMAP_H
#define PIRUMO_WEB_KEYMAP_H

#include "keys.h"

#include <string_view>

// The key code the calculator expects for a browser's key event, from the
// key's place (KeyboardEvent.code), so the main digit row types digits on
// any layout; the keypad's digits only while NumLock makes them digits, and
// the letters by the character they type (KeyboardEvent.key). kNoKey for a
// key the calculator has no use for, which the page leaves to the browser.
pirumo::KeyCode keyFromEvent(std::string_view code, std::string_view key);

#endif
