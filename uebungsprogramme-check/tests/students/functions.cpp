// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// A student's task-functions, right.
#include <cstdio>

int main()
{
    std::printf("Funktioniert!\n");
}
