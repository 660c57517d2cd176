// The masthead commands: hide and show the red masthead, write the copy serial number.
#include "addin/Dqxhand.h"

namespace addin {

// FIXME: the masthead commands are not built yet; until they are, their buttons change nothing.

void Dqxhand::ghide_Click(const automation::CommandBarControl&, bool&) noexcept {}

void Dqxhand::gShow_Click(const automation::CommandBarControl&, bool&) noexcept {}

void Dqxhand::gInput_Click(const automation::CommandBarControl&, bool&) noexcept {}

} // namespace addin
