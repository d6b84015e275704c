// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// countdown-dayofyear that reads with %d: octal and hexadecimal are lost.
#include <cstdio>

int main()
{
    int tag = 0;
    int woche = 0;
    std::printf("welcher wochentag ist heute?\n");
    std::scanf("%d", &tag);
    std::printf("welche kalenderwoche ist jetzt?\n");
    std::scanf("%d", &woche);
    std::printf("tage bis ferien=%i\n", 198 - (7 * woche - (7 - tag)));
}
