// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// countdown-fixed that crashes after its second line. On Windows, where a crash is an end
// with the exception's code, it ends so: Wine would add its own report of a real one to
// the test's standard error.
#include <cstdio>
#include <cstdlib>
#ifdef _WIN32
#include <windows.h>
#endif

int main()
{
    std::puts("Welcher Tag ist heute? ");
    std::printf("Heute ist der %i. \n", 7);
    std::fflush(stdout);
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), EXCEPTION_ACCESS_VIOLATION);
#endif
    std::abort();
}
