// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Running a program on POSIX systems: in a process group of its own, so that one signal
// ends it with everything it started; poll on all three pipes at once, so that neither
// side waits for the other to read.
#include "process.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <initializer_list>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __APPLE__
#include <mach-o/dyld.h>
#endif

extern char** environ; // NOLINT(readability-redundant-declaration): POSIX declares it nowhere

namespace {

volatile std::sig_atomic_t caught = 0;
// A byte comes through once a child has ended, so that waiting for it is waiting on an event.
int childEnded[2] = {-1, -1};

void onSignal(int signal)
{
    caught = signal;
}

void onChild(int /*signal*/)
{
    const int saved = errno;
    const char byte = 0;
    // Full, the pipe has told already.
    const ssize_t told = write(childEnded[1], &byte, 1);
    static_cast<void>(told);
    errno = saved;
}

// Our ends of the pipes stay out of the child and above the standard descriptors, which
// a checker started without them would otherwise hand out.
bool makePipe(int ends[2])
{
    if (pipe(ends) != 0) {
        return false;
    }
    for (int index = 0; index < 2; ++index) {
        const int moved = fcntl(ends[index], F_DUPFD_CLOEXEC, 3);
        static_cast<void>(close(ends[index]));
        ends[index] = moved;
    }
    return ends[0] >= 0 && ends[1] >= 0;
}

// A pipe the student's program closes is an error to report, not a reason to die; an
// interruption is noted, so that the program is ended before this one is.
void prepareSignals()
{
    static bool prepared = false;
    if (prepared) {
        return;
    }
    prepared = true;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        static_cast<void>(sigaction(signal, &action, nullptr));
    }
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
    if (makePipe(childEnded)) {
        for (const int end : childEnded) {
            static_cast<void>(fcntl(end, F_SETFL, fcntl(end, F_GETFL) | O_NONBLOCK));
        }
        struct sigaction child {};
        child.sa_handler = onChild;
        child.sa_flags = SA_RESTART | SA_NOCLDSTOP;
        sigemptyset(&child.sa_mask);
        static_cast<void>(sigaction(SIGCHLD, &child, nullptr));
    }
}

