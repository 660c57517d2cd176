#pragma once
// Every document form, as the chooser opens it and start-up creates it.

#include "composer/windows/DocumentForms.h"

namespace composer {

const DocumentForms& documentFormCatalog();

} // namespace composer
