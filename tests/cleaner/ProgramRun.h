#pragma once
// Runs a program as a child process with a given environment and working folder, and collects its exit
// code and standard error.

#include <string>
#include <vector>

namespace testsupport {

struct ProgramRun {
    int exitCode = -1; // -1 when it did not exit normally
    std::string standardError;
};

ProgramRun runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                      const std::string& workingFolder);

} // namespace testsupport
