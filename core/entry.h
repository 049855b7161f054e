#ifndef PIRUMO_CORE_ENTRY_H
#define PIRUMO_CORE_ENTRY_H

#include <string>
#include <string_view>

namespace pirumo {

// The entry holds at most this many ASCII digits.
inline constexpr std::size_t kEntryWidth = 12;

// Modulus-11 check character of a digit string: weights 2, 3, ... 13 from
// the rightmost digit, then 11 minus the sum's remainder by 11, where 10
// reads "X" and 11 reads "0". Leading zeros change nothing.
char check_character(std::string_view digits);

// The entry right-aligned in a field of twelve characters, spaces on the left.
std::string entry_display(std::string_view entry);

// The entry and its check character as a screen reader is to say them:
// digit by digit, "番号なし" for no digits.
std::string spoken_entry(std::string_view entry, char check);

// The entry plus or minus one, kept as wide as before by leading zeros.
// The empty entry counts as 0; the value stays within 0 .. 999999999999.
std::string stepped_up(std::string_view entry);
std::string stepped_down(std::string_view entry);

// What a paste makes of the clipboard's text: its first eleven ASCII digits,
// everything else skipped.
std::string pasted_digits(std::string_view text);

} // namespace pirumo

#endif
