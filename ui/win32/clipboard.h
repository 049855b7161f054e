#ifndef PIRUMO_WIN32_CLIPBOARD_H
#define PIRUMO_WIN32_CLIPBOARD_H

#include <string>

#include <windows.h>

// Plain Unicode text on the Windows clipboard, owned by the given window.
// A clipboard that holds no text, or that another program keeps locked,
// reads as "".
void putClipboardText(HWND owner, const std::wstring &text);
std::wstring clipboardText(HWND owner);

#endif