long long nowMs()
{
    timespec now{};
    static_cast<void>(clock_gettime(CLOCK_MONOTONIC, &now));
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

void closeFd(int& descriptor)
{
    if (descriptor >= 0) {
        static_cast<void>(close(descriptor));
        descriptor = -1;
    }
}

// Reads what is there into `into`, up to `limit` bytes; returns false at the end of the
// stream, and sets `over` when more came than the limit holds.
bool drain(int descriptor, process::Output& into, std::size_t limit, bool& over)
{
    char scratch[4096];
    for (;;) {
        char* target = scratch;
        std::size_t room = sizeof scratch;
        if (into.size < limit) {
            target = into.data + into.size;
            room = limit - into.size;
        }
        const ssize_t got = read(descriptor, target, room);
        if (got > 0) {
            if (target == scratch) {
                over = true;
            } else {
                into.size += static_cast<std::size_t>(got);
            }
            continue;
        }
        return got < 0 && (errno == EAGAIN || errno == EINTR);
    }
}

struct Streams {
    int input = -1;
    int output = -1;
    int errors = -1;
};

// Gives the program what it takes of its input now; closes the pipe once all is given or
// the program reads no more (it closed its input, or ended).
void feed(int& descriptor, const char* input, std::size_t inputSize, std::size_t& written)
{
    const ssize_t sent = write(descriptor, input + written, inputSize - written);
    if (sent > 0) {
        written += static_cast<std::size_t>(sent);
    }
    if (written == inputSize || (sent < 0 && errno != EAGAIN && errno != EINTR)) {
        closeFd(descriptor);
    }
}

// Feeds, reads and waits until both output streams end, the time is up, the output is
// over its limit or the user interrupts; returns how it stopped (exited: the streams ended).
process::End exchange(Streams& streams, process::Result& result, const char* input, std::size_t inputSize,
    long long deadline, std::size_t outLimit, std::size_t errLimit)
{
    std::size_t written = 0;
    if (inputSize == 0) {
        closeFd(streams.input);
    }
    while (streams.output >= 0 || streams.errors >= 0) {
        pollfd watched[3] = {{streams.input, POLLOUT, 0}, {streams.output, POLLIN, 0}, {streams.errors, POLLIN, 0}};
        const long long left = deadline - nowMs();
        // poll passes over a negative descriptor: a stream already closed.
        if (left <= 0 || poll(watched, 3, static_cast<int>(left)) < 0 || caught != 0) {
            if (left <= 0 || caught != 0) {
                return process::End::timedOut;
            }
            continue;
        }
        if (watched[0].revents != 0) {
            feed(streams.input, input, inputSize, written);
        }
        bool over = false;
        if (watched[1].revents != 0 && !drain(streams.output, result.out, outLimit, over)) {
            closeFd(streams.output);
        }
        if (over) {
            return process::End::cutOff;
        }
        if (watched[2].revents != 0 && !drain(streams.errors, result.err, errLimit, over)) {
            closeFd(streams.errors);
        }
    }
    return process::End::exited;
}

// Runs argv, searched for in `path` where its name has no slash, as execvp does but never
// by a shell; returns why it could not. `candidate` holds any folder of `path` and the name.
int execute(char* const* argv, const char* path, char* candidate)
{
    if (std::strchr(argv[0], '/') != nullptr) {
        execve(argv[0], argv, environ);
        return errno;
    }
    const std::size_t nameLength = std::strlen(argv[0]);
    int failure = ENOENT;
    for (const char* folder = path;;) {
        const char* colon = std::strchr(folder, ':');
        std::size_t length = colon != nullptr ? static_cast<std::size_t>(colon - folder) : std::strlen(folder);
        std::memcpy(candidate, folder, length); // NOLINT(bugprone-not-null-terminated-result): the name follows
        // An empty entry is the current folder.
        if (length == 0) {
            candidate[length++] = '.';
        }
        candidate[length] = '/';
        std::memcpy(candidate + length + 1, argv[0], nameLength + 1);
        execve(candidate, argv, environ);
        if (errno == EACCES) {
            failure = EACCES;
        } else if (errno != ENOENT && errno != ENOTDIR) {
            return errno;
        }
        if (colon == nullptr) {
            return failure;
        }
        folder = colon + 1;
    }
}

// Starts argv in a process group of its own with `streams` as its standard input, output
// and error, and the signals as a shell leaves them; returns its pid, or -1 with `error`
// set. Why exec failed comes back through a pipe that a successful exec closes, so that
// a program that cannot start is never taken for one that ended.
pid_t start(char* const* argv, const int streams[3], int& error)
{
    int report[2] = {-1, -1};
    const char* path = std::getenv("PATH");
    if (path == nullptr) {
        path = "/usr/bin:/bin";
    }
    char* candidate = static_cast<char*>(std::malloc(std::strlen(path) + std::strlen(argv[0]) + 3));
    if (candidate == nullptr || !makePipe(report)) {
        error = errno;
        std::free(candidate);
        return -1;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        static_cast<void>(setpgid(0, 0));
        for (int target = 0; target < 3; ++target) {
            static_cast<void>(dup2(streams[target], target));
        }
        struct sigaction standard {};
        standard.sa_handler = SIG_DFL;
        for (const int signal : {SIGPIPE, SIGINT, SIGTERM, SIGHUP, SIGCHLD}) {
            static_cast<void>(sigaction(signal, &standard, nullptr));
        }
        sigset_t none;
        sigemptyset(&none);
        static_cast<void>(sigprocmask(SIG_SETMASK, &none, nullptr));
        const int failure = execute(argv, path, candidate);
        const ssize_t told = write(report[1], &failure, sizeof failure);
        static_cast<void>(told);
        std::free(candidate);
        _exit(127);
    }
    error = errno;
    std::free(candidate);
    closeFd(report[1]);
    if (pid < 0) {
        closeFd(report[0]);
        return -1;
    }
    // Here too, so that the group is there before anything is sent to it.
    static_cast<void>(setpgid(pid, pid));
    int failure = 0;
    ssize_t got = 0;
    while ((got = read(report[0], &failure, sizeof failure)) < 0 && errno == EINTR) {}
    closeFd(report[0]);
    if (got == static_cast<ssize_t>(sizeof failure)) {
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {}
        error = failure;
        return -1;
    }
    return pid;
}

// Its output has ended; it may still run, until the time is up or the user interrupts.
// Returns the pid once it has ended, with its status, else 0.
pid_t awaitEnd(pid_t pid, long long deadline, int& status)
{
    for (;;) {
        const pid_t reaped = waitpid(pid, &status, WNOHANG);
        const long long left = deadline - nowMs();
        if (reaped < 0 && errno == EINTR) {
            continue;
        }
        if (reaped != 0 || caught != 0 || left <= 0) {
            return reaped == pid ? pid : 0;
        }
        pollfd ended{childEnded[0], POLLIN, 0};
        if (childEnded[0] < 0) {
            // Without the pipe, nothing tells: look again shortly.
            static_cast<void>(poll(nullptr, 0, 5));
        } else if (poll(&ended, 1, static_cast<int>(left)) > 0) {
            char bytes[64];
            while (read(childEnded[0], bytes, sizeof bytes) > 0) {}
        }
    }
}

} // namespace

