// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// task-functions that prints without end, a line that never ends.
#include <cstdio>
#include <cstring>

char zeilen[1 << 16];

int main()
{
    std::memset(zeilen, 'x', sizeof zeilen);
    for (;;) {
        std::fwrite(zeilen, 1, sizeof zeilen, stdout);
    }
}
