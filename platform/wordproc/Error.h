#pragma once
// The one failure type of the embedded word processor. Callers see it as automation::Error, the
// exception that a host raises for a failed automation call; what() is the message the user is shown.

#include <stdexcept>
#include <string>

namespace wordproc {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace wordproc
