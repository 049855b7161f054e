#include "form1.h"
#include "systemfunction.h"

#include "layout.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

int moves = 0;  // times the window was moved or sized while the scale changed

LRESULT CALLBACK countMoves(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_WINDOWPOSCHANGED) {
        const auto *position = reinterpret_cast<const WINDOWPOS *>(lParam);
        if ((position->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
            ++moves;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// PIRUMO's window opened for a test, and its controls. Windows lists
// controls of one class in the order they were made.
struct OpenForm
{
    explicit OpenForm(DpiCalls calls = DpiCalls::lookedUp()) : form(calls)
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        if (!form.create(GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE))
            return;
        window = FindWindowW(L"PIRUMO.Form1", nullptr);
        text1 = FindWindowExW(window, nullptr, WC_EDITW, nullptr);
        text1Name = FindWindowExW(window, nullptr, WC_STATICW, nullptr);
        label2 = FindWindowExW(window, text1Name, WC_STATICW, nullptr);
        label1 = FindWindowExW(window, label2, WC_STATICW, nullptr);
        downCmd = FindWindowExW(window, nullptr, WC_BUTTONW, nullptr);
        upCmd = FindWindowExW(window, downCmd, WC_BUTTONW, nullptr);
    }
    bool complete() const { return window && text1 && label1 && label2 && upCmd && downCmd; }

    Form1 form;
    HWND window = nullptr, text1Name = nullptr, text1 = nullptr, label1 = nullptr, label2 = nullptr, upCmd = nullptr,
         downCmd = nullptr;
};

using Place = std::tuple<LONG, LONG, LONG, LONG>;  // left, top, right, bottom

BOOL CALLBACK addPlace(HWND control, LPARAM places)
{
    RECT r = {};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT *>(&r), 2);
    reinterpret_cast<std::vector<Place> *>(places)->emplace_back(r.left, r.top, r.right, r.bottom);
    return TRUE;
}

} // namespace

TEST(DisplayScale, MovesToTheSuggestedPlaceInOneStepAndReloadsTheSmallIcon)
{
    OpenForm opened;
    ASSERT_TRUE(opened.complete());
    HWND window = opened.window;

    // Windows suggests where the window goes on a monitor at 144 dpi; the
    // window takes that place and the size its controls need there.
    RECT suggested = {300, 200, 600, 350};
    ASSERT_TRUE(SetWindowSubclass(window, countMoves, 1, 0));
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RemoveWindowSubclass(window, countMoves, 1);

    // Its frame as the system draws one at 144 dpi around the client area of
    // 216 x 78 pixels that the controls take up there.
    using AdjustForDpi = BOOL WINAPI(RECT *, DWORD, BOOL, DWORD, UINT);
    const auto adjustForDpi = reinterpret_cast<AdjustForDpi *>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    ASSERT_TRUE(adjustForDpi);
    RECT frame = {0, 0, 216, 78};
    adjustForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE, 0, 144);

    RECT now = {};
    GetWindowRect(window, &now);
    EXPECT_EQ(std::pair(now.left, now.top), std::pair(300L, 200L));
    EXPECT_EQ(std::pair(now.right - now.left, now.bottom - now.top),
              std::pair(frame.right - frame.left, frame.bottom - frame.top));
    EXPECT_EQ(moves, 1);
    // The title bar's icon is the one loaded for the new scale.
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
    // The smooth pictures carry greyed ones for the disabled save button.
    HWND toolbar = FindWindowExW(window, nullptr, TOOLBARCLASSNAMEW, nullptr);
    ASSERT_TRUE(toolbar);
    EXPECT_NE(SendMessageW(toolbar, TB_GETDISABLEDIMAGELIST, 0, 0), 0);
}

namespace {

HRESULT WINAPI monitorAt192Dpi(HMONITOR, int, UINT *x, UINT *y)
{
    *x = *y = 192;
    return S_OK;
}

// The width of the title bar's icon, from its bitmap; 0 where it has none of its own.
LONG smallIconWidth(HWND window)
{
    ICONINFO info = {};
    if (!GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0)), &info))
        return 0;
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

} // namespace

