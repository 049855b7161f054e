#include "program.h"

// pirumo.exe as Windows 7 runs it: without the calls that give each window
// or monitor its own DPI, so that every fallback is taken.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    return runProgram(instance, showCommand, DpiCalls::lookedUp(DpiCalls::Newest::Windows7));
}
