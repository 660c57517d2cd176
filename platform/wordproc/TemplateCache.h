#pragma once
// Templates parsed once. Documents.Add makes many documents from a few templates; the first document
// reads, unpacks, checks and parses its template, and the later ones copy the parsed parts. A template
// is parsed again as soon as its file changes on disk.

#include "platform/wordproc/ParsedPackage.h"

#include <string>

namespace wordproc {

// The parsed parts of the template file, a copy of its own for the caller. Throws Error naming the file
// when it cannot be read or parsed (Package.h, ParsedPackage.h); nothing is kept of such a file.
ParsedPackage parsedTemplate(const std::string& path);

} // namespace wordproc