// Run on a desktop at 150 % (144 dpi). Before Windows 10 1607 a window has
// no DPI of its own: on 8.1 it takes its monitor's, on 7 the system's.
TEST(OlderWindows, OpenAtTheirMonitorsOrTheSystemDpiWithEveryControlInItsPlace)
{
    const struct
    {
        const char *windows;
        DpiCalls calls;
        LONG width, height;
    } rows[] = {
        {"7", DpiCalls::lookedUp(DpiCalls::Newest::Windows7), 216, 78},
        {"8.1", DpiCalls::lookedUp(DpiCalls::Newest::Windows81), 216, 78},  // Wine's monitor is at 144
        {"8.1, a monitor at 200 %", DpiCalls(nullptr, monitorAt192Dpi, nullptr, nullptr), 288, 104},
    };
    for (const auto &row : rows) {
        OpenForm opened(row.calls);
        ASSERT_TRUE(opened.complete()) << row.windows;
        RECT client = {};
        GetClientRect(opened.window, &client);
        EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(row.width, row.height)) << row.windows;
        // From the first frame, the title bar's icon at the window's scale
        // against the system's (216 pixels wide), give or take a pixel.
        EXPECT_NEAR(smallIconWidth(opened.window) * 216.0 / row.width, GetSystemMetrics(SM_CXSMICON), 1.0) << row.windows;
        if (row.width != 216)
            continue;
        std::vector<Place> places;
        EnumChildWindows(opened.window, addPlace, reinterpret_cast<LPARAM>(&places));
        std::vector<Place> expected = {
            {0, 0, 216, 42},     // Toolbar1
            {192, 60, 218, 78},  // DownCmd
            {192, 44, 218, 62},  // UpCmd
            {96, 12, 117, 35},   // Text1
            {96, 12, 117, 35},   // its name, for screen readers, behind it
            {163, 48, 181, 74},  // Label2
            {9, 48, 155, 74},    // Label1
        };
        // The toolbar's tool-tip window is no child.
        std::sort(places.begin(), places.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(places, expected) << row.windows;
    }
}

namespace {

// The rows of a control as it draws itself that are all white.
std::vector<bool> whiteRows(HWND control)
{
    RECT r = {};
    GetClientRect(control, &r);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    PrintWindow(control, dc, PW_CLIENTONLY);
    GdiFlush();
    std::vector<bool> rows;
    const auto *pixels = static_cast<const std::uint32_t *>(bits);
    for (int y = 0; y < r.bottom; ++y)
        rows.push_back(std::all_of(pixels + y * r.right, pixels + (y + 1) * r.right,
                                   [](std::uint32_t p) { return (p & 0xffffff) == 0xffffff; }));
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return rows;
}

} // namespace

// Whatever face Windows has (run too on a desktop without Japanese fonts),
// the number and its check character lie inside their labels with a white
// row above and below.
TEST(Labels, KeepAWhiteRowAboveAndBelowTheGlyphs)
{
    OpenForm opened;
    ASSERT_TRUE(opened.complete());

    // 888888888888 has the check character 6, and 6 has X.
    for (const char *number : {"888888888888", "6"}) {
        for (const char *digit = number; *digit; ++digit)
            SendMessageW(opened.text1, WM_KEYDOWN, static_cast<WPARAM>(*digit), 0);
        for (HWND label : {opened.label1, opened.label2}) {
            const std::vector<bool> rows = whiteRows(label);
            ASSERT_GE(rows.size(), 3u);
            EXPECT_TRUE(rows.front()) << number << ": the top row is drawn on";
            EXPECT_TRUE(rows.back()) << number << ": the bottom row is drawn on";
            EXPECT_NE(std::count(rows.begin(), rows.end(), false), 0) << number << ": nothing drawn";
        }
        SendMessageW(opened.text1, WM_KEYDOWN, VK_RETURN, 0);
    }
}

// Tab and Shift+Tab go round the key catcher and the two step buttons, as
// the window's only places to type or press.
TEST(Keyboard, TabGoesRoundTheNumberAndTheStepButtons)
{
    OpenForm opened;
    ASSERT_TRUE(opened.complete());
    HWND text1 = opened.text1, upCmd = opened.upCmd, downCmd = opened.downCmd;

    const struct
    {
        HWND from;
        bool shift;
        HWND to;
    } moves[] = {{text1, false, upCmd},  {upCmd, false, downCmd}, {downCmd, false, text1},
                 {text1, true, downCmd}, {downCmd, true, upCmd},  {upCmd, true, text1}};
    for (const auto &move : moves) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = move.shift ? 0x80 : 0;
        SetKeyboardState(keys);
        SetFocus(move.from);
        SendMessageW(move.from, WM_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(GetFocus(), move.to) << (move.shift ? "Shift+Tab" : "Tab");
    }
}

TEST(SystemParts, EachDllIsLoadedOnceAndKept)
{
    // A DLL that nothing else here loads, so that its references are ours.
    ASSERT_EQ(GetModuleHandleW(L"msimg32.dll"), nullptr);
    for (int call = 0; call < 3; ++call)
        ASSERT_TRUE(systemFunction<void()>(L"msimg32.dll", "AlphaBlend"));
    // One reference, so one release unloads it (and nothing here uses it again).
    FreeLibrary(GetModuleHandleW(L"msimg32.dll"));
    EXPECT_EQ(GetModuleHandleW(L"msimg32.dll"), nullptr);
}

