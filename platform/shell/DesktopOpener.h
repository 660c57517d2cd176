#pragma once
// Opening files and web addresses for the user: the preferred programs first, then the desktop's
// handler, then LibreOffice Writer, which the installation brings along.

#include <functional>
#include <string>
#include <vector>

namespace shell {

// Starts one program by its argument vector; true when it started. startProgram by default.
using ProgramStarter = std::function<bool(const std::vector<std::string>& argv)>;

// Replaces the way programs are started, for tests and the script driver; empty: startProgram again.
void setProgramStarter(ProgramStarter starter);

// Starts a program for the user by its argument vector, with the program starter in use. False when it
// could not be started.
bool launchProgram(const std::vector<std::string>& argv);

// The argument vectors that openOnDesktop tries, in order: each preferred program with the target,
// "xdg-open" with the target, "libreoffice --writer" with the target.
std::vector<std::vector<std::string>> openingCommands(const std::string& target,
                                                      const std::vector<std::string>& preferredPrograms);

// Opens the file or web address with the first of the opening commands that starts. False when none
// could be started.
bool openOnDesktop(const std::string& target, const std::vector<std::string>& preferredPrograms = {});

} // namespace shell
