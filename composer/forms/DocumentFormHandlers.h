#pragma once
// The small handlers that every document form shares, working on its components by role.

#include "composer/output/DocumentFields.h"

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

// The form's start-up duties: the output caption from the current profile, the abbreviation list, the
// number year, IssueDateText and today's date in the date combos. A missing abbreviation list is
// reported and the other duties are still done.
void startDocumentForm(const DocumentFields& fields);

// ShowNextSerial: the serial field becomes the remembered serial of the abbreviation plus one.
void ShowNextSerial(const ui::ComboBox& abbreviation, ui::Edit& serial);

// Fills a combo's list from a pick-list file (IniPath + suffix).
void loadListCombo(ui::ComboBox& combo, const std::string& suffix);

// EditAbbreviationList: the abbreviation editor; on OK the combo is loaded again.
void EditAbbreviationList(ui::Form& owner, ui::ComboBox& abbreviation);

// AddAttachment: asks for a name and adds it to the attachment list, numbered from the second one.
void AddAttachment(ui::Memo& attachments);

} // namespace composer
