#ifndef PIRUMO_WIN32_SCREENREADERS_H
#define PIRUMO_WIN32_SCREENREADERS_H

#include <windows.h>

#include <string>

// What a control tells screen readers beyond its name and text. Both calls
// do nothing where this Windows lacks what they need. COM must be
// initialised on the calling thread.

// Gives the control a description (Windows' dynamic annotation), read with
// its name when it takes the keyboard.
void describeToScreenReaders(HWND control, const std::wstring &description);

// Has screen readers say text once, now, as news from the control (a UI
// Automation notification, Windows 10 1709 and later).
void notifyScreenReaders(HWND control, const std::wstring &text);

#endif
