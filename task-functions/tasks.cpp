// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT

#include <uebungsprogramme/tasks.h>

#include <cfloat>

// The sum is defined as added left to right in IEEE double precision.
#if defined(__FAST_MATH__) || defined(__ASSOCIATIVE_MATH__)
#error "floating-point reassociation would change sumOfThreeFloatingNumbers"
#endif
// Wider intermediate results (the x87's 80 bits) would round differently; on x86-32
// build with SSE2 floating point.
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
// cppcheck-suppress preprocessorErrorDirective ; it does not see the compiler's <cfloat>
#error "double arithmetic must be evaluated in double precision (FLT_EVAL_METHOD 0)"
#endif

// Each function stays in task-functions, whose main calls none of them, even where the
// linker drops what nothing calls (on ELF, with --gc-sections).
#ifdef __ELF__
#define KEPT [[gnu::used, gnu::retain]]
#else
#define KEPT
#endif

KEPT int firstTask()
{
    return 0;
}

KEPT std::int32_t printIntegerPrimeFactorisation(std::int32_t /*number*/, std::int32_t result)
{
    return result;
}

// NOLINTNEXTLINE(readability-identifier-length): a, b and c are the terms of the formula.
KEPT double sumOfThreeFloatingNumbers(double a, double b, double c)
{
    return (a + b + c) * 1.5;
}

// An integer despite its name: the value passes through untouched.
KEPT std::int64_t randomFloatingNumberLargerZero(std::int64_t value)
{
    return value;
}

KEPT int printMethodText()
{
    return 0;
}

KEPT std::int32_t randomIntegerReturn(std::int32_t value)
{
    return value;
}
