#pragma once
// The desktop shell: special folders, folders, opening documents and starting programs.

#include <chrono>
#include <string>
#include <vector>

namespace shell {

// The folder that the desktop names by the given id, or the empty string when it names none.
// Id 26 (the user's application data) is $XDG_DATA_HOME, else $HOME/.local/share.
std::string GetSpecialFolderPath(int folderId);

constexpr int ApplicationDataFolder = 26;

// Creates the folder together with every missing parent. Returns true when the folder exists afterwards.
bool createFolderWithParents(const std::string& path);

// How long a started program may take to fail before it counts as running: a handler that finds no
// way to open a file gives up at once.
constexpr std::chrono::milliseconds StartGrace{2000};

// Starts a program with the given argument vector (argv[0] is the program), without a shell, to run on
// after we end. Returns false when it could not be started or ended with a failure within the grace
// time; one that ended well or still runs then counts as started.
bool startProgram(const std::vector<std::string>& argv, std::chrono::milliseconds grace = StartGrace);

// Runs a program with the given argument vector and waits for it. Returns its exit code, or -1 when it
// could not be started or did not exit normally.
int runProgram(const std::vector<std::string>& argv);

// The absolute path of a program found on PATH, or empty.
std::string findProgram(const std::string& name);

} // namespace shell
