#include "program.h"

// pirumo.exe as Windows 7 and 8.1 run it: without the calls that give each
// window its own DPI, so that every fallback is taken.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    return runProgram(instance, showCommand, DpiCalls::none());
}
