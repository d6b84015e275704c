// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// A student's countdown-dayofyear, right.
#include <cstdio>

int main()
{
    int tag;
    int woche;
    std::printf("welcher wochentag ist heute?\n");
    std::scanf("%i", &tag);
    std::printf("welche kalenderwoche ist jetzt?\n");
    std::scanf("%i", &woche);
    std::printf("tage bis ferien=%i\n", 198 - (7 * woche - (7 - tag)));
}
