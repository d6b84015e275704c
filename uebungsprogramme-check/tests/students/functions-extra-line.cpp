// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// task-functions with a line too many.
#include <cstdio>

int main()
{
    std::printf("Funktioniert!\n");
    std::printf("Ende\n");
}
