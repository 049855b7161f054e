#ifndef PIRUMO_WIN32_DPICALLS_H
#define PIRUMO_WIN32_DPICALLS_H

#include <windows.h>

// The display-scale calls a window sizes itself with. Windows 10 1607 and
// later give each window its own DPI; Windows 8.1 gives each monitor its
// own, and moves a window between monitors of other scales with
// WM_DPICHANGED; Windows 7 has one DPI for the whole system. Where a newer
// call is missing, the older one stands in.
class DpiCalls
{
public:
    using DpiForWindow = UINT WINAPI(HWND);
    using DpiForMonitor = HRESULT WINAPI(HMONITOR, int type, UINT *x, UINT *y);
    using SystemMetricsForDpi = int WINAPI(int, UINT);
    using AdjustWindowRectExForDpi = BOOL WINAPI(RECT *, DWORD, BOOL, DWORD, UINT);

    // The newest Windows whose calls are looked up: pirumo.exe takes all that
    // this Windows has; a test takes fewer, to see the window as an older
    // Windows shows it.
    enum class Newest { Windows7, Windows81, Windows10 };
    static DpiCalls lookedUp(Newest newest = Newest::Windows10);

    // Null for a call this Windows lacks.
    DpiCalls(DpiForWindow *dpiForWindow, DpiForMonitor *dpiForMonitor, SystemMetricsForDpi *systemMetricsForDpi,
             AdjustWindowRectExForDpi *adjustWindowRectExForDpi)
        : dpiForWindow(dpiForWindow), dpiForMonitor(dpiForMonitor), systemMetricsForDpi(systemMetricsForDpi),
          adjustWindowRectExForDpi(adjustWindowRectExForDpi)
    {
    }

    // The window's own DPI, else its monitor's, else the system's.
    UINT forWindow(HWND window) const;
    int systemMetric(int index, UINT dpi) const;
    // The window's outer rectangle around a client rectangle.
    RECT windowRect(RECT client, DWORD style, UINT dpi) const;

private:
    DpiForWindow *dpiForWindow;
    DpiForMonitor *dpiForMonitor;
    SystemMetricsForDpi *systemMetricsForDpi;
    AdjustWindowRectExForDpi *adjustWindowRectExForDpi;
};

#endif
