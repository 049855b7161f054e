#include "savefile.h"

#include "widetext.h"

#include <windows.h>

#include <optional>

using pirumo::SaveOutcome;
using pirumo::SaveResult;

namespace {

bool inUse(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

std::wstring folderOf(const std::wstring &path)
{
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".\\") : path.substr(0, slash + 1);
}

// A file of our own beside the target, created new so that nothing of
// anyone else's is ever overwritten. Its name is short, so that beside a
// target whose path is near the system's limit it still fits.
HANDLE createSibling(const std::wstring &path, const wchar_t *suffix, std::wstring &name)
{
    const std::wstring folder = folderOf(path);
    const unsigned start = GetCurrentProcessId() ^ static_cast<unsigned>(GetTickCount64());
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        name = helperName(folder, start + attempt, suffix);
        HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, const std::string &bytes, bool flush = true)
{
    const char *at = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file, at, chunk, &written, nullptr) || written != chunk)
            return false;
        at += written;
        left -= written;
    }
    return !flush || FlushFileBuffers(file) != 0;
}

// ReplaceFileW keeps the old file's security, attributes and streams. Given a
// backup name, a replacement that fails halfway leaves the old file there,
// from where it is put back.
SaveResult replaceExisting(const std::wstring &path, const std::wstring &temporary)
{
    std::wstring backup;
    HANDLE reserved = createSibling(path, L".bak", backup);
    if (reserved == INVALID_HANDLE_VALUE)
        return SaveOutcome::Failed;
    CloseHandle(reserved);
    DeleteFileW(backup.c_str());

    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (ReplaceFileW(path.c_str(), temporary.c_str(), backup.c_str(),
                     REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        DeleteFileW(backup.c_str());
        // Windows carries them over itself; Wine and some network shares do not.
        if (GetFileAttributesW(path.c_str()) != attributes)
            SetFileAttributesW(path.c_str(), attributes);
        return SaveOutcome::Saved;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        return restoreFromBackup(path, backup);
    return inUse(error) ? SaveOutcome::FileInUse : SaveOutcome::Failed;
}

// What is there now decides: a device is written into, a file another
// program holds is left alone. Nothing when it is a file to replace.
std::optional<SaveOutcome> writeIntoDevice(const std::wstring &path, const std::string &bytes)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return SaveOutcome::Folder;
    HANDLE target = CreateFileW(path.c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (target == INVALID_HANDLE_VALUE)
        return inUse(GetLastError()) ? std::optional(SaveOutcome::FileInUse) : std::nullopt;
    const DWORD type = GetFileType(target);
    std::optional<SaveOutcome> outcome;
    if (type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE)
        outcome = writeAll(target, bytes, false) ? SaveOutcome::Saved : SaveOutcome::Failed;
    CloseHandle(target);
    return outcome;
}

bool readAll(HANDLE file, std::string &bytes)
{
    char buffer[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr))
            return false;
        if (read == 0)
            return true;
        bytes.append(buffer, read);
    }
}

// Rewrites the file through its own handle, as on Linux: every name of a
// file with several keeps showing it. The old contents go back if the new
// ones cannot be written.
SaveOutcome rewriteInPlace(HANDLE file, const std::string &bytes)
{
    std::string old;
    if (!readAll(file, old))
        return SaveOutcome::Failed;
    const auto put = [file](const std::string &contents) {
        return SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 && SetEndOfFile(file)
            && writeAll(file, contents);
    };
    if (put(bytes))
        return SaveOutcome::Saved;
    return put(old) ? SaveOutcome::Failed : SaveOutcome::Damaged;
}

// A file with more than one name is rewritten in place; nothing otherwise.
std::optional<SaveOutcome> rewriteIfLinked(const std::wstring &path, const std::string &bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info = {};
    std::optional<SaveOutcome> outcome;
    if (GetFileInformationByHandle(file, &info) && info.nNumberOfLinks > 1)
        outcome = rewriteInPlace(file, bytes);
    CloseHandle(file);
    return outcome;
}

// Where no helper file fits beside the target: written straight, as a new
// file removed again on failure, or rewritten in place.
SaveOutcome writeDirectly(const std::wstring &path, const std::string &bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        const bool written = writeAll(file, bytes);
        CloseHandle(file);
        if (!written)
            DeleteFileW(path.c_str());
        return written ? SaveOutcome::Saved : SaveOutcome::Failed;
    }
    file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return inUse(GetLastError()) ? SaveOutcome::FileInUse : SaveOutcome::Failed;
    const SaveOutcome outcome = rewriteInPlace(file, bytes);
    CloseHandle(file);
    return outcome;
}

} // namespace

std::wstring helperName(const std::wstring &folder, unsigned number, const wchar_t *suffix)
{
    wchar_t digits[8] = {};
    wsprintfW(digits, L"%04x", number & 0xffff);
    return folder + L"~pr" + digits + suffix;
}

SaveResult restoreFromBackup(const std::wstring &path, const std::wstring &backup)
{
    if (MoveFileExW(backup.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return SaveOutcome::Failed;
    return {SaveOutcome::Damaged, narrow(backup)};
}

SaveResult writeWholeFile(const std::wstring &path, const std::string &bytes)
{
    if (const auto outcome = writeIntoDevice(path, bytes))
        return *outcome;
    if (const auto outcome = rewriteIfLinked(path, bytes))
        return *outcome;

    std::wstring temporary;
    HANDLE file = createSibling(path, L".tmp", temporary);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool tooLong = error == ERROR_FILENAME_EXCED_RANGE || error == ERROR_PATH_NOT_FOUND;
        return tooLong && GetFileAttributesW(folderOf(path).c_str()) != INVALID_FILE_ATTRIBUTES
            ? writeDirectly(path, bytes)
            : SaveOutcome::Failed;
    }
    const bool written = writeAll(file, bytes);
    const bool closed = CloseHandle(file) != 0;

    SaveResult result = SaveOutcome::Failed;
    if (written && closed) {
        if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            result = replaceExisting(path, temporary);
        else if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH))
            result = SaveOutcome::Saved;
    }
    if (result.outcome != SaveOutcome::Saved)
        DeleteFileW(temporary.c_str());
    return result;
}
