// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Running a program on Windows: in a job object, so that ending the job ends it with
// everything it started, and so does the end of this process, Ctrl-C included; a thread
// for each pipe, so that neither side waits for the other to read.
#include "process.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

struct Pump {
    HANDLE pipe = nullptr;
    process::Output* into = nullptr;
    std::size_t limit = 0;
    HANDLE job = nullptr;
    bool over = false;
    const char* input = nullptr;
    std::size_t inputSize = 0;
};

DWORD WINAPI readAll(LPVOID argument)
{
    Pump& pump = *static_cast<Pump*>(argument);
    char scratch[4096];
    for (;;) {
        char* target = scratch;
        DWORD room = sizeof scratch;
        if (pump.into->size < pump.limit) {
            target = pump.into->data + pump.into->size;
            room = static_cast<DWORD>(pump.limit - pump.into->size < 65536 ? pump.limit - pump.into->size : 65536);
        }
        DWORD got = 0;
        if (ReadFile(pump.pipe, target, room, &got, nullptr) == 0 || got == 0) {
            return 0;
        }
        if (target != scratch) {
            pump.into->size += got;
        } else if (pump.job != nullptr) {
            // Standard output over its limit: the program goes.
            pump.over = true;
            TerminateJobObject(pump.job, 1);
            return 0;
        }
    }
}

DWORD WINAPI writeAll(LPVOID argument)
{
    Pump& pump = *static_cast<Pump*>(argument);
    std::size_t written = 0;
    while (written < pump.inputSize) {
        DWORD sent = 0;
        const std::size_t left = pump.inputSize - written;
        // A program that closed its input, or ended, reads no more of it.
        if (WriteFile(pump.pipe, pump.input + written, static_cast<DWORD>(left < 65536 ? left : 65536), &sent, nullptr)
            == 0) {
            break;
        }
        written += sent;
    }
    CloseHandle(pump.pipe);
    return 0;
}

// The command line that the C runtime splits back into these arguments.
char* commandLine(char* const* argv)
{
    std::size_t size = 1;
    for (char* const* argument = argv; *argument != nullptr; ++argument) {
        size += 3 + 2 * std::strlen(*argument);
    }
    char* line = static_cast<char*>(std::malloc(size));
    if (line == nullptr) {
        return nullptr;
    }
    char* out = line;
    for (char* const* argument = argv; *argument != nullptr; ++argument) {
        if (argument != argv) {
            *out++ = ' ';
        }
        const char* text = *argument;
        if (*text != '\0' && std::strpbrk(text, " \t\"") == nullptr) {
            out = std::strcpy(out, text) + std::strlen(text);
            continue;
        }
        *out++ = '"';
        std::size_t backslashes = 0;
        for (; *text != '\0'; ++text) {
            if (*text == '"') {
                // Backslashes before a quote are doubled, and the quote escaped.
                for (std::size_t index = 0; index <= backslashes; ++index) {
                    *out++ = '\\';
                }
            }
            backslashes = *text == '\\' ? backslashes + 1 : 0;
            *out++ = *text;
        }
        // So are those before the closing quote.
        for (std::size_t index = 0; index < backslashes; ++index) {
            *out++ = '\\';
        }
        *out++ = '"';
    }
    *out = '\0';
    return line;
}

// A C program's standard output and error in text mode, the default, writes each \n as \r\n: read
// back as the program wrote it, a line ends in \n as everywhere else. Where a program
// itself wrote \r before \n, the \r stays.
void textLines(process::Output& output)
{
    std::size_t kept = 0;
    for (std::size_t index = 0; index < output.size; ++index) {
        if (!(output.data[index] == '\r' && index + 1 < output.size && output.data[index + 1] == '\n')) {
            output.data[kept++] = output.data[index];
        }
    }
    output.size = kept;
}

} // namespace

