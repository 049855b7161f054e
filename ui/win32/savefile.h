#ifndef PIRUMO_WIN32_SAVEFILE_H
#define PIRUMO_WIN32_SAVEFILE_H

#include "window.h"

#include <string>

// Replaces the file at path with bytes, all or nothing: the bytes go to a
// new file in the same folder, which then takes the old file's place,
// keeping its security and attributes. A device (a printer port, NUL) is
// written into instead. On any failure the file that was there stays as it
// was, nothing is left behind, and the outcome says why.
pirumo::SaveOutcome writeWholeFile(const std::wstring &path, const std::string &bytes);

#endif
