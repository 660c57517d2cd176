#pragma once
// The roles of a document form's components. The two component numberings bind their own controls to
// these roles, and the handlers shared by every document form work on the roles. A role that a form
// does not have is null.

#include <array>

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class Memo;
class OpenDialog;
class RichEdit;
class TextControl;
} // namespace ui

namespace composer {

// The signer combos (签发人) in their order: qfbox, qfbox2, qfbox3; a form with fewer leaves the rest null.
using SignerCombos = std::array<ui::ComboBox*, 3>;

struct DocumentFields {
    ui::ComboBox* abbreviation = nullptr; // 机关代字
    ui::Edit* numberYear = nullptr;       // the year between 〔 and 〕
    ui::Edit* serial = nullptr;
    ui::ComboBox* leftPart = nullptr; // 编号左侧 and 编号右侧, around the serial
    ui::ComboBox* rightPart = nullptr;
    // The serial between the number parts of a form that has a document number too (whose serial is
    // `serial`); null: the number parts go with `serial`.
    ui::Edit* partSerial = nullptr;
    ui::ComboBox* level = nullptr; // secrecy level, period and urgency
    ui::ComboBox* period = nullptr;
    ui::ComboBox* urgency = nullptr;
    ui::ComboBox* dateYear = nullptr; // signing date
    ui::ComboBox* dateMonth = nullptr;
    ui::ComboBox* dateDay = nullptr;
    ui::Edit* title = nullptr;
    ui::Edit* subject = nullptr;
    ui::TextControl* copyTo = nullptr; // an edit, or a memo of one unit a line
    ui::Edit* copies = nullptr;
    ui::Edit* recipients = nullptr;
    ui::Edit* note = nullptr;
    ui::Memo* units = nullptr; // the distribution (分送) or send-to (发送) units
    ui::RichEdit* body = nullptr;
    ui::Edit* importPath = nullptr;
    ui::Edit* issueDate = nullptr; // hidden: IssueDateText
    ui::Memo* attachments = nullptr;
    SignerCombos signers{};                // 签发人
    ui::Edit* signerPost = nullptr;        // 签发人职务
    ui::Edit* draftingUnit = nullptr;      // 拟稿单位, remembered in the current profile
    ui::Edit* addressees = nullptr;        // 发往
    ui::Edit* sendingDepartment = nullptr; // 发报部门, remembered in the current profile
    ui::CheckBox* hideMasthead = nullptr;  // 隐藏红色版头, remembered in the current profile
    ui::Edit* sender = nullptr;            // 来文单位
    ui::Edit* senderPrefix = nullptr;      // the received document's own number: prefix〔year〕serial号
    ui::Edit* senderYear = nullptr;
    ui::Edit* senderSerial = nullptr;
    // A form whose number prefix and signer are typed into plain edits, without lists, and whose two
    // attachments have an edit each (attachmentPair).
    ui::Edit* typedAbbreviation = nullptr;
    ui::Edit* typedSigner = nullptr;
    std::array<ui::Edit*, 2> attachmentFields{};
    ui::Button* output = nullptr;
    ui::OpenDialog* openDialog = nullptr;
};

} // namespace composer
