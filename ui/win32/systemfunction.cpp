#include "systemfunction.h"

#include <string>

HMODULE systemLibrary(const wchar_t *dll)
{
    if (HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return module;
    // Windows 7 without update KB2533623 refuses the flag; a full path keeps
    // the program's folder out of the search there too.
    if (GetLastError() != ERROR_INVALID_PARAMETER)
        return nullptr;
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    return LoadLibraryW((std::wstring(folder) + L'\\' + dll).c_str());
}
