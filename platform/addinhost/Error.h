#pragma once
// The one exception type of the add-in host: a library that cannot be loaded, a class that is not
// registered or not served, a server call that failed. what() says which, naming the library or class.

#include <stdexcept>

namespace addinhost {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace addinhost