process::Result process::run(char* const* argv, const char* input, std::size_t inputSize, unsigned timeoutMs,
    std::size_t outLimit, std::size_t errLimit)
{
    prepareSignals();
    Result result;
    int inPipe[2] = {-1, -1};
    int outPipe[2] = {-1, -1};
    int errPipe[2] = {-1, -1};
    if (!makePipe(inPipe) || !makePipe(outPipe) || !makePipe(errPipe)) {
        result.code = static_cast<unsigned long>(errno);
        for (int* ends : {inPipe, outPipe, errPipe}) {
            closeFd(ends[0]);
            closeFd(ends[1]);
        }
        return result;
    }
    int error = 0;
    const int childStreams[3] = {inPipe[0], outPipe[1], errPipe[1]};
    const pid_t pid = start(argv, childStreams, error);
    closeFd(inPipe[0]);
    closeFd(outPipe[1]);
    closeFd(errPipe[1]);
    Streams streams{inPipe[1], outPipe[0], errPipe[0]};
    if (pid < 0) {
        result.code = static_cast<unsigned long>(error);
        closeFd(streams.input);
        closeFd(streams.output);
        closeFd(streams.errors);
        return result;
    }
    for (const int descriptor : {streams.input, streams.output, streams.errors}) {
        static_cast<void>(fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) | O_NONBLOCK));
    }
    result.out.data = static_cast<char*>(std::malloc(outLimit));
    result.err.data = static_cast<char*>(std::malloc(errLimit));
    const long long deadline = nowMs() + timeoutMs;
    End end = result.out.data != nullptr && result.err.data != nullptr
        ? exchange(streams, result, input, inputSize, deadline, outLimit, errLimit)
        : End::cutOff;
    closeFd(streams.input);
    closeFd(streams.output);
    closeFd(streams.errors);

    int status = 0;
    const pid_t reaped = end == End::exited ? awaitEnd(pid, deadline, status) : 0;
    if (end == End::exited && reaped != pid) {
        end = End::timedOut;
    }
    // Whatever it started goes too. While any of them lives, the group's id is theirs.
    static_cast<void>(kill(-pid, SIGKILL));
    if (reaped != pid) {
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    }
    result.end = end;
    if (end == End::exited) {
        if (WIFSIGNALED(status)) {
            result.end = End::crashed;
            result.code = static_cast<unsigned long>(WTERMSIG(status));
        } else {
            result.code = static_cast<unsigned long>(WEXITSTATUS(status));
        }
    }
    return result;
}

const char* process::reason(unsigned long code)
{
    return std::strerror(static_cast<int>(code));
}

const char* process::besideSelf(const char* name)
{
    static char path[4096];
    std::size_t length = 0;
#ifdef __APPLE__
    auto size = static_cast<std::uint32_t>(sizeof path);
    if (_NSGetExecutablePath(path, &size) != 0) {
        return nullptr;
    }
    length = std::strlen(path);
#else
    const ssize_t got = readlink("/proc/self/exe", path, sizeof path);
    if (got <= 0 || static_cast<std::size_t>(got) >= sizeof path) {
        return nullptr;
    }
    length = static_cast<std::size_t>(got);
#endif
    while (length > 0 && path[length - 1] != '/') {
        --length;
    }
    if (length == 0 || length + std::strlen(name) >= sizeof path) {
        return nullptr;
    }
    std::strcpy(path + length, name); // NOLINT(clang-analyzer-security.insecureAPI.strcpy): its length is checked
    return path;
}

const char* process::signalName(unsigned long code)
{
    // Their numbers differ between systems; their names do not.
    switch (static_cast<int>(code)) {
    case SIGHUP:
        return "SIGHUP";
    case SIGINT:
        return "SIGINT";
    case SIGQUIT:
        return "SIGQUIT";
    case SIGILL:
        return "SIGILL";
    case SIGTRAP:
        return "SIGTRAP";
    case SIGABRT:
        return "SIGABRT";
    case SIGBUS:
        return "SIGBUS";
    case SIGFPE:
        return "SIGFPE";
    case SIGKILL:
        return "SIGKILL";
    case SIGSEGV:
        return "SIGSEGV";
    case SIGPIPE:
        return "SIGPIPE";
    case SIGALRM:
        return "SIGALRM";
    case SIGTERM:
        return "SIGTERM";
    case SIGUSR1:
        return "SIGUSR1";
    case SIGUSR2:
        return "SIGUSR2";
    case SIGXCPU:
        return "SIGXCPU";
    case SIGXFSZ:
        return "SIGXFSZ";
    case SIGSYS:
        return "SIGSYS";
    default:
        return nullptr;
    }
}

bool process::interrupted()
{
    return caught != 0;
}

void process::endAsInterrupted()
{
    const int signal = caught;
    static_cast<void>(std::signal(signal, SIG_DFL));
    static_cast<void>(std::raise(signal));
    std::_Exit(128 + signal);
}
