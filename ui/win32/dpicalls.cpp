#include "dpicalls.h"

#include "systemfunction.h"

namespace {

UINT systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

} // namespace

DpiCalls DpiCalls::lookedUp()
{
    DpiCalls calls;
    calls.dpiForWindow = systemFunction<DpiForWindow>(L"user32.dll", "GetDpiForWindow");
    calls.systemMetricsForDpi = systemFunction<SystemMetricsForDpi>(L"user32.dll", "GetSystemMetricsForDpi");
    calls.adjustWindowRectExForDpi =
        systemFunction<AdjustWindowRectExForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
    return calls;
}

UINT DpiCalls::forWindow(HWND window) const
{
    return dpiForWindow ? dpiForWindow(window) : systemDpi();
}

int DpiCalls::systemMetric(int index, UINT dpi) const
{
    // Windows 8.1 moves a window to a monitor of another scale without
    // these calls: its metrics are scaled from the system's.
    return systemMetricsForDpi ? systemMetricsForDpi(index, dpi)
                               : MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

RECT DpiCalls::windowRect(RECT client, DWORD style, UINT dpi) const
{
    if (adjustWindowRectExForDpi)
        adjustWindowRectExForDpi(&client, style, FALSE, 0, dpi);
    else
        AdjustWindowRectEx(&client, style, FALSE, 0);
    return client;
}
