#ifndef PIRUMO_WIN32_SYSTEMFUNCTION_H
#define PIRUMO_WIN32_SYSTEMFUNCTION_H

#include <windows.h>

// A DLL from Windows' system folder, never from the program's own: loaded at
// the first call and kept for the program's life, so that each call after
// that takes no further reference. Null when it cannot be loaded.
HMODULE systemLibrary(const wchar_t *dll);

// A function of a system DLL looked up while the program runs, typed as the
// caller declares it. Two uses: calls newer than Windows 7, which the import
// table must not name or older Windows refuses to start the program; and DLLs
// such as comdlg32 and shell32 that bring half a dozen more with them, loaded
// at the first save or help rather than at start-up. Null where this Windows
// lacks the function or its DLL cannot be loaded.
template <typename Function>
Function *systemFunction(const wchar_t *dll, const char *name)
{
    HMODULE module = systemLibrary(dll);
    return module ? reinterpret_cast<Function *>(reinterpret_cast<void *>(GetProcAddress(module, name))) : nullptr;
}

#endif
