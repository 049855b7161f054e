#include "program.h"

#include <cstdlib>

// An exception that nothing catches ends the program. The C++ library's own
// handler would first write the exception's type to the standard error, which
// a windowed program has not got, through a name demangler of some 50 KB:
// pirumo.exe ends at once instead.
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    return runProgram(instance, showCommand, DpiCalls::lookedUp());
}
