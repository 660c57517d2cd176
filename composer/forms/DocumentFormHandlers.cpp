#include "composer/forms/DocumentFormHandlers.h"

#include "composer/core/AuthorityProfile.h"
#include "composer/core/DateCombos.h"
#include "composer/core/DesktopOpen.h"
#include "composer/core/ListEditors.h"
#include "composer/core/ListFile.h"
#include "composer/core/ProcessPaths.h"
#include "composer/core/ProductPages.h"
#include "composer/core/SerialMemory.h"
#include "composer/output/DocumentTexts.h"
#include "composer/output/OutputProcedure.h"
#include "composer/windows/TForm18.h"
#include "composer/windows/TForm19.h"
#include "composer/windows/TForm20.h"
#include "platform/clock/SystemClock.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Convert.h"
#include "platform/text/Lines.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Memo.h"

#include <algorithm>

namespace composer {

namespace {

constexpr const char* DefaultProfileName = "发文机关标识";
constexpr const char* InputPromptPadding = "             "; // 13 blanks, as every input prompt has

// Loads a pick list into its combo; a list that cannot be read is reported and the combo left as it was.
void loadListComboReporting(ui::ComboBox& combo, const std::string& suffix) {
    try {
        loadListCombo(combo, suffix);
    } catch (const std::exception& error) {
        ui::Application::current().showException(error);
    }
}

// Loads the signer list into every signer combo, reading it once: a list that cannot be read is reported
// once, and the combos keep what they hold.
void loadSignerCombos(const SignerCombos& signers) {
    if (std::none_of(signers.begin(), signers.end(), [](const ui::ComboBox* combo) { return combo; }))
        return;
    try {
        std::vector<std::string> names = readListFile(listFilePath(".qf"));
        for (ui::ComboBox* combo : signers) {
            if (combo)
                combo->setItems(names);
        }
    } catch (const std::exception& error) {
        ui::Application::current().showException(error);
    }
}

} // namespace

void OpenHelpFile() {
    openOnDesktop(DesktopItem::HelpPage, paths().InstallFolder + "/help.html");
}

void OpenUpdatePage() {
    openOnDesktop(DesktopItem::WebPage, UpdatePageAddress);
}

void startDocumentForm(const DocumentFields& f) {
    {
        ini::IniFile settings(paths().IniPath);
        std::string profile = currentProfileName(settings, DefaultProfileName);
        bool wps = hostKindOf(settings.readString(profile, "wwww", "")) == HostKind::Wps;
        f.output->setCaption(wps ? OutputCaptionWps : OutputCaptionWord);
    }
    loadSignerCombos(f.signers);
    if (f.abbreviation)
        loadListComboReporting(*f.abbreviation, ".jg");
    if (f.leftPart)
        loadListComboReporting(*f.leftPart, ".l");
    if (f.rightPart)
        loadListComboReporting(*f.rightPart, ".r");
    sysclock::Date today = sysclock::today();
    if (f.numberYear)
        f.numberYear->setText(std::to_string(today.year));
    if (f.issueDate)
        f.issueDate->setText(IssueDateText(today.year, today.month, today.day));
    if (f.dateYear && f.dateMonth && f.dateDay)
        selectDate(*f.dateYear, *f.dateMonth, *f.dateDay, today.year, today.month, today.day);
}

void ShowNextSerial(const ui::ComboBox& abbreviation, ui::Edit& serial) {
    serial.setText(nextSerial(paths().IniPath, SerialSection, abbreviation.text()));
}

void ShowNextLeftPartSerial(const ui::ComboBox& leftPart, ui::Edit& serial) {
    try {
        serial.setText(nextSerial(paths().IniPath, LeftSerialSection, leftPart.text()));
    } catch (const text::ConvertError&) {
        // These forms show no message here: the field keeps the clerk's text, and the next output with
        // a whole-number serial stores a sound value again.
    }
}

void loadListCombo(ui::ComboBox& combo, const std::string& suffix) {
    combo.setItems(readListFile(listFilePath(suffix)));
}

void EditAbbreviationList(ui::Form& owner, ui::ComboBox& abbreviation) {
    if (showListEditor<TForm18>(owner))
        loadListCombo(abbreviation, ".jg");
}

void EditNumberPartLists(ui::Form& owner, ui::ComboBox& leftPart, ui::ComboBox& rightPart) {
    if (!showListEditor<TForm19>(owner))
        return;
    loadListComboReporting(leftPart, ".l");
    loadListComboReporting(rightPart, ".r");
}

void EditSignerList(ui::Form& owner, const SignerCombos& signers) {
    if (showListEditor<TForm20>(owner))
        loadSignerCombos(signers);
}

void AddAttachment(ui::Memo& attachments) {
    auto name = ui::inputQuery("添加附件", std::string("请输入要添加的附件名称：") + InputPromptPadding, "");
    if (!name)
        return;
    attachments.setText(withAttachmentAdded(attachments.text(), text::trimmed(*name)));
    attachments.scrollToEnd();
}

} // namespace composer
