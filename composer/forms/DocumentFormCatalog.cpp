#include "composer/forms/DocumentFormCatalog.h"

#include "composer/forms/TForm11.h"
#include "composer/forms/TForm12.h"
#include "composer/forms/TForm13.h"
#include "composer/forms/TForm14.h"
#include "composer/forms/TForm15.h"
#include "composer/forms/TForm16.h"
#include "composer/forms/TForm17.h"
#include "composer/forms/TForm2.h"
#include "composer/forms/TForm3.h"
#include "composer/forms/TForm4.h"
#include "composer/forms/TForm5.h"
#include "composer/forms/TForm6.h"
#include "composer/forms/TForm7.h"
#include "composer/forms/TForm8.h"
#include "composer/forms/TForm9.h"
#include "composer/windows/TForm1.h"
#include "platform/ui/Application.h"

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
    {"TForm5", openForm<TForm5>},   // up-going, one authority
    {"TForm6", openForm<TForm6>},   // up-going, two authorities
    {"TForm8", openForm<TForm8>},   // up-going, three or more authorities
    {"TForm7", openForm<TForm7>},   // letter format
    {"TForm4", openForm<TForm4>},   // meeting minutes
    {"TForm11", openForm<TForm11>}, // work briefing
    {"TForm13", openForm<TForm13>}, // speech
    {"TForm12", openForm<TForm12>}, // order
    {"TForm14", openForm<TForm14>}, // dispatch approval slip
    {"TForm15", openForm<TForm15>}, // internal telegram
    {"TForm16", openForm<TForm16>}, // incoming-document slip
    {"TForm17", openForm<TForm17>}, // older up-going form: branch company, party committee, union
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
