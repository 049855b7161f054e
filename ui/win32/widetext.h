#ifndef PIRUMO_WIN32_WIDETEXT_H
#define PIRUMO_WIN32_WIDETEXT_H

#include <string>
#include <string_view>

// The calculator speaks UTF-8, Windows UTF-16: these convert at the border.
// Anything that is not valid in the source becomes U+FFFD.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

#endif
