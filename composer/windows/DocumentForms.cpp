#include "composer/windows/DocumentForms.h"

namespace composer {

namespace {

DocumentForms& installed() {
    static DocumentForms forms;
    return forms;
}

} // namespace

void installDocumentForms(const DocumentForms& forms) {
    installed() = forms;
}

const DocumentForms& installedDocumentForms() {
    return installed();
}

} // namespace composer
