#include "savefile.h"
#include "widetext.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
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
    const wchar_t *secondName = nullptr;  // a hard link to the file, made before
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
    if (t.secondName) {
        ASSERT_TRUE(CreateHardLinkW((folder.path + t.secondName).c_str(), path.c_str(), nullptr));
    }
    HANDLE holder = t.heldOpen
        ? CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)
        : INVALID_HANDLE_VALUE;

    EXPECT_EQ(writeWholeFile(path, "1236\r\n6X\r\n").outcome, t.outcome);
    const bool saved = t.outcome == pirumo::SaveOutcome::Saved;
    if (holder != INVALID_HANDLE_VALUE)
        CloseHandle(holder);

    if (saved)
        EXPECT_EQ(contents(path), "1236\r\n6X\r\n");
    else if (t.before)
        EXPECT_EQ(contents(path), t.before);
    else
        EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    if (saved && t.secondName) {  // every name shows the new log
        EXPECT_EQ(contents(folder.path + t.secondName), "1236\r\n6X\r\n");
    }
    if (t.before) {
        EXPECT_EQ(GetFileAttributesW(path.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY),
                  t.attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
    }

    // No temporary or backup file stays behind, whatever happened.
    std::vector<std::wstring> left;
    if (t.before || saved)
        left.push_back(t.name);
    if (t.secondName)
        left.push_back(t.secondName);
    std::vector<std::wstring> names = folder.names();
    std::sort(names.begin(), names.end());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(names, left);
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
        Target{"MissingFolder", L"missing\\log.txt", nullptr, 0, false, Outcome::Failed},
        Target{"HardLinkPairKeepsBothNames", L"log.txt", "old\r\n", FILE_ATTRIBUTE_NORMAL, false, Outcome::Saved,
               L"second name.txt"}),
    [](const testing::TestParamInfo<Target> &info) { return std::string(info.param.what); });

// ReplaceFileW can fail having moved the old file to its backup name. The
// old file goes back; where its name is taken meanwhile (here by a folder),
// the user is told the backup's name, and the backup stays.
TEST(FailedReplacement, PutsTheOldFileBackOrSaysWhereItIs)
{
    for (const bool nameTaken : {false, true}) {
        Scratch folder;
        const std::wstring path = folder.path + L"log.txt";
        const std::wstring backup = folder.path + L"~pr0001.bak";
        HANDLE file = CreateFileW(backup.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "old\r\n", 5, &written, nullptr);
        CloseHandle(file);
        if (nameTaken)
            CreateDirectoryW(path.c_str(), nullptr);

        const pirumo::SaveResult result = restoreFromBackup(path, backup);
        if (nameTaken) {
            EXPECT_EQ(result.outcome, pirumo::SaveOutcome::Damaged);
            EXPECT_EQ(result.oldContentsAt, narrow(backup));
            EXPECT_EQ(contents(backup), "old\r\n");
            RemoveDirectoryW(path.c_str());
        } else {
            EXPECT_EQ(result.outcome, pirumo::SaveOutcome::Failed);
            EXPECT_EQ(contents(path), "old\r\n");
            EXPECT_EQ(GetFileAttributesW(backup.c_str()), INVALID_FILE_ATTRIBUTES);
        }
    }
}

TEST(HelperNames, StayShortBesideAnyTarget)
{
    const std::wstring folder = L"C:\\" + std::wstring(230, L'a') + L"\\";
    for (unsigned number : {0u, 0xffffu, 0xffffffffu}) {
        const std::wstring name = helperName(folder, number, L".tmp");
        EXPECT_EQ(name.substr(0, folder.size()), folder);
        EXPECT_LE(name.size(), folder.size() + 11) << number;  // "~pr" + 4 digits + ".tmp"
    }
    EXPECT_NE(helperName(folder, 1, L".tmp"), helperName(folder, 2, L".tmp"));
}
