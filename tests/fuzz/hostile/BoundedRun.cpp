// bounded-run: runs a program and holds it to the bounds that every input must keep to.
//
//     bounded-run MAX-MEGABYTES MAX-SECONDS PROGRAM [ARGUMENTS...]
//
// The program's output passes through. Afterwards one line tells how it ended, its peak resident memory
// and its time. The exit code is the program's own when it exited by itself within both bounds, and 125
// when a signal ended it, it ran out of time (it is then killed) or its peak memory passed the bound.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int OutOfBounds = 125;

int waitBounded(pid_t child, double maxSeconds, int& status, rusage& usage, double& seconds) {
    auto start = std::chrono::steady_clock::now();
    for (;;) {
        pid_t done = ::wait4(child, &status, WNOHANG, &usage);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (done == child)
            return 0;
        if (done < 0)
            return -1;
        if (seconds > maxSeconds) {
            ::kill(child, SIGKILL);
            ::wait4(child, &status, 0, &usage);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: bounded-run MAX-MEGABYTES MAX-SECONDS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const long maxMegabytes = std::atol(argv[1]);
    const double maxSeconds = std::atof(argv[2]);
    std::fflush(nullptr);
    pid_t child = ::fork();
    if (child == 0) {
        ::execv(argv[3], argv + 3);
        std::perror(argv[3]);
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    double seconds = 0;
    int waited = waitBounded(child, maxSeconds, status, usage, seconds);
    const long megabytes = usage.ru_maxrss / 1024;
    std::string how = WIFEXITED(status) ? "exit " + std::to_string(WEXITSTATUS(status))
                                        : "signal " + std::to_string(WTERMSIG(status));
    std::fprintf(stderr, "bounded-run: %s, %ld MB, %.2f s%s\n", how.c_str(), megabytes, seconds,
                 waited == 1 ? " (killed: out of time)" : "");
    if (waited != 0 || !WIFEXITED(status) || megabytes > maxMegabytes)
        return OutOfBounds;
    return WEXITSTATUS(status);
}
