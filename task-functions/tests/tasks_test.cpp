// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT

#include <uebungsprogramme/tasks.h>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

std::uint64_t bits(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

TEST(PassThrough, ReturnsTheArgumentUnchanged)
{
    EXPECT_EQ(printIntegerPrimeFactorisation(12, 7), 7);
    for (const std::int32_t value : {INT32_MIN, -5, 0, INT32_MAX}) {
        EXPECT_EQ(printIntegerPrimeFactorisation(INT32_MAX, value), value);
        EXPECT_EQ(randomIntegerReturn(value), value);
    }
    for (const std::int64_t value : {INT64_MIN, std::int64_t{-1}, (std::int64_t{1} << 40) + 3, INT64_MAX}) {
        EXPECT_EQ(randomFloatingNumberLargerZero(value), value);
    }
}

TEST(PassThrough, FixedResultsOnEveryCall)
{
    for (int call = 0; call < 3; ++call) {
        EXPECT_EQ(firstTask(), 0);
        EXPECT_EQ(printMethodText(), 0);
    }
}

TEST(PassThrough, NothingIsPrinted)
{
#if GTEST_HAS_STREAM_REDIRECTION
    testing::internal::CaptureStdout();
    printIntegerPrimeFactorisation(12, 7);
    printMethodText();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
#else
    GTEST_SKIP() << "GoogleTest cannot capture standard output on this system";
#endif
}

TEST(SumOfThree, ExactIeeeResults)
{
    EXPECT_EQ(sumOfThreeFloatingNumbers(1.0, 2.0, 3.0), 9.0);
    // Added left to right the sum is 0.9000000000000001; b + c first would give 0.8999999999999999.
    EXPECT_EQ(bits(sumOfThreeFloatingNumbers(0.1, 0.2, 0.3)), bits(0.9000000000000001));
    EXPECT_NE(bits(sumOfThreeFloatingNumbers(0.1, 0.2, 0.3)), bits(0.8999999999999999));
    // 1 + 1 is lost against 1e16 only when each is added on its own.
    EXPECT_EQ(sumOfThreeFloatingNumbers(1e16, 1.0, 1.0), 1.5e16);
}

TEST(SumOfThree, IntermediateSumOverflowsOnlyLeftToRight)
{
    // a + b overflows to infinity; b + c first would give a finite 1.5e308.
    EXPECT_EQ(sumOfThreeFloatingNumbers(1e308, 1e308, -1e308), infinity);
    EXPECT_EQ(sumOfThreeFloatingNumbers(-1e308, -1e308, 1e308), -infinity);
}

TEST(SumOfThree, InfinitiesAndNaN)
{
    EXPECT_EQ(sumOfThreeFloatingNumbers(infinity, 1.0, 2.0), infinity);
    EXPECT_EQ(sumOfThreeFloatingNumbers(0.0, 0.0, -infinity), -infinity);
    EXPECT_TRUE(std::isnan(sumOfThreeFloatingNumbers(infinity, -infinity, 0.0)));
    EXPECT_TRUE(std::isnan(sumOfThreeFloatingNumbers(1.0, std::nan(""), 2.0)));
}

} // namespace
