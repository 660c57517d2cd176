#include "composer/windows/ChooserChoices.h"

#include "composer/windows/TForm1.h"

#include <array>

namespace composer {

namespace {

void blankPortrait(TForm1& chooser, const AuthorityProfile& profile) {
    chooser.OpenBlankTemplate(BlankPage::Portrait, profile);
}

void blankLandscape(TForm1& chooser, const AuthorityProfile& profile) {
    chooser.OpenBlankTemplate(BlankPage::Landscape, profile);
}

constexpr std::array<ChooserChoice, 21> Choices = {{
    {"RadioButton1", 0, "TForm2"},   // down-going, one authority
    {"RadioButton2", 0, "TForm3"},   // down-going, two authorities
    {"RadioButton3", 0, "TForm9"},   // down-going, three or more authorities
    {"RadioButton4", 0, "TForm5"},   // up-going
    {"RadioButton5", 0, "TForm6"},   // up-going, two authorities
    {"RadioButton6", 0, "TForm8"},   // up-going, three or more authorities
    {"RadioButton7", 0, "TForm7"},   // letter format
    {"RadioButton8", 0, "TForm4"},   // meeting minutes
    {"RadioButton9", 0, "TForm13"},  // speech
    {"RadioButton11", 0, "TForm12"}, // order
    {"RadioButton14", 0, "TForm15"}, // internal telegram
    {"RadioButton12", 0, "TForm11"}, // work briefing
    {"RadioButton22", 0, {}, blankLandscape},
    {"RadioButton13", 0, "TForm14"}, // dispatch approval slip
    {"RadioButton21", 0, "TForm16"}, // incoming-document slip
    {"RadioButton10", 0, {}, blankPortrait},
    // The hidden variants of the older up-going form and of the incoming slip; RadioButton15 has none.
    {"RadioButton16", 1, "TForm17"},
    {"RadioButton19", 2, "TForm17"},
    {"RadioButton20", 3, "TForm17"},
    {"RadioButton17", 2, "TForm16"},
    {"RadioButton18", 3, "TForm16"},
}};

} // namespace

std::span<const ChooserChoice> chooserChoices() {
    return Choices;
}

} // namespace composer
