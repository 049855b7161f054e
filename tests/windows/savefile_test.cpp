#include "savefile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A folder of its own under the temporary folder, removed with its files.
class Scratch
{
public:
    Scratch()
    {
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, base);
        path = base + std::wstring(L"pirumo-test-") + std::to_wstring(GetCurrentProcessId())
            + L"-" + std::to_wstring(++made) + L"\\";
        CreateDirectoryW(path.c_str(), nullptr);
    }
    ~Scratch()
    {
        for (const std::wstring &name : names()) {
            SetFileAttributesW((path + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW((path + name).c_str());
        }
        RemoveDirectoryW(path.c_str());
    }

    std::vector<std::wstring> names() const
    {
        std::vector<std::wstring> found;
        WIN32_FIND_DATAW entry;
        HANDLE search = FindFirstFileW((path + L"*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE)
            return found;
        do {
            if (std::wstring(entry.cFileName) != L"." && std::wstring(entry.cFileName) != L"..")
                found.emplace_back(entry.cFileName);
        } while (FindNextFileW(search, &entry));
        FindClose(search);
        return found;
    }

    std::wstring path;

private:
    static inline int made = 0;
};

std::string contents(const std::wstring &path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<unreadable>";
    std::string bytes(1 << 16, '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

struct Target
{
    const char *what;
    const wchar_t *name;  // in the scratch folder
    const char *before;   // what the file holds before; nullptr: no file yet
    DWORD attributes;     // the file's attributes before
    bool heldOpen;        // another program has it open and shares nothing
    pirumo::SaveOutcome outcome;
};

class WindowsWriter : public testing::TestWithParam<Target>
{
};

} // namespace

TEST_P(WindowsWriter, SavesTheWholeLogOrLeavesEverythingAsItWas)
{
    const Target &t = GetParam();
    Scratch folder;
    const std::wstring path = folder.path + t.name;
    if (t.before) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, t.before, static_cast<DWORD>(strlen(t.before)), &written, nullptr);
        CloseHandle(file);
        SetFileAttributesW(path.c_str(), t.attributes);
    }
    HANDLE holder = t.heldOpen
        ? CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)
        : INVALID_HANDLE_VALUE;

    EXPECT_EQ(writeWholeFile(path, "1236\r\n6X\r\n"), t.outcome);
    const bool saved = t.outcome == pirumo::SaveOutcome::Saved;
    if (holder != INVALID_HANDLE_VALUE)
        CloseHandle(holder);

    if (saved)
        EXPECT_EQ(contents(path), "1236\r\n6X\r\n");
    else if (t.before)
        EXPECT_EQ(contents(path), t.before);
    else
        EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    if (t.before) {
        EXPECT_EQ(GetFileAttributesW(path.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY),
                  t.attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
    }

    // No temporary or backup file stays behind, whatever happened.
    const bool there = t.before || saved;
    EXPECT_EQ(folder.names(), there ? std::vector<std::wstring>{t.name} : std::vector<std::wstring>{});
}

using Outcome = pirumo::SaveOutcome;

INSTANTIATE_TEST_SUITE_P(
    Targets, WindowsWriter,
    testing::Values(
        Target{"NewFile", L"新しい記録.txt", nullptr, 0, false, Outcome::Saved},
        Target{"ExistingFile", L"log.txt", "old\r\n", FILE_ATTRIBUTE_NORMAL, false, Outcome::Saved},
        Target{"HiddenFileStaysHidden", L"log.txt", "old\r\n", FILE_ATTRIBUTE_HIDDEN, false, Outcome::Saved},
        Target{"FileInUse", L"log.txt", "old\r\n", FILE_ATTRIBUTE_NORMAL, true, Outcome::FileInUse},
        Target{"ReadOnlyFile", L"log.txt", "old\r\n", FILE_ATTRIBUTE_READONLY, false, Outcome::Failed},
        Target{"MissingFolder", L"missing\\log.txt", nullptr, 0, false, Outcome::Failed}),
    [](const testing::TestParamInfo<Target> &info) { return std::string(info.param.what); });
