#include "tests/cleaner/ProgramRun.h"

#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

namespace {

std::vector<char*> pointers(const std::vector<std::string>& strings) {
    std::vector<char*> result;
    for (const std::string& s : strings)
        result.push_back(const_cast<char*>(s.c_str()));
    result.push_back(nullptr);
    return result;
}

} // namespace

ProgramRun runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                      const std::string& workingFolder) {
    int errorPipe[2];
    if (pipe(errorPipe) != 0)
        return {};
    const std::vector<char*> args = pointers(argv);
    const std::vector<char*> env = pointers(environment);
    const pid_t child = fork();
    if (child == 0) {
        dup2(errorPipe[1], STDERR_FILENO);
        close(errorPipe[0]);
        close(errorPipe[1]);
        if (chdir(workingFolder.c_str()) == 0)
            execve(args[0], args.data(), env.data());
        _exit(127);
    }
    close(errorPipe[1]);
    ProgramRun run;
    char buffer[512];
    for (ssize_t n; (n = read(errorPipe[0], buffer, sizeof buffer)) > 0;)
        run.standardError.append(buffer, static_cast<std::size_t>(n));
    close(errorPipe[0]);
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    return run;
}

} // namespace testsupport
