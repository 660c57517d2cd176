#pragma once
// The down-going form and its relatives (the joint forms, the minutes and the briefing) on the headless
// backend, filled as a clerk fills them, producing their documents from the built template set through the
// embedded word processor; the saved document is what the tests read.

#include "platform/automation/Document.h"
#include "tests/platform/ui/HeadlessFixture.h"
#include "tests/support/TempFolder.h"

#include <string>
#include <vector>

// What the clerk types into the form; an empty field stays empty.
struct DownGoingInput {
    std::string level = "机密", period = "一年", urgency = "特  急";
    std::string title = "关于做好冬季安全生产工作的通知";
    std::string recipients = "各区县人民政府";
    std::string body = "第一段。\r\n第二段。";
    std::string attachments = "1．检查表\r\n2．名单";
    std::string note = "此件公开发布";
    std::string subject = "安全生产 通知";
    std::string copyTo;
    std::string copies = "100";
};

enum class Style { Administrative, Party };

// The form that writes the document: the down-going form (one authority), the joint forms, the minutes,
// the briefing, the letter, the speech and the order. The minutes, the briefing and the order take the
// recipients as their units (分送, 发送) and have no attachments or note; the briefing and the order have no
// copy-to line, the speech no attachments or note, the order no marks, title or copies.
enum class DocumentKind {
    OneAuthority,
    TwoAuthorities,
    ThreeOrMoreAuthorities,
    Minutes,
    Briefing,
    Letter,
    Speech,
    Order
};

class DownGoingDocument : public HeadlessTest {
protected:
    DownGoingDocument();
    ~DownGoingDocument() override;

    // Writes a key of the current profile, "某某市人民政府" unless authority() named another.
    void profile(const char* key, const char* value);
    // Makes `name` the current profile (the masthead's first name); keys written before stay with the old
    // one.
    void authority(const std::string& name) { m_authority = name; }
    // Fills the kind's form and presses the output button; returns the saved document's path.
    std::string produceFile(Style style, const DownGoingInput& input,
                            DocumentKind kind = DocumentKind::OneAuthority);
    // The usual form, with or without copy-to units, opened again in the word processor.
    automation::Document produce(bool party, bool withCopyTo);
    // The text of paragraph n without its mark.
    static std::string text(const automation::Document& doc, int n);

    testsupport::TempFolder m_data;
    std::vector<std::string> drafts;
    std::string m_authority = "某某市人民政府";
};
