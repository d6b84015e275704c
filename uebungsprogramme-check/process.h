// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Running a program once: its input given and closed, its output kept up to a limit, its
// time bounded, and nothing it started left behind. One implementation per platform.
#pragma once

#include <cstddef>
#include <cstdlib>

namespace process {

// Bytes kept of a stream; `size` never exceeds the capacity that was asked for.
struct Output {
    char* data = nullptr;
    std::size_t size = 0;
};

enum class End {
    exited, // `code` is its exit status
    crashed, // `code` is the signal, or on Windows the exception's code
    timedOut, // ended by us after the time limit
    cutOff, // ended by us once its standard output passed the limit
    notStarted // `code` is the system's error; nothing ran
};

struct Result {
    End end = End::notStarted;
    unsigned long code = 0;
    Output out;
    Output err;
};

// Runs argv[0] with the arguments argv[1..] (null-terminated), directly, searched for in
// PATH where it names no folder. Standard output is kept up to `outLimit` bytes, standard
// error up to `errLimit`; more output ends the program as cut off, more errors are dropped.
Result run(char* const* argv, const char* input, std::size_t inputSize, unsigned timeoutMs, std::size_t outLimit,
    std::size_t errLimit);

// Frees what a result holds.
inline void release(Result& result)
{
    std::free(result.out.data);
    std::free(result.err.data);
    result.out = {};
    result.err = {};
}

// The system's words for an error code of End::notStarted.
const char* reason(unsigned long code);

// The full path of the program `name` (given without the system's suffix for programs) in
// the folder this program was started from, in a static buffer;
// null where that folder cannot be found.
const char* besideSelf(const char* name);

// How End::crashed's code reads: a signal, or on Windows an exception's code.
#ifdef _WIN32
constexpr bool crashesAreExceptions = true;
#else
constexpr bool crashesAreExceptions = false;
#endif

// The name of a signal (SIGSEGV), or null where none is known.
const char* signalName(unsigned long code);

// Set once the user interrupts the check: the running program is ended and run() returns.
bool interrupted();

// After an interruption: ends this process as the interruption would have.
[[noreturn]] void endAsInterrupted();

} // namespace process
