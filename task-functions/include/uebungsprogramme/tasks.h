// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// The six exercise functions. Their results are fixed and simple; none of them
// reads, writes or touches anything outside itself.
#pragma once

#include <cstdint>

int firstTask();
std::int32_t printIntegerPrimeFactorisation(std::int32_t number, std::int32_t result);
// NOLINTNEXTLINE(readability-identifier-length): a, b and c are the terms of the formula.
double sumOfThreeFloatingNumbers(double a, double b, double c);
std::int64_t randomFloatingNumberLargerZero(std::int64_t value);
int printMethodText();
std::int32_t randomIntegerReturn(std::int32_t value);
