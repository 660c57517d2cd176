#include "composer/core/OutputHost.h"

#include <stdexcept>

namespace composer {

// FIXME: the embedded word processor's host once it is here.
std::unique_ptr<OutputHost> makeWordProcessorHost() {
    throw std::runtime_error("no word processor");
}

} // namespace composer
