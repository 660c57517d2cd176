#pragma once
// Writing the store in the registry editor's export format (version 5.00), as UTF-8 with CR LF.

#include "platform/registry/KeyNode.h"

#include <string>

namespace registry {

// The whole file: the header, then every key with its values, roots in allRoots order, children in
// the order of their folded names. Every value is written so that reading it back gives the same bytes.
std::string formatRegFile(const Hive& hive);

} // namespace registry
