// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Asks for today's day and calendar week, answers both itself with day 7 of week 2,
// and prints the days left until the holidays, which begin on day 198 of the year.
#include <cstdint>
#include <cstdio>

#include "console.h"

std::int32_t vorlesungsfrei = 198;
std::int32_t Tag;
std::int32_t Woche;
std::int32_t tageBisFerien;

int main()
{
    std::puts("Welcher Tag ist heute? ");
    Tag = 7;
    std::printf("Heute ist der %i. \n", Tag);
    std::puts("Welche Kalenderwoche haben wir? ");
    Woche = 2;
    std::printf("Diese Woche ist die %i. Kalenderwoche. \n", Woche);

    // 32-bit arithmetic that wraps; done unsigned, where wrapping is defined.
    tageBisFerien = static_cast<std::int32_t>(static_cast<std::uint32_t>(vorlesungsfrei)
        - 7U * static_cast<std::uint32_t>(Woche) + static_cast<std::uint32_t>(Tag));
    std::printf("Es sind %i Tage noch bis zu den Ferien. \n", tageBisFerien);
    return console::finish(PROGRAM_NAME);
}
