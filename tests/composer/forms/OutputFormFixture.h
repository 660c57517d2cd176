#pragma once
// A document form on the headless backend with a settings file and abbreviation list of its own, a
// fixed today, the built template set, and the fake word processor that records every output run.

#include "composer/core/ProcessPaths.h"
#include "composer/forms/DocumentFormCatalog.h"
#include "composer/output/OutputProcedure.h"
#include "composer/windows/TForm1.h"
#include "platform/clock/SystemClock.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Encoding.h"
#include "platform/ui/Button.h"
#include "tests/composer/forms/FakeHost.h"
#include "tests/platform/ui/HeadlessFixture.h"
#include "tests/support/TempFolder.h"

class OutputFormTest : public HeadlessTest {
protected:
    explicit OutputFormTest(sysclock::Date today = {2026, 12, 9}) {
        sysclock::fixToday(today);
        composer::paths().DataFolder = m_data.path().string();
        composer::paths().IniPath = m_data.file("dqx.ini");
        composer::paths().TemplateFolder = DQX_BUILT_TEMPLATES;
        list(".jg", "某府\r\n某办\r\n");
        composer::setOutputHostFactory(
            [this] { return std::make_unique<testsupport::FakeHost>(host, shapes); });
    }
    ~OutputFormTest() override {
        sysclock::releaseToday();
        composer::setOutputHostFactory(composer::makeWordProcessorHost);
    }
    // Writes a pick list (IniPath + suffix) from UTF-8 text.
    void list(const char* suffix, const std::string& utf8) {
        m_data.write(std::string("dqx.ini") + suffix, text::utf8ToGb18030(utf8));
    }
    void setting(const char* section, const char* key, const char* value) {
        ini::IniFile(composer::paths().IniPath).writeString(section, key, value);
    }
    std::string stored(const char* section, const char* key) const {
        return ini::IniFile(composer::paths().IniPath).readString(section, key, "(none)");
    }
    // Each chooser radio button (by name), with "下一步 >>", opens its form class and minimises the chooser
    // until the form closes.
    void expectChoicesOpen(std::initializer_list<std::pair<const char*, const char*>> choices) {
        composer::installDocumentForms(composer::documentFormCatalog());
        composer::TForm1& chooser = ui::createForm<composer::TForm1>(nullptr);
        for (auto [radio, formClass] : choices) {
            then([&, formClass = formClass](ui::Form& form) {
                EXPECT_EQ(form.className(), formClass);
                EXPECT_EQ(chooser.windowState(), ui::WindowState::Minimised);
                user([&] { form.close(); });
            });
            user([&, radio = radio] {
                dynamic_cast<ui::Control&>(*chooser.findComponent(radio)).userClick();
            });
            user([&] { chooser.Button1.userClick(); });
            EXPECT_EQ(chooser.windowState(), ui::WindowState::Normal);
        }
        composer::installDocumentForms({});
    }
    // The form's button of that name.
    ui::Button& button(ui::Form& form, const char* name) {
        auto* found = dynamic_cast<ui::Button*>(form.findComponent(name));
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    bool logged(const std::string& line) const {
        return std::find(host.log.begin(), host.log.end(), line) != host.log.end();
    }

    testsupport::TempFolder m_data;
    testsupport::HostRecord host;
    int shapes = 3;
};
