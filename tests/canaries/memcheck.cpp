// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// A value that was never written decides what is printed. It is reached through a
// volatile pointer, so that the compiler cannot see that and warn.
#include <cstdio>
#include <cstdlib>

int main()
{
    int* volatile value = static_cast<int*>(std::malloc(sizeof(int)));
    std::puts(value != nullptr && *value == 1 ? "one" : "other");
    std::free(value);
    return 0;
}
