#pragma once
// The one exception type of the registry layer.

#include <stdexcept>
#include <string>

namespace registry {

enum class ErrorKind {
    NotFound,    // the key or value does not exist
    WrongType,   // the value exists but holds another type than the one asked for
    InvalidName, // a key or value name that the store cannot hold
    Syntax,      // the store's file has a line that cannot be read; line() says which
    File,        // the store's file cannot be read or written
};

// what() is the text to show. For a value of the wrong type it is "Invalid data type for '<name>'".
class Error : public std::runtime_error {
public:
    Error(ErrorKind kind, const std::string& message, int line = 0)
        : std::runtime_error(message), m_kind(kind), m_line(line) {}

    ErrorKind kind() const { return m_kind; }
    // The 1-based line of the file for a Syntax error, else 0.
    int line() const { return m_line; }

private:
    ErrorKind m_kind;
    int m_line;
};

} // namespace registry
