// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// countdown-ask that reads a third number, which it does not get: right.
#include <cstdio>

int tag;
int woche;
int jahr;

int main()
{
    std::puts("Welcher Wochentag ist heute? (Montag=1, Sonntag=7) ");
    std::scanf("%d", &tag);
    std::puts("Welche Kalenderwoche ist jetzt? ");
    std::scanf("%d", &woche);
    std::scanf("%d", &jahr);
    std::printf("Es sind noch %d Tage bis es Vorlesungsfrei ist. \n", 198 - 7 * woche + tag);
}
