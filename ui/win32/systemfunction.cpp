#include "systemfunction.h"

#include <map>
#include <string>

namespace {

HMODULE loadFromSystemFolder(const wchar_t *dll)
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

} // namespace

HMODULE systemLibrary(const wchar_t *dll)
{
    // Only the window's thread calls this. A DLL that could not be loaded is
    // tried again at the next call: that takes no reference.
    static std::map<std::wstring, HMODULE> loaded;
    const auto found = loaded.find(dll);
    if (found != loaded.end())
        return found->second;
    HMODULE module = loadFromSystemFolder(dll);
    if (module)
        loaded.emplace(dll, module);
    return module;
}
