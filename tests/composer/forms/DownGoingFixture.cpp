#include "tests/composer/forms/DownGoingFixture.h"

#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm2.h"
#include "platform/automation/Application.h"
#include "platform/automation/Automation.h"
#include "platform/automation/Paragraphs.h"
#include "platform/automation/Range.h"
#include "platform/clock/SystemClock.h"
#include "platform/ini/IniFile.h"
#include "platform/wordproc/HandOff.h"

using namespace composer;

DownGoingDocument::DownGoingDocument() {
    sysclock::fixToday({2026, 12, 9});
    paths().DataFolder = m_data.path().string();
    paths().IniPath = m_data.file("dqx.ini");
    wordproc::setDraftsFolder(m_data.file("drafts"));
    wordproc::setHandOffOpening(wordproc::HandOffOpening::Suppressed);
    wordproc::setHandOffObserver([this](const std::string& path) { drafts.push_back(path); });
    m_data.write("dqx.ini.jg", "");
    profile("xz", "1");
}

DownGoingDocument::~DownGoingDocument() {
    wordproc::setHandOffObserver({});
    sysclock::releaseToday();
}

void DownGoingDocument::profile(const char* key, const char* value) {
    ini::IniFile settings(paths().IniPath);
    settings.writeString("dqx", "fwjg", "某某市人民政府");
    settings.writeString("某某市人民政府", key, value);
}

std::string DownGoingDocument::produceFile(Style style, const DownGoingInput& input) {
    bool party = style == Style::Party;
    paths().TemplateFolder = std::string(DQX_BUILT_TEMPLATES) + (party ? "/dang" : "");
    profile("xz", party ? "0" : "1");
    profile("name", "某某市人民政府办公室");
    TForm2& form = ui::createForm<TForm2>(nullptr);
    form.ComboBox1.setText("某府");
    form.Edit4.setText("12");
    form.ComboBox13.setText(input.level);
    form.ComboBox14.setText(input.period);
    form.ComboBox15.setText(input.urgency);
    form.Edit7.setText(input.title);
    form.Edit11.setText(input.recipients);
    form.Memo2.setText(input.body);
    form.fj.setText(input.attachments);
    form.Edit5.setText(input.note);
    form.Edit8.setText(input.subject);
    form.Edit9.setText(input.copyTo);
    form.Edit10.setText(input.copies);
    std::size_t before = drafts.size();
    user([&] { form.Button5.click(); });
    EXPECT_EQ(drafts.size(), before + 1) << (messages.empty() ? "" : messages.back());
    EXPECT_EQ(form.windowState(), ui::WindowState::Minimised);
    return drafts.size() > before ? drafts.back() : "";
}

automation::Document DownGoingDocument::produce(bool party, bool withCopyTo) {
    DownGoingInput input;
    input.copyTo = withCopyTo ? "市委办公室" : "";
    std::string path = produceFile(party ? Style::Party : Style::Administrative, input);
    return automation::CreateObject("word.Application").Documents().Open(path);
}

std::string DownGoingDocument::text(const automation::Document& doc, int n) {
    std::string t = doc.Paragraphs().Item(n).Range().text();
    while (!t.empty() && (t.back() == '\r' || t.back() == '\a'))
        t.pop_back();
    return t;
}
