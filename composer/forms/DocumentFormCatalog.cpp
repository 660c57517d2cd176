#include "composer/forms/DocumentFormCatalog.h"

#include "composer/forms/TForm14.h"
#include "composer/forms/TForm16.h"
#include "composer/forms/TForm2.h"
#include "composer/windows/TForm1.h"
#include "platform/ui/Application.h"

#include <array>
#include <utility>

namespace composer {

namespace {

template <class T> void openForm(TForm1& chooser) {
    chooser.OpenForm<T>();
}

constexpr std::array<std::pair<std::string_view, void (*)(TForm1&)>, 3> Forms = {{
    {"TForm2", openForm<TForm2>},
    {"TForm14", openForm<TForm14>},
    {"TForm16", openForm<TForm16>},
}};

bool open(TForm1& chooser, std::string_view formClass) {
    for (const auto& [name, opener] : Forms) {
        if (name == formClass) {
            opener(chooser);
            return true;
        }
    }
    return false;
}

// The incoming-document form, made once and never shown: its creation duties run as for every instance.
void createHidden(ui::Application& app) {
    app.createForm<TForm16>();
}

} // namespace

const DocumentForms& documentFormCatalog() {
    static const DocumentForms catalog{open, createHidden};
    return catalog;
}

} // namespace composer
