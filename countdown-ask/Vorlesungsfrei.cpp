// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Asks for today's weekday and calendar week and prints the days left until the
// lecture-free period, which begins on day 198 of the year.
#include <cstdint>
#include <cstdio>

#include "console.h"

std::int32_t vorlesungsfrei = 198;
std::int32_t tag;
std::int32_t woche;
std::int32_t tageBisFerien;

int main()
{
    std::puts("Welcher Wochentag ist heute? (Montag=1, Sonntag=7) ");
    console::readNumber(stdin, console::Digits::decimal, tag);
    std::puts("Welche Kalenderwoche ist jetzt? ");
    console::readNumber(stdin, console::Digits::decimal, woche);

    // 32-bit arithmetic that wraps; done unsigned, where wrapping is defined.
    tageBisFerien = static_cast<std::int32_t>(static_cast<std::uint32_t>(vorlesungsfrei)
        - 7U * static_cast<std::uint32_t>(woche) + static_cast<std::uint32_t>(tag));
    std::printf("Es sind noch %d Tage bis es Vorlesungsfrei ist. \n", tageBisFerien);
    return console::finish(PROGRAM_NAME);
}
