#include "clipboard.h"

#include <cstring>

namespace {

// Another program may hold the clipboard open for a moment: try for half a second.
bool openClipboard(HWND owner)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(25);
    }
    return false;
}

} // namespace

bool putClipboardText(HWND owner, const std::wstring &text)
{
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return false;
    void *locked = GlobalLock(memory);
    if (!locked) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(locked, text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!openClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool taken = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!taken)
        GlobalFree(memory);  // still ours when the clipboard did not take it
    CloseClipboard();
    return taken;
}

std::optional<std::wstring> clipboardText(HWND owner)
{
    std::wstring text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT))
        return text;
    if (!openClipboard(owner))
        return std::nullopt;
    bool read = false;
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *chars = static_cast<const wchar_t *>(GlobalLock(memory))) {
            // Up to the first NUL, and never past the block's end.
            const SIZE_T capacity = GlobalSize(memory) / sizeof(wchar_t);
            SIZE_T length = 0;
            while (length < capacity && chars[length] != L'\0')
                ++length;
            text.assign(chars, length);
            GlobalUnlock(memory);
            read = true;
        }
    }
    CloseClipboard();
    return read ? std::optional(text) : std::nullopt;
}
