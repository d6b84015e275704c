// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Feeds PROGRAM a long run of one byte on standard input and checks that it reads it in
// constant memory: usage: long-input PROGRAM BYTE COUNT TAIL LAST_LINE
// Standard input is COUNT copies of BYTE, then TAIL; the last line of the output must be
// LAST_LINE, and the peak memory may exceed that of a run on TAIL alone by 1 MiB at most.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run {
    std::string output;
    long peakKiB = 0;
    bool ok = false;
};

bool writeAll(int descriptor, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(descriptor, data, size);
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

Run run(const char* program, char byte, long long count, const std::string& tail)
{
    Run result;
    int input[2];
    std::FILE* output = std::tmpfile();
    if (output == nullptr || pipe(input) != 0) {
        std::perror("long-input");
        return result;
    }
    const pid_t child = fork();
    if (child == 0) {
        dup2(input[0], 0);
        dup2(fileno(output), 1);
        close(input[0]);
        close(input[1]);
        execl(program, program, static_cast<char*>(nullptr));
        std::perror(program);
        _exit(127);
    }
    close(input[0]);
    const std::vector<char> block(1 << 16, byte);
    bool written = true;
    for (long long left = count; left > 0 && written; left -= static_cast<long long>(block.size())) {
        written = writeAll(input[1], block.data(),
            left < static_cast<long long>(block.size()) ? static_cast<std::size_t>(left) : block.size());
    }
    written = written && writeAll(input[1], tail.data(), tail.size());
    close(input[1]);

    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) {
        std::perror("long-input");
        return result;
    }
    std::rewind(output);
    for (int next = std::getc(output); next != EOF; next = std::getc(output)) {
        result.output += static_cast<char>(next);
    }
    static_cast<void>(std::fclose(output));
    result.peakKiB = usage.ru_maxrss;
    result.ok = written && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!result.ok) {
        static_cast<void>(std::fprintf(stderr, "%s did not read all its input and exit with 0\n", program));
    }
    return result;
}

std::string lastLine(std::string output)
{
    if (!output.empty() && output.back() == '\n') {
        output.pop_back();
    }
    return output.substr(output.rfind('\n') + 1); // npos + 1 is 0
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        static_cast<void>(std::fputs("usage: long-input PROGRAM BYTE COUNT TAIL LAST_LINE\n", stderr));
        return 2;
    }
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
    const char* program = argv[1];
    const long long count = std::strtoll(argv[3], nullptr, 10);
    const std::string tail = argv[4];

    const Run small = run(program, argv[2][0], 0, tail);
    const Run large = run(program, argv[2][0], count, tail);
    std::printf("%lld bytes: last line \"%s\", peak %ld KiB; without them: peak %ld KiB\n", count,
        lastLine(large.output).c_str(), large.peakKiB, small.peakKiB);
    if (!small.ok || !large.ok) {
        return 1;
    }
    if (lastLine(large.output) != argv[5]) {
        static_cast<void>(std::fprintf(stderr, "expected the last line \"%s\"\n", argv[5]));
        return 1;
    }
    if (large.peakKiB > small.peakKiB + 1024) {
        static_cast<void>(std::fputs("the long input took more memory\n", stderr));
        return 1;
    }
    return 0;
}
