// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// What the check tells the student, all in one place.
#pragma once

#include <cstddef>

#include "process.h"

namespace report {

// Whether a run gave the expected output and ended as the program does, with status 0.
bool matches(const process::Result& expected, const process::Result& got);

// One differing case in full: its input, the first differing line, how it ended and what
// it wrote to standard error.
void differing(std::size_t number, const char* name, const char* input, std::size_t inputSize,
    const process::Result& expected, const process::Result& got, unsigned timeoutMs, std::size_t outLimit);

// The line that tells how random inputs can be had again.
void seed(unsigned long seed);

// The differing cases not shown; the stop after too many that did not end; the summary.
void notShown(std::size_t count);
void stopped(std::size_t unchecked);
void summary(const char* program, std::size_t matched, std::size_t total);

} // namespace report
