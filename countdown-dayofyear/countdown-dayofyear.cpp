// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Asks for today's weekday and calendar week, turns them into the day of the year
// and prints the days left until the holidays, which begin on day 198.
#include <cstdint>
#include <cstdio>

#include "console.h"

int main()
{
    // A read that finds no number leaves these as they are, so they need a value first.
    std::int32_t tag = 0;
    std::int32_t woche = 0;

    std::printf("welcher wochentag ist heute?\n");
    console::readNumber(stdin, console::Digits::prefixed, tag);
    std::printf("welche kalenderwoche ist jetzt?\n");
    console::readNumber(stdin, console::Digits::prefixed, woche);

    // 32-bit arithmetic that wraps; done unsigned, where wrapping is defined.
    const std::uint32_t restDerWoche = 7U - static_cast<std::uint32_t>(tag);
    const std::uint32_t tagDesJahres = 7U * static_cast<std::uint32_t>(woche) - restDerWoche;
    const auto tageBisFerien = static_cast<std::int32_t>(198U - tagDesJahres);
    std::printf("tage bis ferien=%i\n", tageBisFerien);
    return console::finish(PROGRAM_NAME);
}
