#include "form1.h"

#include "layout.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <tuple>
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
        label2 = FindWindowExW(window, nullptr, WC_STATICW, nullptr);
        label1 = FindWindowExW(window, label2, WC_STATICW, nullptr);
        downCmd = FindWindowExW(window, nullptr, WC_BUTTONW, nullptr);
        upCmd = FindWindowExW(window, downCmd, WC_BUTTONW, nullptr);
    }
    bool complete() const { return window && text1 && label1 && label2 && upCmd && downCmd; }

    Form1 form;
    HWND window = nullptr, text1 = nullptr, label1 = nullptr, label2 = nullptr, upCmd = nullptr,
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

    // Where Windows would put the window on a monitor at 144 dpi.
    const pirumo::PixelRect client = pirumo::toPixels(pirumo::kClient, 144);
    RECT suggested = DpiCalls::lookedUp().windowRect({0, 0, client.width(), client.height()},
                                                     static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), 144);
    OffsetRect(&suggested, 300 - suggested.left, 200 - suggested.top);

    ASSERT_TRUE(SetWindowSubclass(window, countMoves, 1, 0));
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RemoveWindowSubclass(window, countMoves, 1);

    RECT now = {};
    GetWindowRect(window, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested)) << now.left << "," << now.top << " " << now.right << "," << now.bottom;
    EXPECT_EQ(moves, 1);
    // The title bar's icon is the one loaded for the new scale.
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
    // The smooth pictures carry greyed ones for the disabled save button.
    HWND toolbar = FindWindowExW(window, nullptr, TOOLBARCLASSNAMEW, nullptr);
    ASSERT_TRUE(toolbar);
    EXPECT_NE(SendMessageW(toolbar, TB_GETDISABLEDIMAGELIST, 0, 0), 0);
}

// Run on a desktop at 150 % (144 dpi): Windows before 10 1607 has no DPI of a
// window's own, and the window takes the system's.
TEST(OlderWindows, OpenAtTheSystemDpiWithEveryControlInItsPlace)
{
    OpenForm opened(DpiCalls::none());
    ASSERT_TRUE(opened.complete());
    HWND window = opened.window;

    RECT client = {};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 216);
    EXPECT_EQ(client.bottom, 78);
    std::vector<Place> places;
    EnumChildWindows(window, addPlace, reinterpret_cast<LPARAM>(&places));
    std::vector<Place> expected = {
        {0, 0, 216, 42},     // Toolbar1
        {192, 60, 218, 78},  // DownCmd
        {192, 44, 218, 62},  // UpCmd
        {96, 12, 117, 35},   // Text1
        {163, 48, 181, 74},  // Label2
        {9, 48, 155, 74},    // Label1
    };
    // The toolbar's tool-tip window is no child.
    std::sort(places.begin(), places.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(places, expected);
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
