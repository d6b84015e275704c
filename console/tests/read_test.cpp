// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "against-scanf.h"
#include "console.h"
#include "inputs.h"

namespace {

using console::Digits;

// Only glibc's scanf is the reference; elsewhere the golden cases hold the behaviour.
#ifdef __GLIBC__
constexpr bool referenceLibrary = true;
#else
constexpr bool referenceLibrary = false;
#endif

TEST(ReadNumber, ReadsAsScanfDoesOnGeneratedInputs)
{
    if (!referenceLibrary) {
        GTEST_SKIP() << "the reference, glibc's scanf, is not this C library";
    }
    inputs::Random random(8); // NOLINT(cert-msc32-c,cert-msc51-cpp): the same inputs on every run
    int differences = 0;
    for (int i = 0; i < 4000; ++i) {
        const std::string input = i == 0 ? "" : inputs::input(random, false);
        const std::string difference = againstScanf::difference(input);
        if (!difference.empty() && ++differences <= 5) {
            ADD_FAILURE() << "on \"" << input << "\": " << difference;
        }
    }
    EXPECT_EQ(differences, 0);
}

// What the reader defines beyond scanf: numbers of any length, on every C library.
struct Case {
    const char* input;
    Digits digits;
    bool read;
    std::int32_t value;
    long position;
};

TEST(ReadNumber, ClampsNumbersOfAnyLength)
{
    const Case cases[] = {
        {"2147483647", Digits::decimal, true, INT32_MAX, 10},
        {"2147483648", Digits::decimal, true, INT32_MAX, 10},
        {"-2147483648", Digits::decimal, true, INT32_MIN, 11},
        {"-2147483649", Digits::decimal, true, INT32_MIN, 11},
        {"123456789012345678901234567890 ", Digits::decimal, true, INT32_MAX, 30},
        {"-0x8000000000000000000000001", Digits::prefixed, true, INT32_MIN, 28},
        {"0x7fffffff", Digits::prefixed, true, INT32_MAX, 10},
        {"-0x80000000", Digits::prefixed, true, INT32_MIN, 11},
        {"0777777777777777777777777777778", Digits::prefixed, true, INT32_MAX, 30},
        {"-00000000000000000000000000005x", Digits::decimal, true, -5, 30},
    };
    for (const Case& test : cases) {
        std::FILE* stream = againstScanf::streamOf(test.input);
        std::int32_t value = -7;
        EXPECT_EQ(console::readNumber(stream, test.digits, value), test.read) << test.input;
        EXPECT_EQ(value, test.value) << test.input;
        EXPECT_EQ(std::ftell(stream), test.position) << test.input;
        static_cast<void>(std::fclose(stream));
    }
}

} // namespace
