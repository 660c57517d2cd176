#pragma once
// The older up-going form (TForm17) on the headless backend, filled as a clerk fills it, producing its
// document through the embedded word processor from the built templates of an installation folder of
// the test's own; the saved document is what the tests read.

#include "tests/platform/ui/HeadlessFixture.h"
#include "tests/support/TempFolder.h"

#include <string>
#include <vector>

// What the clerk types into the form; an empty field stays empty.
struct OlderUpGoingInput {
    std::string abbreviation = "某分司", serial = "7", signer = "王小明";
    std::string level = "机密", period = "一年", urgency = "特  急";
    std::string title = "关于申请安全生产专项经费的请示";
    std::string recipients = "总公司";
    std::string body =
        "为切实做好今冬明春安全生产工作，拟开展安全生产大检查，所需经费申请总公司解决。\r\n妥否，请批示。";
    std::string firstAttachment = "经费预算表", secondAttachment = "检查方案";
    std::string note = "联系人：张三";
    std::string subject = "安全生产 经费 请示";
    std::string copyTo = "总公司办公室";
    std::string copies = "20";
};

class OlderUpGoingDocument : public HeadlessTest {
protected:
    OlderUpGoingDocument();
    ~OlderUpGoingDocument() override;

    // Writes a key of the installation's settings file (section "dqx").
    void installation(const char* key, const char* value);
    // Fills the variant's form and presses the output button; returns the saved document's path.
    std::string produceFile(int variant, const OlderUpGoingInput& input);

    testsupport::TempFolder m_data;
    testsupport::TempFolder m_install;
    std::vector<std::string> drafts;

private:
    std::string m_installFolder;
};
