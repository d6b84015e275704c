// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// The reader against the C library's scanf on whatever bytes the fuzzer finds.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "against-scanf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): the fuzzer hands over bytes.
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string difference = againstScanf::difference(input);
    if (!difference.empty()) {
        static_cast<void>(std::fprintf(stderr, "%s\n", difference.c_str()));
        std::abort();
    }
    return 0;
}
