#ifndef PIRUMO_WIN32_SAVEFILE_H
#define PIRUMO_WIN32_SAVEFILE_H

#include <string>

// Replaces the file at path with bytes, all or nothing: the bytes go to a
// new file in the same folder, which then takes the old file's place. On any
// failure the file that was there stays as it was and nothing is left behind.
bool writeWholeFile(const std::wstring &path, const std::string &bytes);

#endif
