#pragma once
// Whole-file reads and writes of text kept in the system's 8-bit code page (GB18030 on disk, UTF-8 here).

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace text {

// A file that cannot be opened or created. what() is the framework's message, naming the path and the
// system's reason ("Cannot open file "...". No such file or directory").
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file longer than its reader takes; what() is the framework's message ("... File too large").
class FileTooLarge : public FileError {
public:
    using FileError::FileError;
};

// Reads the whole file and converts it from GB18030. Throws FileError.
std::string readCodePageFile(const std::string& path);

// Reads the whole file as bytes. Throws FileError.
std::string readBinaryFile(const std::string& path);

// Reads at most maxBytes; a longer file (a device that never ends included) throws FileTooLarge before
// more than that is held.
std::string readBinaryFile(const std::string& path, std::size_t maxBytes);

// Converts to GB18030 and replaces the file atomically (temporary file in the same folder, then rename).
// Throws FileError with the framework's "Cannot create file" message.
void writeCodePageFile(const std::string& path, std::string_view utf8);

// Replaces the file atomically with the bytes as given. Throws FileError.
void writeBinaryFileAtomically(const std::string& path, std::string_view bytes);

} // namespace text
