#pragma once
// The small handlers that every document form shares, working on its components by role.

#include "composer/output/DocumentFields.h"

#include <initializer_list>
#include <string>

namespace ui {
class ComboBox;
class Edit;
class Form;
class Memo;
class OpenDialog;
class TextControl;
} // namespace ui

namespace composer {

// OpenHelpFile: the help page of the installation on the desktop; where nothing opens it, the user is
// told where it is.
void OpenHelpFile();
// OpenUpdatePage: the product's update page on the desktop, or its address in a message.
void OpenUpdatePage();

// The form's start-up duties: the output caption from the current profile, the signer list, the
// abbreviation list and the two number-part lists (those the form has), the number year, IssueDateText
// and today's date in the date combos. A missing list is reported and the other duties are still done.
void startDocumentForm(const DocumentFields& fields);

// ShowNextSerial: the serial field becomes the remembered serial of the abbreviation plus one. A stored
// serial that is not a number is reported, and the field keeps its text.
void ShowNextSerial(const ui::ComboBox& abbreviation, ui::Edit& serial);
// ShowNextSerial of the forms numbered by left part (section "left"). A stored serial that is not a
// number leaves the field as it is, without a message.
void ShowNextLeftPartSerial(const ui::ComboBox& leftPart, ui::Edit& serial);

// Fills a combo's list from a pick-list file (IniPath + suffix).
void loadListCombo(ui::ComboBox& combo, const std::string& suffix);

// EditAbbreviationList: the abbreviation editor; on OK the combo is loaded again.
void EditAbbreviationList(ui::Form& owner, ui::ComboBox& abbreviation);
// EditNumberPartLists: the number-part editor; on OK the left-part combo is loaded again from ".l" and
// the right-part combo from ".r", each on its own (a list that cannot be read is reported).
void EditNumberPartLists(ui::Form& owner, ui::ComboBox& leftPart, ui::ComboBox& rightPart);
// EditSignerList: the signer editor; on OK every signer combo of the form is loaded again from ".qf", in
// their order (a list that cannot be read is reported once).
void EditSignerList(ui::Form& owner, const SignerCombos& signers);

// AddAttachment: asks for a name and adds it to the attachment list, numbered from the second one.
void AddAttachment(ui::Memo& attachments);

} // namespace composer
