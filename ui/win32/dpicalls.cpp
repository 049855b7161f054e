#include "dpicalls.h"

#include "systemfunction.h"

namespace {

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: the scale the user chose for the monitor

UINT systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

} // namespace

DpiCalls DpiCalls::lookedUp(Newest newest)
{
    const bool windows81 = newest != Newest::Windows7;
    const bool windows10 = newest == Newest::Windows10;
    const auto dpiForWindow = windows10 ? systemFunction<DpiForWindow>(L"user32.dll", "GetDpiForWindow") : nullptr;
    // shcore is loaded at start-up only where the window's own DPI is missing.
    return {dpiForWindow,
            windows81 && !dpiForWindow ? systemFunction<DpiForMonitor>(L"shcore.dll", "GetDpiForMonitor") : nullptr,
            windows10 ? systemFunction<SystemMetricsForDpi>(L"user32.dll", "GetSystemMetricsForDpi") : nullptr,
            windows10 ? systemFunction<AdjustWindowRectExForDpi>(L"user32.dll", "AdjustWindowRectExForDpi") : nullptr};
}

UINT DpiCalls::forWindow(HWND window) const
{
    if (dpiForWindow)
        return dpiForWindow(window);
    UINT x = 0, y = 0;
    if (dpiForMonitor && SUCCEEDED(dpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y))
        && x > 0)
        return x;
    return systemDpi();
}

int DpiCalls::systemMetric(int index, UINT dpi) const
{
    // Before Windows 10 1607 the system's metrics are scaled to the window's
    // DPI, where a monitor of another scale holds it.
    return systemMetricsForDpi ? systemMetricsForDpi(index, dpi)
                               : MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

RECT DpiCalls::windowRect(RECT client, DWORD style, UINT dpi) const
{
    // Windows 8.1 draws every frame at the system's DPI.
    if (adjustWindowRectExForDpi)
        adjustWindowRectExForDpi(&client, style, FALSE, 0, dpi);
    else
        AdjustWindowRectEx(&client, style, FALSE, 0);
    return client;
}
