#include "composer/core/BodyImport.h"

#include <stdexcept>

namespace composer {

// FIXME: reads through the embedded word processor once it is here.
std::vector<std::string> readDocumentParagraphs(const std::string& path) {
    throw std::runtime_error("cannot read " + path);
}

} // namespace composer
