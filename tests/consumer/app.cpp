// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Calls all six exercise functions through the installed header and library.
#include <cstdio>

#include <uebungsprogramme/tasks.h>

int main()
{
    const bool right = firstTask() == 0 && printIntegerPrimeFactorisation(12, 7) == 7
        && sumOfThreeFloatingNumbers(1.0, 2.0, 3.0) == 9.0 && randomFloatingNumberLargerZero(-3) == -3
        && printMethodText() == 0 && randomIntegerReturn(-5) == -5;
    std::puts(right ? "all six as documented" : "a function gave a wrong result");
    return right ? 0 : 1;
}
