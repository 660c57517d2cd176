#pragma once
// What a failing action says.

#include <functional>
#include <string>

namespace testsupport {

// The message of the exception of type Error that the action throws, or "(no error)".
template <class Error> std::string errorMessage(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "(no error)";
}

} // namespace testsupport
