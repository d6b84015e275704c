// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Never built: clang-tidy and cppcheck, run on it with the project's settings, must each
// find a fault here.
#include <cstdlib>

int main(int argc, char** argv)
{
    const int numbers[2] = {argc, 0};
    return numbers[2] + std::atoi(argv[0]);
}
