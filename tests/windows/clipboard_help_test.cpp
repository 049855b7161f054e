#include "clipboard.h"
#include "helpcopy.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>

namespace {

// Another window, on a thread of its own, that holds the clipboard open
// until told, as a busy program does.
class ClipboardHolder
{
public:
    ClipboardHolder()
        : thread([this] {
              HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                            nullptr, nullptr);
              opened = OpenClipboard(window) != 0;
              SetEvent(ready);
              WaitForSingleObject(release, 10000);
              if (opened)
                  CloseClipboard();
              DestroyWindow(window);
          })
    {
        WaitForSingleObject(ready, 10000);
    }
    ~ClipboardHolder()
    {
        SetEvent(release);
        thread.join();
        CloseHandle(ready);
        CloseHandle(release);
    }
    bool opened = false;

private:
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread thread;
};

} // namespace

TEST(Clipboard, HeldByAnotherProgramIsNeitherReadAsEmptyNorWrittenSilently)
{
    ASSERT_TRUE(putClipboardText(nullptr, L"12"));
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.opened);
        EXPECT_EQ(clipboardText(nullptr), std::nullopt);
        EXPECT_FALSE(putClipboardText(nullptr, L"34"));
    }
    EXPECT_EQ(clipboardText(nullptr), std::optional<std::wstring>(L"12"));
}

TEST(Clipboard, WithoutTextReadsEmpty)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(clipboardText(nullptr), std::optional<std::wstring>(L""));
}

TEST(HelpCopy, IsRefreshedWhateverTheAttributesOfTheHelpOrAnOldCopy)
{
    wchar_t temporary[MAX_PATH + 1] = {};
    ASSERT_TRUE(GetTempPathW(MAX_PATH + 1, temporary));
    const std::wstring folder = std::wstring(temporary) + L"pirumo-help-test\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring help = folder + L"pirumo.hlp";
    for (const char *text : {"first", "second"}) {
        SetFileAttributesW(help.c_str(), FILE_ATTRIBUTE_NORMAL);
        HANDLE file = CreateFileW(help.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
        CloseHandle(file);
        SetFileAttributesW(help.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);

        const std::wstring copy = helpCopy(help, folder);
        EXPECT_EQ(copy, folder + L"pirumo-help.htm") << text;
        char read[16] = {};
        DWORD got = 0;
        file = CreateFileW(copy.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ReadFile(file, read, sizeof read - 1, &got, nullptr);
        CloseHandle(file);
        EXPECT_STREQ(read, text);
        EXPECT_EQ(GetFileAttributesW(copy.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u) << text;
        // The old copy now carries the marks a careful user may have set.
        SetFileAttributesW(copy.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    }
    for (const std::wstring &name : {help, folder + L"pirumo-help.htm"}) {
        SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(name.c_str());
    }
    RemoveDirectoryW(folder.c_str());
}
