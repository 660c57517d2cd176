#pragma once
// One issuing-authority profile of the settings file, read with the defaults of a given reader.

#include <string>

namespace ini {
class IniFile;
}

namespace composer {

// Names of the fixed sections and of the main section's key.
inline constexpr const char* MainSection = "dqx";
inline constexpr const char* CurrentProfileKey = "fwjg";
inline constexpr const char* SerialSection = "jg";
inline constexpr const char* LeftSerialSection = "left";

// Template fonts: the masthead and title font, the body font.
inline constexpr const char* TitleFont = "标准公文_小标宋";
inline constexpr const char* BodyFont = "标准公文_仿宋";

// The readers differ only in the defaults they use for missing keys.
struct ProfileDefaults {
    std::string name = "印发机关";
    std::string fontsize = "55";
    std::string fontbl = "75";
    std::string fwzt = TitleFont;
    std::string wwww;

    static ProfileDefaults outputProcedure();      // the document forms' output
    static ProfileDefaults settingsWindow();       // name empty
    static ProfileDefaults settingsWindowPicked(); // name empty, fontbl "0"
    static ProfileDefaults smallMasthead();        // fontsize "44": up-going and letter forms
    static ProfileDefaults telegram();             // fwzt without default (empty)
};

// Numeric keys are kept as text: they are converted where they are used, as the system does.
struct AuthorityProfile {
    std::string section; // the profile's name, which is also the masthead text
    std::string name;
    std::string fontsize;
    std::string fontbl;
    bool xz = true;
    std::string fwzt;
    bool fwbold = false;
    std::string btzt = TitleFont;
    std::string btsize = "22";
    std::string zwzt = BodyFont;
    std::string zwsize = "16";
    std::string top = "37";
    std::string foot = "35";
    std::string left = "28";
    std::string right = "26";
    int xxfx = 1;
    int sxfx = 1;
    int jyfx = 1;
    int jbfx = 1;
    std::string wwww;
    std::string ygdw;
    std::string jybm;
    bool ycqt = false;
};

// The current profile's name: section "dqx" key "fwjg", or the given default.
std::string currentProfileName(const ini::IniFile& settings, const std::string& fallback);

// Reads the named profile's every key with the reader's defaults. A section that does not exist yields
// all defaults.
AuthorityProfile readAuthorityProfile(const ini::IniFile& settings, const std::string& section,
                                      const ProfileDefaults& defaults);

// HostKind: exactly "wps" selects WPS, anything else Word.
enum class HostKind { Word, Wps };
HostKind hostKindOf(const std::string& wwww);

} // namespace composer
