// Reading numbers and checking the console at exit, the same for every program.
#pragma once

#include <cstdint>

namespace console {

// Reads one integer as scanf's "%d" does, but 64 bits wide and clamped to the 32-bit
// range: a number too large for an int would be undefined inside scanf itself.
// `value` keeps what it held when nothing could be converted.
void readDecimal(std::int32_t& value);

// The same for "%i": a leading 0 reads octal, a leading 0x or 0X hexadecimal.
void readInteger(std::int32_t& value);

// Flushes standard output, reports a failed read or write on standard error under the
// program's name, and returns the exit status for main: 0, or 1 after a report.
int finish(const char* program);

} // namespace console
