#pragma once
// Events of the object model. A handler stays connected for as long as the Connection it got back is
// held (an add-in keeps it in the member that stands for the event's object); dropping it disconnects.

#include "platform/wordproc/Signal.h"

namespace automation {

using Connection = wordproc::Connection;

} // namespace automation
