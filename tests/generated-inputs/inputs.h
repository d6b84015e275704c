// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Generated inputs for the number reader and the countdown programs: numbers in all
// three bases, signs alone and before digits, a 0x with no digit after it, numbers
// followed by the bytes just outside the digit and letter ranges, letters, control and
// high bytes, and white space of every kind. The same seed gives the same
// inputs everywhere: mt19937's sequence is fixed by the standard, unlike that of the
// distributions, and every piece is appended in its own statement, since the operands
// of + may be evaluated in any order.
#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace inputs {

using Random = std::mt19937;

inline std::uint32_t below(Random& random, std::uint32_t bound)
{
    return static_cast<std::uint32_t>(random() % bound);
}

inline std::string pick(Random& random, const std::string& characters, std::uint32_t count)
{
    std::string picked;
    for (std::uint32_t i = 0; i < count; ++i) {
        picked += characters[below(random, static_cast<std::uint32_t>(characters.size()))];
    }
    return picked;
}

inline std::string sign(Random& random)
{
    const std::uint32_t roll = below(random, 4);
    return roll == 0 ? "-" : roll == 1 ? "+" : "";
}

// At times one of the bytes next to 0-9, A-F and a-f, which a reader that is off by one
// in a range test would take for a digit.
inline std::string neighbour(Random& random)
{
    return below(random, 3) == 0 ? pick(random, "/:@[`{Gg", 1) : "";
}

inline std::string controlBytes(Random& random)
{
    std::string bytes;
    for (std::uint32_t i = 0, count = 1 + below(random, 4); i < count; ++i) {
        const std::uint32_t roll = below(random, 3);
        bytes += static_cast<char>(roll == 0 ? below(random, 32) : roll == 1 ? 127U : 128 + below(random, 128));
    }
    return bytes;
}

// One piece of input; with `beyond64Bits` false every number in it fits into 64 bits.
inline std::string token(Random& random, bool beyond64Bits)
{
    const std::string digits = "0123456789";
    std::string text;
    const std::uint32_t kind = below(random, beyond64Bits ? 9 : 8);
    if (kind <= 3 || kind == 8) {
        text += sign(random);
    }
    switch (kind) {
    case 0: // decimal
        text += pick(random, digits, 1 + below(random, 10));
        text += neighbour(random);
        break;
    case 1: // octal, at times stopped by an 8 or 9
        text += "0";
        text += pick(random, "01234567", below(random, 12));
        text += pick(random, "89", below(random, 2));
        text += neighbour(random);
        break;
    case 2: // hexadecimal, at times only the prefix
        text += "0";
        text += pick(random, "xX", 1);
        text += pick(random, digits + "abcdefABCDEF", below(random, 16));
        text += neighbour(random);
        break;
    case 3: // a sign alone, or two
        text += pick(random, "+-", below(random, 2));
        break;
    case 4:
        text += pick(random, "abcdefghijklmnopqrstuvwxyzXYZ", 1 + below(random, 6));
        break;
    case 5:
        text += controlBytes(random);
        break;
    case 6: // a number with punctuation inside
        text += pick(random, digits, 1 + below(random, 3));
        text += pick(random, ".,-+x/:@[`{Gg", 1);
        text += pick(random, digits, below(random, 3));
        break;
    case 7:
        text += pick(random, digits, 1 + below(random, 2));
        break;
    default: // far beyond 64 bits
        text += pick(random, "123456789", 1);
        text += pick(random, digits, 19 + below(random, 30));
        break;
    }
    return text;
}

inline std::string space(Random& random)
{
    static const char* const spaces[] = {" ", "  ", "\t", "\n", "\r\n", "\n\n", " \t\r\n", "\v", "\f"};
    return spaces[below(random, sizeof spaces / sizeof spaces[0])];
}

inline std::string input(Random& random, bool beyond64Bits)
{
    std::string text = below(random, 4) == 0 ? space(random) : "";
    for (std::uint32_t i = 0, count = below(random, 5); i < count; ++i) {
        text += token(random, beyond64Bits);
        text += space(random);
    }
    if (!text.empty() && below(random, 4) == 0) {
        text.pop_back(); // input that ends without a newline
    }
    return text;
}

} // namespace inputs
