#include "program.h"

#include "form1.h"

#include <commctrl.h>

int runProgram(HINSTANCE instance, int showCommand, const DpiCalls &dpiCalls)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    Form1 window(dpiCalls);
    if (!window.create(instance, showCommand))
        return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
