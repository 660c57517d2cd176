#pragma once
// The one exception type of the cleaner: a folder that must not or cannot be deleted. what() is the
// text to report.

#include <stdexcept>

namespace cleaner {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace cleaner
