// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Only what the exercise settles: what any C library's scanf reads alike, and for
// countdown-dayofyear only inputs whose two reads both succeed, as it leaves the value of
// a failed read open. Numbers beyond 32 bits are left out too, as their value is.
#include "cases.h"

#include <cstring>

namespace {

// Numbers in any order of a solution's arithmetic stay far inside 32 bits: 7 × 99999.
constexpr std::uint32_t widest = 99999;

constexpr cases::Case countdownAsk[] = {
    {"Mittwoch der 10. Woche", "3\n10\n"},
    {"Sonntag der 2. Woche", "7\n2\n"},
    {"Montag der 1. Woche", "1\n1\n"},
    {"negatives Ergebnis", "1\n52\n"},
    {"beide Zahlen 0", "0\n0\n"},
    {"beide Zahlen auf einer Zeile", "3 10\n"},
    {"letzte Zeile ohne Zeilenende", "3\n10"},
    {"Leerzeilen vor den Zahlen", "\n\n3\n\n10\n"},
    {"Tabulatoren und Windows-Zeilenenden", "\t3\r\n\t10\r\n"},
    {"Vorzeichen", "+5\n-3\n"},
    {"führende Null: dezimal", "010\n010\n"},
    {"0x beendet das Lesen", "0x10\n5\n"},
    {"Wochentag 8", "8\n1\n"},
    {"leere Eingabe", ""},
    {"Eingabe endet nach dem Wochentag", "3\n"},
    {"Buchstaben statt Zahlen", "drei\nzehn\n"},
    {"Buchstaben statt der Woche", "3\nzehn\n"},
    {"ü statt einer Zahl", "\xC3\xBC\n10\n"},
    {"Text nach der Woche", "3\n10 Wochen\n"},
};

constexpr cases::Case countdownDayofyear[] = {
    {"Montag der 1. Woche", "1\n1\n"},
    {"Sonntag der 2. Woche", "7\n2\n"},
    {"Mittwoch der 10. Woche", "3\n10\n"},
    {"negatives Ergebnis", "1\n52\n"},
    {"beide Zahlen 0", "0\n0\n"},
    {"oktal und hexadezimal", "010\n0x10\n"},
    {"08: oktal 0, dann 8 als Woche", "08\n"},
    {"Hexadezimalziffern groß und klein", "0XA\n0x1f\n"},
    {"beide Zahlen auf einer Zeile", "3 10\n"},
    {"letzte Zeile ohne Zeilenende", "3\n10"},
    {"Leerzeilen vor den Zahlen", "\n\n3\n\n10\n"},
    {"Tabulatoren und Windows-Zeilenenden", "\t3\r\n\t10\r\n"},
    {"Vorzeichen", "+5\n-3\n"},
    {"Vorzeichen vor 0 und 0x", "-010\n+0x2\n"},
    {"Text nach der Woche", "3\n10 Wochen\n"},
    {"ü nach der Woche", "3\n10\xC3\xBC\n"},
};

// A program that reads nothing must not care what it is given.
constexpr cases::Case readsNothing[] = {
    {"leere Eingabe", ""},
    {"Eingabe, die nicht gelesen wird", "3\n10\n"},
};

template <std::size_t count> constexpr std::size_t size(const cases::Case (&/*list*/)[count])
{
    return count;
}

std::uint32_t next(std::uint32_t& state)
{
    state = state * 1664525U + 1013904223U;
    std::uint32_t mixed = state;
    mixed ^= mixed >> 16U;
    mixed *= 0x45d9f3bU;
    mixed ^= mixed >> 16U;
    return mixed;
}

std::uint32_t below(std::uint32_t& state, std::uint32_t bound)
{
    return next(state) % bound;
}

// Most inputs as a student would type them, some far outside a week and a year.
std::uint32_t magnitude(std::uint32_t& state, std::uint32_t usual)
{
    return below(state, 4) != 0 ? below(state, usual) : below(state, widest + 1);
}

// Writes `value` in `base`, its letters in upper or lower case.
char* digits(std::uint32_t value, std::uint32_t base, bool upper, char* out)
{
    char reversed[16];
    std::size_t count = 0;
    do {
        reversed[count++] = (upper ? "0123456789ABCDEF" : "0123456789abcdef")[value % base];
        value /= base;
    } while (value != 0);
    while (count > 0) {
        *out++ = reversed[--count];
    }
    return out;
}

// One number as text: signed, with leading zeros under %d, in any of the bases under %i.
char* number(cases::Program::Numbers numbers, std::uint32_t& state, std::uint32_t usual, char* out)
{
    const std::uint32_t value = magnitude(state, usual);
    if (below(state, 5) == 0) {
        *out++ = '-';
    } else if (below(state, 6) == 0) {
        *out++ = '+';
    }
    if (numbers == cases::Program::Numbers::decimal) {
        if (below(state, 5) == 0) {
            *out++ = '0';
        }
        return digits(value, 10, false, out);
    }
    switch (below(state, 6)) {
    case 0:
        *out++ = '0';
        return digits(value, 8, false, out);
    case 1:
        *out++ = '0';
        *out++ = 'x';
        return digits(value, 16, false, out);
    case 2:
        *out++ = '0';
        *out++ = 'X';
        return digits(value, 16, below(state, 2) == 0, out);
    default:
        return digits(value, 10, false, out);
    }
}

// The five programs, in the order the README lists them.
using Numbers = cases::Program::Numbers;
constexpr cases::Program programs[] = {
    {"countdown-ask", countdownAsk, size(countdownAsk), Numbers::decimal},
    {"countdown-fixed", readsNothing, size(readsNothing), Numbers::none},
    {"countdown-dayofyear", countdownDayofyear, size(countdownDayofyear), Numbers::prefixed},
    {"product-sheet", readsNothing, size(readsNothing), Numbers::none},
    {"task-functions", readsNothing, size(readsNothing), Numbers::none},
    {nullptr, nullptr, 0, Numbers::none},
};

} // namespace

const cases::Program* cases::find(const char* name)
{
    for (const Program* program = programs; program->name != nullptr; ++program) {
        if (std::strcmp(program->name, name) == 0) {
            return program;
        }
    }
    return nullptr;
}

std::size_t cases::randomInput(const Program& program, std::uint32_t& state, char* buffer)
{
    static const char* const between[] = {"\n", "\n", "\n", " ", "\t", "\n\n", "\r\n"};
    static const char* const after[] = {"\n", "\n", "\n", "", "\r\n", " \n"};
    char* out = number(program.numbers, state, 9, buffer);
    const char* gap = between[below(state, 7)];
    out = std::strcpy(out, gap) + std::strlen(gap); // NOLINT(clang-analyzer-security.insecureAPI.strcpy)
    out = number(program.numbers, state, 54, out);
    const char* end = after[below(state, 6)];
    out = std::strcpy(out, end) + std::strlen(end); // NOLINT(clang-analyzer-security.insecureAPI.strcpy)
    return static_cast<std::size_t>(out - buffer);
}
