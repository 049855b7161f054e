#ifndef PIRUMO_WIN32_PROGRAM_H
#define PIRUMO_WIN32_PROGRAM_H

#include "dpicalls.h"

#include <windows.h>

// Shows PIRUMO's window and runs it until it closes; gives the exit status.
int runProgram(HINSTANCE instance, int showCommand, const DpiCalls &dpiCalls);

#endif
