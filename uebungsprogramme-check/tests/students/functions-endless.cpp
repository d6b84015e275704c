// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// task-functions that prints without end.
#include <cstdio>

int main()
{
    for (;;) {
        std::printf("Funktioniert!\n");
    }
}