process::Result process::run(char* const* argv, const char* input, std::size_t inputSize, unsigned timeoutMs,
    std::size_t outLimit, std::size_t errLimit)
{
    Result result;
    // A program that crashes ends at once, as on a server: no dialog, no debugger waiting
    // for someone to close it. Its children inherit the mode.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE inRead = nullptr;
    HANDLE inWrite = nullptr;
    HANDLE outRead = nullptr;
    HANDLE outWrite = nullptr;
    HANDLE errRead = nullptr;
    HANDLE errWrite = nullptr;
    char* line = commandLine(argv);
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (line == nullptr || job == nullptr || CreatePipe(&inRead, &inWrite, &inherited, 0) == 0
        || CreatePipe(&outRead, &outWrite, &inherited, 0) == 0 || CreatePipe(&errRead, &errWrite, &inherited, 0) == 0
        || SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits) == 0) {
        result.code = GetLastError();
        std::free(line);
        for (HANDLE handle : {job, inRead, inWrite, outRead, outWrite, errRead, errWrite}) {
            if (handle != nullptr) {
                CloseHandle(handle);
            }
        }
        return result;
    }
    // Our ends stay out of the child.
    for (HANDLE handle : {inWrite, outRead, errRead}) {
        SetHandleInformation(handle, HANDLE_FLAG_INHERIT, 0);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION started{};
    // Suspended until it is in the job, so that nothing it starts escapes it. Wine at times
    // fails to make a process with an internal error (2 of 9,500 here), before anything of
    // it has run; a start that never happened is made again.
    BOOL ran = FALSE;
    DWORD error = 0;
    for (int attempt = 0; attempt < 3 && ran == 0 && (attempt == 0 || error == ERROR_INTERNAL_ERROR); ++attempt) {
        ran = CreateProcessA(
            nullptr, line, nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr, nullptr, &startup, &started);
        error = GetLastError();
    }
    std::free(line);
    CloseHandle(inRead);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    if (ran == 0) {
        result.code = error;
        for (HANDLE handle : {job, inWrite, outRead, errRead}) {
            CloseHandle(handle);
        }
        return result;
    }
    AssignProcessToJobObject(job, started.hProcess);
    ResumeThread(started.hThread);
    CloseHandle(started.hThread);

    result.out.data = static_cast<char*>(std::malloc(outLimit));
    result.err.data = static_cast<char*>(std::malloc(errLimit));
    Pump in;
    in.pipe = inWrite;
    in.input = input;
    in.inputSize = inputSize;
    Pump out;
    out.pipe = outRead;
    out.into = &result.out;
    out.limit = result.out.data != nullptr ? outLimit : 0;
    out.job = job;
    Pump err;
    err.pipe = errRead;
    err.into = &result.err;
    err.limit = result.err.data != nullptr ? errLimit : 0;
    HANDLE threads[3] = {CreateThread(nullptr, 0, readAll, &out, 0, nullptr),
        CreateThread(nullptr, 0, readAll, &err, 0, nullptr), CreateThread(nullptr, 0, writeAll, &in, 0, nullptr)};

    // Done when it has ended and its output too, unless the time is up first.
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    const auto left = [deadline] {
        const ULONGLONG now = GetTickCount64();
        return static_cast<DWORD>(now < deadline ? deadline - now : 0);
    };
    bool timedOut = WaitForSingleObject(started.hProcess, left()) == WAIT_TIMEOUT;
    timedOut = timedOut || WaitForMultipleObjects(2, threads, TRUE, left()) == WAIT_TIMEOUT;
    // Whatever it started goes too; then no one holds a pipe's other end.
    TerminateJobObject(job, 1);
    WaitForSingleObject(started.hProcess, INFINITE);
    WaitForMultipleObjects(3, threads, TRUE, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(started.hProcess, &code);
    for (HANDLE handle : {threads[0], threads[1], threads[2], started.hProcess, job, outRead, errRead}) {
        CloseHandle(handle);
    }
    result.code = code;
    textLines(result.out);
    textLines(result.err);
    if (out.over || result.out.data == nullptr || result.err.data == nullptr) {
        result.end = End::cutOff;
    } else if (timedOut) {
        result.end = End::timedOut;
    } else if (code >> 28U == 0xCU) {
        // An NTSTATUS of the error kind, 0xC0000005 and the like: an exception the program
        // did not handle. exit(-1) is 0xFFFFFFFF, a status.
        result.end = End::crashed;
    } else {
        result.end = End::exited;
    }
    return result;
}

const char* process::reason(unsigned long code)
{
    static char text[512];
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(code), 0, text, sizeof text, nullptr);
    std::size_t end = length;
    while (end > 0 && (text[end - 1] == '\r' || text[end - 1] == '\n' || text[end - 1] == ' ')) {
        --end;
    }
    text[end] = '\0';
    if (end == 0) {
        static_cast<void>(std::snprintf(text, sizeof text, "error %lu", code));
    }
    return text;
}

const char* process::besideSelf(const char* name)
{
    static char path[MAX_PATH + 64];
    const DWORD got = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::size_t length = got;
    if (got == 0 || got >= MAX_PATH) {
        return nullptr;
    }
    while (length > 0 && path[length - 1] != '\\' && path[length - 1] != '/') {
        --length;
    }
    if (length == 0 || length + std::strlen(name) + 5 > sizeof path) {
        return nullptr;
    }
    std::strcpy(path + length, name); // NOLINT(clang-analyzer-security.insecureAPI.strcpy): its length is checked
    std::strcat(path, ".exe"); // NOLINT(clang-analyzer-security.insecureAPI.strcpy)
    return path;
}

const char* process::signalName(unsigned long /*code*/)
{
    return nullptr;
}

// Ctrl-C ends this process, and with it the job and all in it: nothing is left to do.
bool process::interrupted()
{
    return false;
}

void process::endAsInterrupted()
{
    std::_Exit(130);
}