namespace {

std::vector<std::wstring> told;  // the messages closed by closeMessages

BOOL CALLBACK closeIfMessage(HWND box, LPARAM)
{
    wchar_t kind[16] = {};
    GetClassNameW(box, kind, 16);
    if (IsWindowVisible(box) && std::wstring(kind) == L"#32770") {
        wchar_t text[1024] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 1024);  // a message box's text
        told.emplace_back(text);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

// Reads and closes the message boxes of this thread, as a user would.
void CALLBACK closeMessages(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(GetCurrentThreadId(), closeIfMessage, 0);
}

void pressKey(HWND control, WPARAM key, bool ctrl = false)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageW(control, WM_KEYDOWN, key, 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

std::wstring caption(HWND window)
{
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

} // namespace

// Run with comdlg32 and shell32 missing, as on a damaged system: saving and
// help say what could not be opened, and the log stays.
TEST(MissingSystemParts, SaveAndHelpSaySoAndKeepTheLog)
{
    OpenForm opened;
    ASSERT_TRUE(opened.complete());
    HWND toolbar = FindWindowExW(opened.window, nullptr, TOOLBARCLASSNAMEW, nullptr);
    TBBUTTON log = {};
    ASSERT_TRUE(SendMessageW(toolbar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&log)));
    pressKey(opened.text1, '5');
    SendMessageW(opened.window, WM_COMMAND, MAKEWPARAM(log.idCommand, BN_CLICKED), reinterpret_cast<LPARAM>(toolbar));
    ASSERT_EQ(caption(opened.window), L"1件記録");

    // Help is looked for beside the program.
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::wstring help = std::wstring(program).substr(0, std::wstring(program).rfind(L'\\')) + L"\\pirumo.hlp";
    const HANDLE file = CreateFileW(help.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    const UINT_PTR timer = SetTimer(nullptr, 0, 50, closeMessages);
    pressKey(opened.text1, 'S', true);
    pressKey(opened.text1, VK_F1);
    KillTimer(nullptr, timer);
    DeleteFileW(help.c_str());

    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0], L"名前を付けて保存の画面を開けませんでした。記録はそのまま残っています。\n\n"
                       L"見つからないか読み込めない Windows の部品: comdlg32.dll (GetSaveFileNameW)");
    EXPECT_EQ(told[1], L"ヘルプを開けませんでした。\n\n見つからないか読み込めない Windows の部品: shell32.dll (ShellExecuteExW)");
    EXPECT_EQ(caption(opened.window), L"1件記録");
    TBBUTTON save = {};
    ASSERT_TRUE(SendMessageW(toolbar, TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&save)));
    EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONENABLED, static_cast<WPARAM>(save.idCommand), 0));
}

namespace {

std::vector<HWND> valuesChanged;  // the controls whose value Windows said changed

void CALLBACK onValueChange(HWINEVENTHOOK, DWORD, HWND control, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        valuesChanged.push_back(control);
}

std::wstring taken(BSTR text)
{
    std::wstring kept = text ? text : L"";
    SysFreeString(text);
    return kept;
}

} // namespace

// What screen readers ask of Text1 through Active Accessibility, and the
// event that has them read it again after each key. Not here: its
// description (Wine's dynamic annotation is a stub that keeps nothing) and
// the UI Automation notification (no listener for it under Wine).
TEST(ScreenReaders, FindText1NamedAndHearOfEachKey)
{
    OpenForm opened;
    ASSERT_TRUE(opened.complete());
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    IAccessible *text1 = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(opened.text1, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                         reinterpret_cast<void **>(&text1)), S_OK);
    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    text1->get_accName(self, &text);
    EXPECT_EQ(taken(text), L"数字の入力");

    valuesChanged.clear();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                                               onValueChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    pressKey(opened.text1, '1');
    pressKey(opened.text1, '2');
    // Told through this thread's messages.
    for (const DWORD deadline = GetTickCount() + 10000;
         std::count(valuesChanged.begin(), valuesChanged.end(), opened.text1) < 2 && GetTickCount() < deadline;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(10);
    }
    UnhookWinEvent(hook);
    EXPECT_EQ(std::count(valuesChanged.begin(), valuesChanged.end(), opened.text1), 2);
    text1->get_accValue(self, &text);
    EXPECT_EQ(taken(text), L"1 2、チェック文字 4");
    text1->Release();
    CoUninitialize();
}
