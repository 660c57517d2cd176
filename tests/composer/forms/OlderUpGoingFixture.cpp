#include "tests/composer/forms/OlderUpGoingFixture.h"

#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm17.h"
#include "platform/clock/SystemClock.h"
#include "platform/ini/IniFile.h"
#include "platform/wordproc/HandOff.h"

#include <filesystem>

using namespace composer;

OlderUpGoingDocument::OlderUpGoingDocument() : m_installFolder(paths().InstallFolder) {
    sysclock::fixToday({2026, 12, 9});
    paths().DataFolder = m_data.path().string();
    paths().IniPath = m_data.file("dqx.ini");
    paths().InstallFolder = m_install.path().string();
    for (const char* name : {"dqx2a.dot", "dqx2b.dot", "dqx2c.dot"})
        std::filesystem::copy_file(std::string(DQX_BUILT_TEMPLATES) + "/install/" + name,
                                   m_install.file(name));
    installation("wwww", "word");
    installation("name", "某某分公司办公室");
    wordproc::setDraftsFolder(m_data.file("drafts"));
    wordproc::setHandOffOpening(wordproc::HandOffOpening::Suppressed);
    wordproc::setHandOffObserver([this](const std::string& path) { drafts.push_back(path); });
}

OlderUpGoingDocument::~OlderUpGoingDocument() {
    wordproc::setHandOffObserver({});
    sysclock::releaseToday();
    paths().InstallFolder = m_installFolder;
    paths().TemplateVariant = 0;
}

void OlderUpGoingDocument::installation(const char* key, const char* value) {
    ini::IniFile(m_install.file("dqx.ini")).writeString("dqx", key, value);
}

std::string OlderUpGoingDocument::produceFile(int variant, const OlderUpGoingInput& input) {
    paths().TemplateVariant = variant;
    TForm17& form = ui::createForm<TForm17>(nullptr);
    form.Edit8.setText(input.abbreviation);
    form.Edit3.setText(input.serial);
    form.Edit9.setText(input.signer);
    form.ComboBox4.setText(input.level);
    form.ComboBox5.setText(input.period);
    form.ComboBox6.setText(input.urgency);
    form.Edit5.setText(input.title);
    form.Edit15.setText(input.recipients);
    form.Memo1.setText(input.body);
    form.Edit1.setText(input.firstAttachment);
    form.Edit4.setText(input.secondAttachment);
    form.Edit7.setText(input.note);
    form.Edit6.setText(input.subject);
    form.Edit13.setText(input.copyTo);
    form.Edit14.setText(input.copies);
    std::size_t before = drafts.size();
    user([&] { form.BtnInsertRecord.click(); });
    EXPECT_EQ(drafts.size(), before + 1) << (messages.empty() ? "" : messages.back());
    EXPECT_EQ(form.windowState(), ui::WindowState::Minimised);
    return drafts.size() > before ? drafts.back() : "";
}
