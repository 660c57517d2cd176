#include "platform/shell/Shell.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace shell {

namespace {

std::vector<char*> argumentPointers(const std::vector<std::string>& argv) {
    std::vector<char*> pointers;
    for (const std::string& argument : argv)
        pointers.push_back(const_cast<char*>(argument.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

// Starts the program and gives its process id, or -1.
pid_t spawn(const std::vector<std::string>& argv) {
    if (argv.empty())
        return -1;
    auto pointers = argumentPointers(argv);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0].c_str(), nullptr, nullptr, pointers.data(), environ) != 0)
        return -1;
    return pid;
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

long long millisecondsNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Runs in the intermediate child: watches the program for the grace time and ends with 0 when it still
// runs or ended well, 1 otherwise. Only async-signal-safe calls.
[[noreturn]] void watchStart(pid_t program, std::chrono::milliseconds grace) {
    const long long deadline = millisecondsNow() + grace.count();
    const timespec pause{0, 20 * 1000 * 1000};
    while (millisecondsNow() < deadline) {
        int status = 0;
        const pid_t ended = waitpid(program, &status, WNOHANG);
        if (ended == program)
            _exit(WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1);
        if (ended < 0 && errno != EINTR)
            _exit(1);
        nanosleep(&pause, nullptr);
    }
    _exit(0);
}

} // namespace

std::string GetSpecialFolderPath(int folderId) {
    if (folderId != ApplicationDataFolder)
        return {};
    std::string dataHome = environmentValue("XDG_DATA_HOME");
    // The desktop's rules ignore a relative XDG_DATA_HOME.
    if (!dataHome.empty() && dataHome.front() == '/')
        return dataHome;
    std::string home = environmentValue("HOME");
    if (home.empty())
        return {};
    return home + "/.local/share";
}

bool createFolderWithParents(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

bool startProgram(const std::vector<std::string>& argv, std::chrono::milliseconds grace) {
    if (argv.empty())
        return false;
    std::string program = findProgram(argv[0]);
    if (program.empty())
        return false;
    auto pointers = argumentPointers(argv);
    // The started program outlives us and must not stay behind as our zombie: an intermediate child
    // starts it, watches it for the grace time and ends, so the program is adopted by init. Between
    // fork and exec only async-signal-safe calls are made.
    pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        setsid();
        pid_t grandchild = fork();
        if (grandchild == 0) {
            execv(program.c_str(), pointers.data());
            _exit(127);
        }
        if (grandchild < 0)
            _exit(1);
        watchStart(grandchild, grace);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int runProgram(const std::vector<std::string>& argv) {
    pid_t pid = spawn(argv);
    if (pid < 0)
        return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string findProgram(const std::string& name) {
    if (name.find('/') != std::string::npos)
        return access(name.c_str(), X_OK) == 0 ? name : std::string();
    std::string path = environmentValue("PATH");
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(':', start);
        if (end == std::string::npos)
            end = path.size();
        std::string folder = path.substr(start, end - start);
        if (!folder.empty()) {
            std::string candidate = folder + "/" + name;
            if (access(candidate.c_str(), X_OK) == 0 && !std::filesystem::is_directory(candidate))
                return candidate;
        }
        start = end + 1;
    }
    return {};
}

} // namespace shell
