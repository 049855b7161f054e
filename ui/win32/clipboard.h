#ifndef PIRUMO_WIN32_CLIPBOARD_H
#define PIRUMO_WIN32_CLIPBOARD_H

#include <optional>
#include <string>

#include <windows.h>

// Plain Unicode text on the Windows clipboard, owned by the given window.
// Another program may hold the clipboard open for a moment; one that keeps
// it longer makes putting fail (false) and reading give nothing, which is
// not the same as a clipboard without text ("").
bool putClipboardText(HWND owner, const std::wstring &text);
std::optional<std::wstring> clipboardText(HWND owner);

#endif
