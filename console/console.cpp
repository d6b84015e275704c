#include "console.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {

// The first input error, kept until the end so the output is written first.
bool readFailed = false;
int readErrno = 0;

// The 32-bit value nearest to the number read, as strtol gives at the ends of its range.
std::int32_t clamped(long long number)
{
    return static_cast<std::int32_t>(std::clamp<long long>(number, INT32_MIN, INT32_MAX));
}

void noteReadError()
{
    if (!readFailed && std::ferror(stdin) != 0) {
        readFailed = true;
        readErrno = errno;
    }
}

// perror rather than fprintf to stderr: a program that names stderr pays for one more
// symbol lookup at every start, and these programs are meant to start like plain C.
void report(const char* program, const char* what, int error)
{
    char message[160];
    // A message cut short is still worth writing.
    static_cast<void>(std::snprintf(message, sizeof message, "%s: %s", program, what));
    errno = error;
    std::perror(message);
}

} // namespace

void console::readDecimal(std::int32_t& value)
{
    long long number = 0;
    // scanf's own reading rules are the input format; read 64 bits wide to clamp what overflows.
    if (std::scanf("%lld", &number) == 1) { // NOLINT(cert-err34-c)
        value = clamped(number);
    }
    noteReadError();
}

void console::readInteger(std::int32_t& value)
{
    long long number = 0;
    // scanf's own reading rules are the input format; read 64 bits wide to clamp what overflows.
    if (std::scanf("%lli", &number) == 1) { // NOLINT(cert-err34-c)
        value = clamped(number);
    }
    noteReadError();
}

int console::finish(const char* program)
{
    const bool writeFailed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    const int writeErrno = writeFailed ? errno : 0;
    if (readFailed) {
        report(program, "Fehler beim Lesen der Eingabe", readErrno);
    }
    if (writeFailed) {
        report(program, "Fehler beim Schreiben der Ausgabe", writeErrno);
    }
    return readFailed || writeFailed ? 1 : 0;
}
