// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Output is shown as a C string literal would hold it, so that what a terminal hides
// shows: a space before the line's end stands before the closing quote, the line end is
// \n, and tabs, carriage returns, control characters and bytes that are not UTF-8 are
// escapes. Nothing raw but printable characters reaches the terminal.
#include "report.h"

#include <cstdio>
#include <cstring>

namespace {

// A character as shown: the bytes of one UTF-8 character or of one byte that is none.
struct Unit {
    std::size_t length;
    bool printable;
};

// The control characters of Unicode's C1 range and the marks that turn text around are
// printable in UTF-8 but change what a terminal shows after them.
bool invisible(unsigned long code)
{
    return code < 0xA0 || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

Unit unitAt(const char* data, std::size_t size)
{
    const auto lead = static_cast<unsigned char>(data[0]);
    if (lead < 0x80) {
        return {1, lead >= 0x20 && lead < 0x7F};
    }
    std::size_t length = 0;
    unsigned long code = 0;
    unsigned long least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1FU;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0FU;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07U;
        least = 0x10000;
    }
    if (length == 0 || size < length) {
        return {1, false};
    }
    for (std::size_t index = 1; index < length; ++index) {
        const auto byte = static_cast<unsigned char>(data[index]);
        if ((byte & 0xC0U) != 0x80U) {
            return {1, false};
        }
        code = code << 6U | (byte & 0x3FU);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {1, false};
    }
    return {length, !invisible(code)};
}

void put(const char* text)
{
    static_cast<void>(std::fputs(text, stdout));
}

// Writes one unit as shown and returns its width on screen.
std::size_t show(const char* data, Unit unit)
{
    if (unit.printable) {
        if (*data == '\\' || *data == '"') {
            static_cast<void>(std::putchar('\\'));
            static_cast<void>(std::putchar(*data));
            return 2;
        }
        static_cast<void>(std::fwrite(data, 1, unit.length, stdout));
        return 1;
    }
    switch (*data) {
    case '\n':
        put("\\n");
        return 2;
    case '\t':
        put("\\t");
        return 2;
    case '\r':
        put("\\r");
        return 2;
    default:
        break;
    }
    std::size_t width = 0;
    for (std::size_t index = 0; index < unit.length; ++index) {
        static_cast<void>(std::printf("\\x%02X", static_cast<unsigned>(static_cast<unsigned char>(data[index]))));
        width += 4;
    }
    return width;
}

// Shows bytes [from, end) of `text` in quotes, at most `most` characters of them from the
// `skip`th on, with ... outside the quotes where some are left out; returns the width of
// what came before character `mark`.
std::size_t quoted(
    const char* text, std::size_t from, std::size_t end, std::size_t skip, std::size_t most, std::size_t mark = 0)
{
    std::size_t markWidth = 1;
    if (skip > 0) {
        put("...");
        markWidth += 3;
    }
    put("\"");
    std::size_t count = 0;
    std::size_t position = from;
    while (position < end) {
        const Unit unit = unitAt(text + position, end - position);
        if (count >= skip + most) {
            break;
        }
        if (count >= skip) {
            const std::size_t shown = show(text + position, unit);
            if (count < mark) {
                markWidth += shown;
            }
        }
        ++count;
        position += unit.length;
    }
    put("\"");
    if (position < end) {
        put("...");
    }
    return markWidth;
}

// What stands at `position`, in words.
void describe(const process::Output& output, std::size_t position)
{
    if (position >= output.size) {
        put("das Ende der Ausgabe");
        return;
    }
    const char* here = output.data + position;
    const Unit unit = unitAt(here, output.size - position);
    if (*here == '\n') {
        put("das Zeilenende");
    } else if (*here == ' ') {
        put("ein Leerzeichen");
    } else if (*here == '\t') {
        put("einen Tabulator");
    } else if (*here == '\r') {
        put("einen Wagenrücklauf (\\r)");
    } else if (unit.printable) {
        static_cast<void>(quoted(here, 0, unit.length, 0, 1));
    } else if (static_cast<unsigned char>(*here) < 0x80) {
        put("das Steuerzeichen ");
        static_cast<void>(show(here, unit));
    } else {
        put("das Byte ");
        static_cast<void>(show(here, {1, false}));
        put(", das kein UTF-8 ist");
    }
}

// A line at most this long is shown whole; of a longer one, the part around the difference.
constexpr std::size_t lineShown = 100;

void showLine(const char* label, const process::Output& output, std::size_t start, std::size_t skip, std::size_t mark,
    std::size_t& caret)
{
    put(label);
    if (start >= output.size) {
        put(output.size == 0 ? "(keine Ausgabe)\n" : "(keine Zeile mehr)\n");
        return;
    }
    const void* newline = std::memchr(output.data + start, '\n', output.size - start);
    const std::size_t end = newline != nullptr
        ? static_cast<std::size_t>(static_cast<const char*>(newline) - output.data) + 1
        : output.size;
    caret = std::strlen(label) + quoted(output.data, start, end, skip, lineShown, mark);
    put("\n");
}

// The first differing line of two outputs, with the column where they part.
void firstDifference(const process::Output& expected, const process::Output& got)
{
    std::size_t common = 0;
    while (common < expected.size && common < got.size && expected.data[common] == got.data[common]) {
        ++common;
    }
    // Counted in characters, from the line's start up to the one the difference falls in.
    std::size_t line = 1;
    std::size_t start = 0;
    std::size_t column = 0;
    std::size_t position = 0;
    while (position < common) {
        const Unit unit = unitAt(expected.data + position, expected.size - position);
        if (position + unit.length > common) {
            break;
        }
        position += unit.length;
        ++column;
        if (expected.data[position - 1] == '\n') {
            ++line;
            start = position;
            column = 0;
        }
    }
    static_cast<void>(std::printf("  Zeile %lu, Spalte %lu: erwartet ", static_cast<unsigned long>(line),
        static_cast<unsigned long>(column + 1)));
    describe(expected, position);
    put(", erhalten ");
    describe(got, position);
    put(".\n");
    const std::size_t skip = column > lineShown / 2 ? column - lineShown / 3 : 0;
    std::size_t caret = 0;
    showLine("  erwartet: ", expected, start, skip, column, caret);
    showLine("  erhalten: ", got, start, skip, column, caret);
    static_cast<void>(std::printf("%*s^\n", static_cast<int>(caret), ""));
}

// Seconds as a German reader writes them: 2, 0,5.
void seconds(unsigned milliseconds)
{
    static_cast<void>(std::printf("%u", milliseconds / 1000));
    unsigned fraction = milliseconds % 1000;
    if (fraction != 0) {
        int decimals = 3;
        for (; fraction % 10 == 0; fraction /= 10) {
            --decimals;
        }
        static_cast<void>(std::printf(",%0*u", decimals, fraction));
    }
}

void ending(const process::Result& got, unsigned timeoutMs, std::size_t outLimit)
{
    switch (got.end) {
    case process::End::exited:
        if (got.code != 0) {
            static_cast<void>(std::printf("  Exit-Status %lu, erwartet 0.\n", got.code));
        }
        break;
    case process::End::crashed:
        if (process::crashesAreExceptions) {
            static_cast<void>(std::printf("  Abgestürzt: Ausnahme 0x%08lX.\n", got.code));
        } else if (process::signalName(got.code) != nullptr) {
            static_cast<void>(std::printf("  Abgestürzt: Signal %s.\n", process::signalName(got.code)));
        } else {
            static_cast<void>(std::printf("  Abgestürzt: Signal %lu.\n", got.code));
        }
        break;
    case process::End::timedOut:
        put("  Nach ");
        seconds(timeoutMs);
        put(" s nicht beendet; beendet samt allem, was es gestartet hat.\n");
        break;
    case process::End::cutOff:
        static_cast<void>(std::printf(
            "  Mehr als %lu Bytes Ausgabe; abgeschnitten und beendet.\n", static_cast<unsigned long>(outLimit)));
        break;
    case process::End::notStarted:
        break;
    }
}

} // namespace

