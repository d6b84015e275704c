// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// The inputs a solution is checked with: each program's settled edge cases, and random
// inputs from a seed, in the range where no solution's arithmetic can overflow.
#pragma once

#include <cstddef>
#include <cstdint>

namespace cases {

struct Case {
    const char* name;
    const char* input;
};

struct Program {
    const char* name;
    const Case* cases;
    std::size_t count;
    // How the numbers of a random input are written; none: the program reads nothing.
    enum class Numbers { none, decimal, prefixed } numbers;
};

// The program of this name, or null.
const Program* find(const char* name);

// Writes a random input for `program` into `buffer` (at least 64 bytes), advancing `state`;
// returns its length.
std::size_t randomInput(const Program& program, std::uint32_t& state, char* buffer);

} // namespace cases
