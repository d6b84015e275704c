// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Writes COUNT generated inputs for the countdown programs into FOLDER as 000.in,
// 001.in, ..., the first one empty, some with numbers far beyond 64 bits.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "inputs.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        static_cast<void>(std::fputs("usage: generate-inputs FOLDER COUNT SEED\n", stderr));
        return 2;
    }
    const std::string folder = argv[1];
    const long count = std::strtol(argv[2], nullptr, 10);
    inputs::Random random(static_cast<inputs::Random::result_type>(std::strtoul(argv[3], nullptr, 10)));

    for (long i = 0; i < count; ++i) {
        std::string path = std::to_string(i);
        path.insert(0, path.size() < 3 ? 3 - path.size() : 0, '0');
        path.insert(0, folder + "/");
        path += ".in";
        const std::string text = i == 0 ? "" : inputs::input(random, true);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr || std::fwrite(text.data(), 1, text.size(), file) != text.size()
            || std::fclose(file) != 0) {
            std::perror(path.c_str());
            return 1;
        }
    }
    return 0;
}
