#pragma once
// The settings window: creates, edits, saves, deletes and selects the issuing-authority profiles of the
// settings file, and marks one of them as current.

#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

#include <functional>
#include <string>

namespace ini {
class IniFile;
}

namespace composer {

struct AuthorityProfile;
struct ProfileDefaults;

class TForm10 : public ui::Form {
public:
    explicit TForm10(ui::Form* owner);

    ui::Label& Label4;
    ui::ComboBox& ComboBox8;
    ui::SpeedButton& SpeedButton1;
    ui::Label& Label1;
    ui::Edit& Edit1;
    ui::GroupBox& GroupBox3;
    ui::RadioButton& RadioButton4;
    ui::RadioButton& RadioButton3;
    ui::GroupBox& GroupBox2;
    ui::RadioButton& RadioButton1;
    ui::RadioButton& RadioButton2;
    ui::GroupBox& GroupBox7;
    ui::ComboBox& ComboBox4;
    ui::ComboBox& ComboBox5;
    ui::ComboBox& ComboBox6;
    ui::ComboBox& ComboBox7;
    ui::GroupBox& GroupBox1;
    ui::ComboBox& ComboBox1;
    ui::Edit& Edit2;
    ui::Edit& Edit5;
    ui::CheckBox& CheckBox1;
    ui::GroupBox& GroupBox4;
    ui::ComboBox& ComboBox2;
    ui::Edit& Edit6;
    ui::GroupBox& GroupBox5;
    ui::ComboBox& ComboBox3;
    ui::Edit& Edit7;
    ui::GroupBox& GroupBox6;
    ui::Edit& Edit8;
    ui::Edit& Edit9;
    ui::Edit& Edit10;
    ui::Edit& Edit11;
    ui::Button& Button9;
    ui::Button& Button7;
    ui::Button& Button6;
    ui::Button& Button2;

private:
    void setUpControls();
    void bindEvents();

    void FormCreate();
    void ComboBox8Click();
    void SpeedButton1Click();
    void Button6Click();
    void Button9Click();
    void Button2Click();
    void Button7Click();

    // Shows a profile name as ComboBox8's text; its list stays the file's sections.
    void showProfileName(const std::string& name);
    void loadProfile(const ini::IniFile& settings, const std::string& name, const ProfileDefaults& defaults);
    void showProfile(const AuthorityProfile& profile);
    AuthorityProfile profileFromControls() const;
    void setStandardDefaults();
    void SuggestScalePercent();
    // Writes the profile named by ComboBox8 from the controls; false when the file refused it.
    bool saveProfile();
    // Runs a change of the settings file; a write that the system refuses is reported and ends the
    // change. Returns false then.
    bool writeSettings(const std::function<void()>& change);
};

} // namespace composer
