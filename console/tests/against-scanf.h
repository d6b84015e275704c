// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Reads one input twice with console::readNumber and twice with the C library's own
// fscanf, from two streams holding the same bytes, as the programs read two numbers.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "console.h"

namespace againstScanf {

// A stream holding `bytes`, read from the start; tmpfile works with every C library but
// WASI's, which has no temporary files and reads from a copy in memory instead, kept for
// as long as the test runs.
inline std::FILE* streamOf(const std::string& bytes)
{
#ifdef __wasi__
    auto* copy = new std::string(bytes + '\0'); // NOLINT(cppcoreguidelines-owning-memory)
    std::FILE* stream = fmemopen(copy->data(), bytes.size(), "r");
    if (stream == nullptr) {
        std::perror("no stream in memory to compare in");
        std::abort();
    }
#else
    std::FILE* stream = std::tmpfile();
    if (stream == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size()) {
        std::perror("no temporary file to compare in");
        std::abort();
    }
    std::rewind(stream);
#endif
    return stream;
}

inline bool scanfRead(std::FILE* stream, console::Digits digits, std::int32_t& value)
{
    long long number = 0;
    // The reference: its rules are what the reader is held to.
    const int converted = digits == console::Digits::decimal
        ? std::fscanf(stream, "%lld", &number) // NOLINT(cert-err34-c)
        : std::fscanf(stream, "%lli", &number); // NOLINT(cert-err34-c)
    if (converted == 1) {
        value = static_cast<std::int32_t>(std::clamp<long long>(number, INT32_MIN, INT32_MAX));
    }
    return converted == 1;
}

// Empty when both read alike, under "%d" and under "%i": the same success, value and
// position after each read.
inline std::string difference(const std::string& input)
{
    std::FILE* ours = streamOf(input);
    std::FILE* theirs = streamOf(input);
    std::string found;
    for (const console::Digits digits : {console::Digits::decimal, console::Digits::prefixed}) {
        std::rewind(ours);
        std::rewind(theirs);
        for (int read = 1; read <= 2 && found.empty(); ++read) {
            std::int32_t ourValue = -7;
            std::int32_t theirValue = -7;
            const bool ourSuccess = console::readNumber(ours, digits, ourValue);
            const bool theirSuccess = scanfRead(theirs, digits, theirValue);
            const long ourPosition = std::ftell(ours);
            const long theirPosition = std::ftell(theirs);
            if (ourSuccess != theirSuccess || ourValue != theirValue || ourPosition != theirPosition) {
                found = std::string(digits == console::Digits::decimal ? "%d" : "%i") + ", read " + std::to_string(read)
                    + ": reader " + (ourSuccess ? "read " : "failed, ") + std::to_string(ourValue) + " at "
                    + std::to_string(ourPosition) + ", scanf " + (theirSuccess ? "read " : "failed, ")
                    + std::to_string(theirValue) + " at " + std::to_string(theirPosition);
            }
        }
    }
    static_cast<void>(std::fclose(ours));
    static_cast<void>(std::fclose(theirs));
    return found;
}

} // namespace againstScanf
