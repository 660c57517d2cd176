#include "composer/core/ChooserChoices.h"

#include "composer/core/TForm1.h"
#include "composer/core/TForm2.h"

#include <array>

namespace composer {

namespace {

// Opens the form class T.
template <class T> void form(TForm1& chooser, const AuthorityProfile&) {
    chooser.OpenForm<T>();
}

void blankPortrait(TForm1& chooser, const AuthorityProfile& profile) {
    chooser.OpenBlankTemplate(BlankPage::Portrait, profile);
}

void blankLandscape(TForm1& chooser, const AuthorityProfile& profile) {
    chooser.OpenBlankTemplate(BlankPage::Landscape, profile);
}

constexpr std::array<ChooserChoice, 21> Choices = {{
    {"RadioButton1", 0, form<TForm2>}, // down-going, one authority
    {"RadioButton2", 0, nullptr},      // TForm3: down-going, two authorities
    {"RadioButton3", 0, nullptr},      // TForm9: down-going, three or more authorities
    {"RadioButton4", 0, nullptr},      // TForm5: up-going
    {"RadioButton5", 0, nullptr},      // TForm6: up-going, two authorities
    {"RadioButton6", 0, nullptr},      // TForm8: up-going, three or more authorities
    {"RadioButton7", 0, nullptr},      // TForm7: letter format
    {"RadioButton8", 0, nullptr},      // TForm4: meeting minutes
    {"RadioButton9", 0, nullptr},      // TForm13: speech
    {"RadioButton11", 0, nullptr},     // TForm12: order
    {"RadioButton14", 0, nullptr},     // TForm15: internal telegram
    {"RadioButton12", 0, nullptr},     // TForm11: work briefing
    {"RadioButton22", 0, blankLandscape},
    {"RadioButton13", 0, nullptr}, // TForm14: dispatch approval slip
    {"RadioButton21", 0, nullptr}, // TForm16: incoming-document slip
    {"RadioButton10", 0, blankPortrait},
    // The hidden variants of the older up-going form and of the incoming slip; RadioButton15 has none.
    {"RadioButton16", 1, nullptr}, // TForm17
    {"RadioButton19", 2, nullptr}, // TForm17
    {"RadioButton20", 3, nullptr}, // TForm17
    {"RadioButton17", 2, nullptr}, // TForm16
    {"RadioButton18", 3, nullptr}, // TForm16
}};

} // namespace

std::span<const ChooserChoice> chooserChoices() {
    return Choices;
}

} // namespace composer
