// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Reading numbers and checking the console at exit, the same for every program.
#pragma once

#include <cstdint>
#include <cstdio>

namespace console {

// The digits a number is written in: decimal only, as scanf's "%d" reads them, or as
// "%i" reads them, where a leading 0x or 0X means hexadecimal and a leading 0 octal.
enum class Digits { decimal, prefixed };

// Reads one integer from `stream` by scanf's rules: white space skipped, an optional sign,
// then digits, up to the first byte that cannot continue the number, which is left
// unread. A number of any length is read to its end and clamped to the 32-bit range.
// Returns whether a number was read; `value` keeps what it held when none was. A read
// error is kept for finish() to report.
bool readNumber(std::FILE* stream, Digits digits, std::int32_t& value);

// Flushes standard output, reports a failed read or write on standard error under the
// program's name, and returns the exit status for main: 0, or 1 after a report.
int finish(const char* program);

} // namespace console
