// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// countdown-fixed without its last newline.
#include <cstdio>

int main()
{
    std::puts("Welcher Tag ist heute? ");
    std::printf("Heute ist der %i. \n", 7);
    std::puts("Welche Kalenderwoche haben wir? ");
    std::printf("Diese Woche ist die %i. Kalenderwoche. \n", 2);
    std::printf("Es sind %i Tage noch bis zu den Ferien. ", 198 - 7 * 2 + 7);
}
