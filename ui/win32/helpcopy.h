#ifndef PIRUMO_WIN32_HELPCOPY_H
#define PIRUMO_WIN32_HELPCOPY_H

#include <string>

// The help is HTML under its own name: a browser shows it when it comes as
// a .htm file. This copies it to pirumo-help.htm in the given folder, over
// an older copy whatever its attributes, and gives the copy's path; or the
// help file's own path when no copy could be made.
std::wstring helpCopy(const std::wstring &help, const std::wstring &folder);

#endif
