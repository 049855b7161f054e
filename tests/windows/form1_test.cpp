#include "form1.h"

#include "layout.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

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

} // namespace

TEST(DisplayScale, MovesToTheSuggestedPlaceInOneStepAndReloadsTheSmallIcon)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Form1 form;
    ASSERT_TRUE(form.create(GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE));
    HWND window = FindWindowW(L"PIRUMO.Form1", nullptr);
    ASSERT_TRUE(window);

    // Where Windows would put the window on a monitor at 144 dpi.
    const pirumo::PixelRect client = pirumo::toPixels(pirumo::kClient, 144);
    RECT suggested = {0, 0, client.width(), client.height()};
    AdjustWindowRectExForDpi(&suggested, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE, 0, 144);
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
