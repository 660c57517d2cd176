#pragma once
// The desktop shell: special folders, folders, opening documents and starting programs.

#include <string>
#include <vector>

namespace shell {

// The folder that the desktop names by the given id, or the empty string when it names none.
// Id 26 (the user's application data) is $XDG_DATA_HOME, else $HOME/.local/share.
std::string GetSpecialFolderPath(int folderId);

constexpr int ApplicationDataFolder = 26;

// Creates the folder together with every missing parent. Returns true when the folder exists afterwards.
bool createFolderWithParents(const std::string& path);

// Opens a file or web address with the desktop's default handler (xdg-open), without waiting for it.
// Returns false when the handler could not be started.
bool openWithDefaultHandler(const std::string& pathOrAddress);

// Starts a program with the given argument vector (argv[0] is the program), without a shell and without
// waiting for it. Returns false when it could not be started.
bool startProgram(const std::vector<std::string>& argv);

// Runs a program with the given argument vector and waits for it. Returns its exit code, or -1 when it
// could not be started or did not exit normally.
int runProgram(const std::vector<std::string>& argv);

// The absolute path of a program found on PATH, or empty.
std::string findProgram(const std::string& name);

} // namespace shell
