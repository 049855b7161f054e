#include "helpcopy.h"

#include <windows.h>

std::wstring helpCopy(const std::wstring &help, const std::wstring &folder)
{
    const std::wstring copy = folder + L"pirumo-help.htm";
    // A read-only help file hands its mark to the copy, and a read-only or
    // hidden old copy cannot be overwritten: both are cleared.
    SetFileAttributesW(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!CopyFileW(help.c_str(), copy.c_str(), FALSE))
        return help;
    SetFileAttributesW(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
    return copy;
}