bool report::matches(const process::Result& expected, const process::Result& got)
{
    return got.end == process::End::exited && got.code == 0 && got.out.size == expected.out.size
        && std::memcmp(got.out.data, expected.out.data, got.out.size) == 0;
}

void report::differing(std::size_t number, const char* name, const char* input, std::size_t inputSize,
    const process::Result& expected, const process::Result& got, unsigned timeoutMs, std::size_t outLimit)
{
    static_cast<void>(std::printf("Fall %lu: %s\n  Eingabe:  ", static_cast<unsigned long>(number), name));
    if (inputSize == 0) {
        put("keine");
    } else {
        static_cast<void>(quoted(input, 0, inputSize, 0, lineShown));
    }
    put("\n");
    // How much of a program that did not end has written out is its C library's choice.
    if (got.end != process::End::timedOut
        && (got.out.size != expected.out.size || std::memcmp(got.out.data, expected.out.data, got.out.size) != 0)) {
        firstDifference(expected.out, got.out);
    }
    ending(got, timeoutMs, outLimit);
    if (got.err.size > 0) {
        put("  Fehlerausgabe (nicht verglichen): ");
        static_cast<void>(quoted(got.err.data, 0, got.err.size, 0, 2 * lineShown));
        put("\n");
    }
}

void report::seed(unsigned long seed)
{
    static_cast<void>(std::printf("Zufallsfälle aus dem Startwert %lu; --seed %lu gibt dieselben.\n", seed, seed));
}

void report::notShown(std::size_t count)
{
    if (count == 1) {
        put("Ein weiterer Fall weicht ab; --alle zeigt ihn.\n");
    } else if (count > 1) {
        static_cast<void>(
            std::printf("Weitere %lu Fälle weichen ab; --alle zeigt sie.\n", static_cast<unsigned long>(count)));
    }
}

void report::stopped(std::size_t unchecked)
{
    static_cast<void>(std::printf("Drei Fälle endeten nicht, die übrigen würden wohl ebenso warten: "
                                  "die Prüfung endet hier, %lu Fälle ungeprüft.\n",
        static_cast<unsigned long>(unchecked)));
}

void report::summary(const char* program, std::size_t matched, std::size_t total)
{
    static_cast<void>(std::printf("%s: %lu von %lu Fällen wie erwartet.\n", program,
        static_cast<unsigned long>(matched), static_cast<unsigned long>(total)));
}
