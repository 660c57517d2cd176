#pragma once
// What one output run has read and prepared before it touches the document: the profile, the form's
// fields after the placeholders, and the texts built from them.

#include "composer/core/AuthorityProfile.h"
#include "composer/output/DocumentTexts.h"

#include <string>
#include <vector>

namespace composer {

struct OutputValues {
    AuthorityProfile profile;
    DocumentStyle style = DocumentStyle::Administrative;
    HostKind host = HostKind::Word;

    std::string abbreviation;
    std::string numberYear;
    std::string serial;
    std::string leftPart;
    std::string rightPart;
    std::string partSerial; // between the number parts, where the form has a document number too
    std::string level;      // as widened by FormatSecrecyMark
    std::string mark;
    std::string urgency;
    std::string title;
    std::string recipients;
    std::string body; // lines joined by CR
    std::string subject;
    std::string copyTo; // lines joined by CR
    std::string copies;
    std::string note;
    std::string units; // lines joined by CR
    DateFields date;
    std::vector<std::string> attachments;
    std::vector<std::string> signers; // one per signer combo of the form, after the placeholders
    std::string signerPost;
    std::string draftingUnit;
    std::string addressees;
    std::string sendingDepartment;
    std::string sender;
    std::string senderNumber; // prefix〔year〕serial号 of the received document
    IssueLine issueLine;
};

} // namespace composer
