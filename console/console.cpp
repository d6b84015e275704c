// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT

#include "console.h"

#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace {

// The reason for the first failed read, kept until the end so the output is written first.
int readError = 0;

// A failing stdio call need not set errno; the reason is then the generic one.
int reason()
{
    return errno != 0 ? errno : EIO;
}

// The next byte, or EOF; a read error's reason is taken from the very call that failed.
// errno is left as it was otherwise: it may still hold the reason a write to an unbuffered
// or line-buffered stdout failed, which finish() reports.
int next(std::FILE* stream)
{
    const int earlier = errno;
    errno = 0;
    const int byte = std::getc(stream);
    if (byte == EOF && readError == 0 && std::ferror(stream) != 0) {
        readError = reason();
    }
    errno = earlier;
    return byte;
}

// The white space of the C locale, by byte value: no <cctype> call, whose result for
// a byte above 127 depends on the locale and the sign of char.
bool isSpace(int byte)
{
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// The value of `byte` as a digit in `base`, or -1.
int digitValue(int byte, int base)
{
    int digit = -1;
    if (byte >= '0' && byte <= '9') {
        digit = byte - '0';
    } else if (byte >= 'a' && byte <= 'f') {
        digit = byte - 'a' + 10;
    } else if (byte >= 'A' && byte <= 'F') {
        digit = byte - 'A' + 10;
    }
    return digit < base ? digit : -1;
}

// perror rather than fprintf to stderr: a program that names stderr pays for one more
// symbol lookup at every start, and these programs are meant to start like plain C. For
// the same reason the message is not on the stack, where a hardened build would guard it
// with a stack protector whose symbol the loader must find at every start too.
void report(const char* program, const char* what, int error)
{
    static char message[160];
    // A message cut short is still worth writing.
    static_cast<void>(std::snprintf(message, sizeof message, "%s: %s", program, what));
    errno = error;
    std::perror(message);
}

#ifdef _WIN32
// The same bytes as everywhere else: no CR added before LF, no byte 26 taken for the end
// of input. A real console shows UTF-8 for the run, so that ü and ä display as such.
UINT consoleCodePage = 0;
bool consoleBuffered = false;

void restoreCodePage()
{
    SetConsoleOutputCP(consoleCodePage);
}

bool prepareConsole()
{
    static_cast<void>(_setmode(_fileno(stdin), _O_BINARY));
    static_cast<void>(_setmode(_fileno(stdout), _O_BINARY));
    static_cast<void>(_setmode(_fileno(stderr), _O_BINARY));
    DWORD mode = 0;
    if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0) {
        consoleCodePage = GetConsoleOutputCP();
        bool utf8 = consoleCodePage == CP_UTF8;
        if (!utf8 && SetConsoleOutputCP(CP_UTF8) != 0) {
            utf8 = true;
            static_cast<void>(std::atexit(restoreCodePage));
        }
        // Unbuffered, the C runtime hands the console a byte at a time, and it decodes
        // each write alone: the two bytes of ü become two wrong signs. Buffered, every
        // line reaches it whole; no program here writes more than the buffer holds.
        consoleBuffered = utf8 && std::setvbuf(stdout, nullptr, _IOFBF, 4096) == 0;
    }
    return true;
}

// Runs before main, so before any I/O.
const bool consolePrepared = prepareConsole();
#endif

// A prompt is on screen before the program waits for its answer.
void showPrompt()
{
#ifdef _WIN32
    if (consoleBuffered) {
        static_cast<void>(std::fflush(stdout));
    }
#endif
}

} // namespace

bool console::readNumber(std::FILE* stream, Digits digits, std::int32_t& value)
{
    showPrompt();
    int byte = next(stream);
    while (isSpace(byte)) {
        byte = next(stream);
    }
    const bool negative = byte == '-';
    if (byte == '-' || byte == '+') {
        byte = next(stream);
    }

    int base = 10;
    bool digitSeen = false;
    if (digits == Digits::prefixed && byte == '0') {
        digitSeen = true;
        byte = next(stream);
        base = 8;
        if (byte == 'x' || byte == 'X') {
            base = 16;
            byte = next(stream);
        }
    }

    // Past 2^31 the magnitude no longer matters: it stops there, and the clamp does the rest.
    constexpr std::uint64_t beyond = std::uint64_t{1} << 31;
    std::uint64_t magnitude = 0;
    for (int digit = digitValue(byte, base); digit >= 0; digit = digitValue(byte, base)) {
        digitSeen = true;
        if (magnitude <= beyond) {
            magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        }
        byte = next(stream);
    }
    if (byte != EOF) {
        static_cast<void>(std::ungetc(byte, stream));
    }
    if (!digitSeen) {
        return false;
    }

    if (negative) {
        value = magnitude >= beyond ? INT32_MIN : -static_cast<std::int32_t>(magnitude);
    } else {
        value = magnitude >= beyond ? INT32_MAX : static_cast<std::int32_t>(magnitude);
    }
    return true;
}

int console::finish(const char* program)
{
    // Fully buffered, stdout fails here, at the flush. Unbuffered or line-buffered, it
    // failed earlier, inside puts or printf, and errno still holds why: only output calls
    // came since, and the reader gives errno back as it found it.
    int writeError = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        writeError = reason();
    }
    if (readError != 0) {
        report(program, "Fehler beim Lesen der Eingabe", readError);
    }
    if (writeError != 0) {
        report(program, "Fehler beim Schreiben der Ausgabe", writeError);
    }
    return readError != 0 || writeError != 0 ? 1 : 0;
}
