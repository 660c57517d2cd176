#include "composer/windows/RecipientPicker.h"

#include "composer/windows/TForm21.h"
#include "platform/ui/TextControl.h"

#include <array>

namespace composer {

namespace {

struct RoleTexts {
    UnitRole role;
    const char* caption;
    const char* label;
    const char* hint;
};

constexpr std::array<RoleTexts, 4> Roles = {{
    {UnitRole::MainRecipients, "选择主送单位", "主送单位如下：", "添加为主送单位"},
    {UnitRole::CopyTo, "选择抄送单位", "抄送单位如下：", "添加为抄送单位"},
    {UnitRole::Distribution, "选择分送单位", "分送单位如下：", "添加为分送单位"},
    {UnitRole::SendTo, "选择发送单位", "发送单位如下：", "添加为发送单位"},
}};

const RoleTexts& textsOf(UnitRole role) {
    for (const RoleTexts& texts : Roles)
        if (texts.role == role)
            return texts;
    return Roles.back();
}

} // namespace

bool PickUnits(ui::Form& owner, ui::TextControl& field, UnitRole role) {
    TForm21& picker = ui::createForm<TForm21>(&owner);
    picker.Memo1.setText(field.text());
    const RoleTexts& texts = textsOf(role);
    picker.setCaption(texts.caption);
    picker.Label1.setCaption(texts.label);
    picker.Button1.setHint(texts.hint);
    if (picker.showModal() != ui::mrOk)
        return false;
    field.setText(picker.Memo1.text());
    return true;
}

} // namespace composer
