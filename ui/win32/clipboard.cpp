#include "clipboard.h"

#include <cstring>

namespace {

// Another program may hold the clipboard open for a moment: try a few times.
bool openClipboard(HWND owner)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(10);
    }
    return false;
}

} // namespace

void putClipboardText(HWND owner, const std::wstring &text)
{
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return;
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!openClipboard(owner)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, memory))
        GlobalFree(memory);  // still ours when the clipboard did not take it
    CloseClipboard();
}

std::wstring clipboardText(HWND owner)
{
    std::wstring text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !openClipboard(owner))
        return text;
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *chars = static_cast<const wchar_t *>(GlobalLock(memory))) {
            // Up to the first NUL, and never past the block's end.
            const SIZE_T capacity = GlobalSize(memory) / sizeof(wchar_t);
            SIZE_T length = 0;
            while (length < capacity && chars[length] != L'\0')
                ++length;
            text.assign(chars, length);
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    return text;
}
