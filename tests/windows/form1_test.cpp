#include "form1.h"

#include "layout.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
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

HWND openForm(Form1 &form)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return form.create(GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE) ? FindWindowW(L"PIRUMO.Form1", nullptr)
                                                                      : nullptr;
}

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
    Form1 form;
    HWND window = openForm(form);
    ASSERT_TRUE(window);

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
    Form1 form(DpiCalls::none());
    HWND window = openForm(form);
    ASSERT_TRUE(window);

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
