// The section tools: a portrait page, a landscape page and the correction of landscape page numbers.
#include "addin/Dqxhand.h"

namespace addin {

// FIXME: the section tools are not built yet; until they are, their buttons change nothing.

void Dqxhand::gIhbl_Click(const automation::CommandBarControl&, bool&) noexcept {}

void Dqxhand::gIbl_Click(const automation::CommandBarControl&, bool&) noexcept {}

void Dqxhand::gAbl_Click(const automation::CommandBarControl&, bool&) noexcept {}

} // namespace addin
