// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Checks a student's own solution of one of the five programs: runs it once for each case
// and compares its output, byte for byte, and its exit status with what the program itself
// gives for the same input. Exit status 0: all as expected, 1: some differ, 2: no check.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "cases.h"
#include "console.h"
#include "process.h"
#include "report.h"

namespace {

// A program that prints without end is cut off here; what it wrote to standard error is
// shown up to the other limit.
constexpr std::size_t outLimit = std::size_t{1} << 20U;
constexpr std::size_t errLimit = 4096;
// Shown in full unless --alle; the rest are counted.
constexpr std::size_t shownByDefault = 3;
// After this many cases that did not end, the rest would most likely wait as long.
constexpr std::size_t hungAtMost = 3;

struct Options {
    bool all = false;
    bool seeded = false;
    std::uint32_t seed = 0;
    unsigned long randomCount = 20;
    unsigned timeoutMs = 2000;
    const char* program = nullptr;
    char** command = nullptr;
};

void usage()
{
    static_cast<void>(
        std::printf("Aufruf: %s [OPTION]... PROGRAMM BEFEHL [ARGUMENT]...\n"
                    "Prüft eine eigene Lösung eines der Übungsprogramme: führt BEFEHL für jeden Fall mit\n"
                    "dessen Eingabe aus und vergleicht seine Ausgabe Byte für Byte und seinen Exit-Status\n"
                    "mit denen des Übungsprogramms PROGRAMM, eines von:\n"
                    "countdown-ask, countdown-fixed, countdown-dayofyear, product-sheet, task-functions.\n"
                    "\n"
                    "  --alle         alle abweichenden Fälle zeigen, nicht nur die ersten %lu\n"
                    "  --seed N       die Zufallsfälle aus dem Startwert N (0 bis 4294967295)\n"
                    "  --zufall N     N Zufallsfälle statt 20 (0 bis 10000)\n"
                    "  --timeout S    S Sekunden Zeit je Fall statt 2 (bis 600, auch 0.5)\n"
                    "  --help         diese Hilfe zeigen und beenden\n"
                    "  --version      die Version zeigen und beenden\n"
                    "\n"
                    "Exit-Status: 0, wenn alle Fälle wie erwartet sind; 1, wenn einer abweicht; 2, wenn\n"
                    "nicht geprüft werden kann.\n"
                    "Beispiel: %s countdown-ask ./a.out\n",
            PROGRAM_NAME, static_cast<unsigned long>(shownByDefault), PROGRAM_NAME));
}

void version()
{
    static_cast<void>(std::printf(
        "%s (uebungsprogramme) %s\nCopyright (c) %s\nLizenz: MIT.\n", PROGRAM_NAME, PROGRAM_VERSION, COPYRIGHT_NOTICE));
}

int trouble(const char* message, const char* detail = "")
{
    static_cast<void>(std::fprintf(stderr, "%s: %s%s\n", PROGRAM_NAME, message, detail));
    return 2;
}

// A whole decimal number up to `most`, nothing else.
bool wholeNumber(const char* text, unsigned long most, unsigned long& value)
{
    value = 0;
    if (text == nullptr || *text == '\0') {
        return false;
    }
    for (; *text != '\0'; ++text) {
        if (*text < '0' || *text > '9' || value > (most - static_cast<unsigned long>(*text - '0')) / 10) {
            return false;
        }
        value = value * 10 + static_cast<unsigned long>(*text - '0');
    }
    return true;
}

// Seconds, whole or with up to three decimals after a point or comma, as milliseconds.
bool duration(const char* text, unsigned& milliseconds)
{
    unsigned long total = 0;
    unsigned long place = 1000;
    bool point = false;
    bool digits = false;
    for (; text != nullptr && *text != '\0'; ++text) {
        if ((*text == '.' || *text == ',') && !point) {
            point = true;
            continue;
        }
        if (*text < '0' || *text > '9' || (point && place == 1) || total > 600000) {
            return false;
        }
        const auto digit = static_cast<unsigned long>(*text - '0');
        if (point) {
            place /= 10;
            total += digit * place;
        } else {
            total = total * 10 + digit * 1000;
        }
        digits = true;
    }
    milliseconds = static_cast<unsigned>(total);
    return digits && total > 0 && total <= 600000;
}

// One option that takes a value; returns -1 to go on, else the exit status.
int valued(const char* option, const char* value, Options& options)
{
    if (std::strcmp(option, "--seed") == 0) {
        unsigned long number = 0;
        if (!wholeNumber(value, 4294967295UL, number)) {
            return trouble("--seed braucht eine ganze Zahl von 0 bis 4294967295");
        }
        options.seed = static_cast<std::uint32_t>(number);
        options.seeded = true;
    } else if (std::strcmp(option, "--zufall") == 0) {
        if (!wholeNumber(value, 10000, options.randomCount)) {
            return trouble("--zufall braucht eine ganze Zahl von 0 bis 10000");
        }
    } else if (std::strcmp(option, "--timeout") == 0) {
        if (!duration(value, options.timeoutMs)) {
            return trouble("--timeout braucht Sekunden über 0 bis 600, etwa 2 oder 0.5");
        }
    } else {
        static_cast<void>(std::fprintf(
            stderr, "%s: unbekannte Option %s\nMehr mit: %s --help\n", PROGRAM_NAME, option, PROGRAM_NAME));
        return 2;
    }
    return -1;
}

// Options come before PROGRAM, as all after it is the command's; returns -1 to go on,
// else the exit status.
int parse(int argc, char** argv, Options& options)
{
    int index = 1;
    for (; index < argc && argv[index][0] == '-' && argv[index][1] != '\0'; ++index) {
        const char* option = argv[index];
        if (std::strcmp(option, "--") == 0) {
            ++index;
            break;
        }
        if (std::strcmp(option, "--help") == 0) {
            usage();
            return 0;
        }
        if (std::strcmp(option, "--version") == 0) {
            version();
            return 0;
        }
        if (std::strcmp(option, "--alle") == 0) {
            options.all = true;
            continue;
        }
        const int status = valued(option, index + 1 < argc ? argv[index + 1] : nullptr, options);
        if (status >= 0) {
            return status;
        }
        ++index;
    }
    if (index >= argc) {
        return trouble("kein PROGRAMM angegeben; mehr mit --help");
    }
    options.program = argv[index];
    if (index + 1 >= argc) {
        return trouble("kein BEFEHL angegeben, der die eigene Lösung ausführt; mehr mit --help");
    }
    options.command = argv + index + 1;
    return -1;
}

struct Tally {
    std::size_t matched = 0;
    std::size_t differing = 0;
    std::size_t hung = 0;
};

// Runs one case through both programs; returns -1 to go on, else the exit status.
int check(const Options& options, char* const* reference, const char* name, const char* input, std::size_t size,
    std::size_t number, Tally& tally)
{
    // The program itself, which ends at once, gets time enough on the slowest machine.
    const unsigned referenceMs = options.timeoutMs > 10000 ? options.timeoutMs : 10000;
    process::Result expected = process::run(reference, input, size, referenceMs, outLimit, errLimit);
    if (process::interrupted()) {
        process::endAsInterrupted();
    }
    if (expected.end != process::End::exited || expected.code != 0) {
        if (expected.end == process::End::notStarted) {
            static_cast<void>(std::fprintf(stderr, "%s: %s kann nicht gestartet werden: %s\n", PROGRAM_NAME,
                reference[0], process::reason(expected.code)));
        } else {
            static_cast<void>(
                trouble(reference[0], " endete nicht wie sonst: das Übungsprogramm selbst ist nicht in Ordnung"));
        }
        process::release(expected);
        return 2;
    }
    process::Result got = process::run(options.command, input, size, options.timeoutMs, outLimit, errLimit);
    if (process::interrupted()) {
        process::endAsInterrupted();
    }
    int status = -1;
    if (got.end == process::End::notStarted) {
        static_cast<void>(std::fprintf(stderr, "%s: %s kann nicht gestartet werden: %s\n", PROGRAM_NAME,
            options.command[0], process::reason(got.code)));
        status = 2;
    } else if (report::matches(expected, got)) {
        ++tally.matched;
    } else {
        ++tally.differing;
        if (options.all || tally.differing <= shownByDefault) {
            report::differing(number, name, input, size, expected, got, options.timeoutMs, outLimit);
            static_cast<void>(std::fflush(stdout));
        }
        if (got.end == process::End::timedOut) {
            ++tally.hung;
        }
    }
    process::release(expected);
    process::release(got);
    return status;
}

// Every case, then the summary; returns the exit status.
int checkAll(Options& options, const cases::Program& program, char* const* reference)
{
    const std::size_t random = program.numbers == cases::Program::Numbers::none ? 0 : options.randomCount;
    if (!options.seeded) {
        options.seed = static_cast<std::uint32_t>(std::time(nullptr));
    }
    std::uint32_t state = options.seed;
    const std::size_t total = program.count + random;
    Tally tally;
    for (std::size_t index = 0; index < total; ++index) {
        char input[64];
        char name[32];
        const char* text = input;
        const char* caseName = name;
        std::size_t size = 0;
        if (index < program.count) {
            text = program.cases[index].input;
            caseName = program.cases[index].name;
            size = std::strlen(text);
        } else {
            size = cases::randomInput(program, state, input);
            static_cast<void>(std::snprintf(
                name, sizeof name, "Zufallsfall %lu", static_cast<unsigned long>(index - program.count + 1)));
        }
        const int status = check(options, reference, caseName, text, size, index + 1, tally);
        if (status >= 0) {
            return status;
        }
        if (tally.hung == hungAtMost) {
            report::stopped(total - index - 1);
            break;
        }
    }
    report::notShown(options.all || tally.differing < shownByDefault ? 0 : tally.differing - shownByDefault);
    if (random > 0) {
        report::seed(options.seed);
    }
    report::summary(program.name, tally.matched, total);
    return tally.matched == total ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    int status = parse(argc, argv, options);
    const cases::Program* program = status < 0 ? cases::find(options.program) : nullptr;
    if (status < 0 && program == nullptr) {
        status = trouble("unbekanntes PROGRAMM ", options.program);
        static_cast<void>(std::fprintf(stderr,
            "%s: eines von countdown-ask, countdown-fixed, countdown-dayofyear, product-sheet, task-functions\n",
            PROGRAM_NAME));
    }
    const char* beside = program != nullptr ? process::besideSelf(program->name) : nullptr;
    if (program != nullptr && beside == nullptr) {
        status = trouble("der Ordner dieses Programms, in dem die Übungsprogramme liegen, ist nicht zu finden");
    }
    if (beside != nullptr) {
        char* reference[] = {const_cast<char*>(beside), nullptr}; // NOLINT(cppcoreguidelines-pro-type-const-cast)
        status = checkAll(options, *program, reference);
    }
    // A report lost on the way out is trouble too.
    return console::finish(PROGRAM_NAME) != 0 ? 2 : status;
}
