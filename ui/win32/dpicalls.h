#ifndef PIRUMO_WIN32_DPICALLS_H
#define PIRUMO_WIN32_DPICALLS_H

#include <windows.h>

// The display-scale calls a window sizes itself with. Windows 10 1607 and
// later give each window its monitor's DPI; older Windows have one DPI for
// the whole system, and the calls of Windows 7 stand in for the newer ones.
class DpiCalls
{
public:
    // The newer calls that this Windows has.
    static DpiCalls lookedUp();
    // None of them, as on Windows 7 and 8.1: the system DPI everywhere.
    static DpiCalls none() { return {}; }

    UINT forWindow(HWND window) const;
    int systemMetric(int index, UINT dpi) const;
    // The window's outer rectangle around a client rectangle.
    RECT windowRect(RECT client, DWORD style, UINT dpi) const;

private:
    using DpiForWindow = UINT WINAPI(HWND);
    using SystemMetricsForDpi = int WINAPI(int, UINT);
    using AdjustWindowRectExForDpi = BOOL WINAPI(RECT *, DWORD, BOOL, DWORD, UINT);

    DpiForWindow *dpiForWindow = nullptr;
    SystemMetricsForDpi *systemMetricsForDpi = nullptr;
    AdjustWindowRectExForDpi *adjustWindowRectExForDpi = nullptr;
};

#endif
