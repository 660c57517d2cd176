#include "composer/forms/DocumentFormCatalog.h"

#include "composer/forms/TForm11.h"
#include "composer/forms/TForm2.h"
#include "composer/forms/TForm3.h"
#include "composer/forms/TForm4.h"
#include "composer/forms/TForm9.h"
#include "composer/windows/TForm1.h"

#include <utility>

namespace composer {

namespace {

template <class T> void openForm(TForm1& chooser) {
    chooser.OpenForm<T>();
}

constexpr std::pair<std::string_view, void (*)(TForm1&)> Forms[] = {
    {"TForm2", openForm<TForm2>},   // down-going, one authority
    {"TForm3", openForm<TForm3>},   // down-going, two authorities
    {"TForm9", openForm<TForm9>},   // down-going, three or more authorities
    {"TForm4", openForm<TForm4>},   // meeting minutes
    {"TForm11", openForm<TForm11>}, // work briefing
};

bool open(TForm1& chooser, std::string_view formClass) {
    for (const auto& [name, opener] : Forms) {
        if (name == formClass) {
            opener(chooser);
            return true;
        }
    }
    return false;
}

void createHidden(ui::Application&) {
    // The incoming-document form is created hidden here once it exists.
}

} // namespace

const DocumentForms& documentFormCatalog() {
    static const DocumentForms catalog{open, createHidden};
    return catalog;
}

} // namespace composer
