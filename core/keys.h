#ifndef PIRUMO_CORE_KEYS_H
#define PIRUMO_CORE_KEYS_H

#include <cstdint>

namespace pirumo {

// Virtual-key codes of the keys the entry reacts to. The window turns its
// own key events into these; any other key arrives as a code that matches
// none of them (kNoKey will do).
using KeyCode = std::int16_t;

inline constexpr KeyCode kNoKey = 0;
inline constexpr KeyCode kBackspace = 8;
inline constexpr KeyCode kReturn = 13;
inline constexpr KeyCode kSpace = 32;
inline constexpr KeyCode kUp = 38;
inline constexpr KeyCode kDown = 40;
inline constexpr KeyCode kDigit0 = 48;   // main keyboard "0" .. "9": 48 .. 57
inline constexpr KeyCode kDigit9 = 57;
inline constexpr KeyCode kNumpad0 = 96;  // keypad 0 .. 9: 96 .. 105
inline constexpr KeyCode kNumpad9 = 105;
inline constexpr KeyCode kInsert = 45;
inline constexpr KeyCode kLetterC = 67;  // letters by their capital's code
inline constexpr KeyCode kLetterS = 83;
inline constexpr KeyCode kLetterV = 86;
inline constexpr KeyCode kF1 = 112;
inline constexpr KeyCode kF2 = 113;

// The modifier bits that come with a key.
inline constexpr std::int16_t kShiftBit = 1;
inline constexpr std::int16_t kCtrlBit = 2;
inline constexpr std::int16_t kAltBit = 4;

} // namespace pirumo

#endif
