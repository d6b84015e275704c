// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// countdown-fixed that crashes after its second line.
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
    RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
#endif
    std::abort();
}
