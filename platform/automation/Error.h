#pragma once
// The exception of a failed automation call, as a host raises it. what() is the host's message, which
// the caller may show to the user as it is.

#include "platform/wordproc/Error.h"

namespace automation {

// The embedded word processor is the host behind every automation object, so its failure is the one
// that callers see.
using Error = wordproc::Error;

} // namespace automation
