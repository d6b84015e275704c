// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// countdown-ask that never ends once it has read its numbers.
#include <cstdio>

int tag;
int woche;
volatile bool warten = true;

int main()
{
    std::puts("Welcher Wochentag ist heute? (Montag=1, Sonntag=7) ");
    std::scanf("%d", &tag);
    std::puts("Welche Kalenderwoche ist jetzt? ");
    std::scanf("%d", &woche);
    while (warten) {}
    std::printf("Es sind noch %d Tage bis es Vorlesungsfrei ist. \n", 198 - 7 * woche + tag);
}
