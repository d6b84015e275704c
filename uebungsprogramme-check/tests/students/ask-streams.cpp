// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// A student's countdown-ask with C++ streams, which read as %d does: right.
#include <iostream>

int tag;
int woche;

int main()
{
    std::cout << "Welcher Wochentag ist heute? (Montag=1, Sonntag=7) \n";
    std::cin >> tag;
    std::cout << "Welche Kalenderwoche ist jetzt? \n";
    std::cin >> woche;
    std::cout << "Es sind noch " << 198 - 7 * woche + tag << " Tage bis es Vorlesungsfrei ist. \n";
}
