#pragma once
// The registry error that a call throws, for tests that look at its kind, line and text.

#include "platform/registry/Error.h"

#include <optional>
#include <utility>

namespace testsupport {

template <typename Call> std::optional<registry::Error> caughtError(Call&& call) {
    try {
        std::forward<Call>(call)();
    } catch (const registry::Error& error) {
        return error;
    }
    return std::nullopt;
}

} // namespace testsupport
