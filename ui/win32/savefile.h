#ifndef PIRUMO_WIN32_SAVEFILE_H
#define PIRUMO_WIN32_SAVEFILE_H

#include "window.h"

#include <string>

// Replaces the file at path with bytes, all or nothing: the bytes go to a
// new file in the same folder, which then takes the old file's place,
// keeping its security and attributes. A device (a printer port, NUL) is
// written into instead. On any failure the file that was there stays as it
// was, nothing is left behind, and the outcome says why.
// A file with more than one name is rewritten in place instead, so that
// every name shows the new log; where no helper file fits beside the target,
// it is written straight.
// When even that fails (Damaged), the result names where the old contents are.
pirumo::SaveResult writeWholeFile(const std::wstring &path, const std::string &bytes);

// After ReplaceFileW moved the old file to its backup name and could not
// move the new one in: the old file back in its place (Failed), or, where
// that fails too, left under the backup name, which the result gives (Damaged).
pirumo::SaveResult restoreFromBackup(const std::wstring &path, const std::wstring &backup);

// The name of a helper file in folder (which ends in a separator): "~pr",
// four hex digits of number, then suffix.
std::wstring helperName(const std::wstring &folder, unsigned number, const wchar_t *suffix);

#endif
