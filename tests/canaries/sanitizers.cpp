// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// One fault for each sanitizer, chosen by the argument; the index and the value come
// from argc so that the compiler cannot see the fault and fold it away.
#include <cstdint>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "negate") == 0) {
        const std::int32_t smallest = INT32_MIN + (argc - 2);
        std::printf("%d\n", -smallest);
    } else {
        // On the heap: an array's own bounds would be UBSan's to report, not ASan's.
        const int* numbers = new int[2]{1, 2};
        std::printf("%d\n", numbers[argc]);
        delete[] numbers;
    }
    return 0;
}
