#include "tests/composer/forms/DownGoingFixture.h"

#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm11.h"
#include "composer/forms/TForm12.h"
#include "composer/forms/TForm13.h"
#include "composer/forms/TForm2.h"
#include "composer/forms/TForm3.h"
#include "composer/forms/TForm4.h"
#include "composer/forms/TForm7.h"
#include "composer/forms/TForm9.h"
#include "platform/automation/Application.h"
#include "platform/automation/Automation.h"
#include "platform/automation/Paragraphs.h"
#include "platform/automation/Range.h"
#include "platform/clock/SystemClock.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Encoding.h"
#include "platform/wordproc/HandOff.h"

#include <type_traits>

using namespace composer;

namespace {

void fill(FieldLayoutA& form, const DownGoingInput& input) {
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
}

void fill(NumberPartLayout& form, const DownGoingInput& input) {
    form.ComboBox1.setText("第");
    form.Edit1.setText("12");
    form.ComboBox2.setText("期");
    form.ComboBox13.setText(input.level);
    form.ComboBox14.setText(input.period);
    form.ComboBox15.setText(input.urgency);
    form.Edit2.setText(input.title);
    form.Memo2.setText(input.body);
    form.Edit8.setText(input.subject);
    form.Memo1.setText(input.recipients);
    form.Edit10.setText(input.copies);
}

void fill(TForm7& form, const DownGoingInput& input) {
    form.ComboBox7.setText("某府");
    form.Edit3.setText("12");
    form.ComboBox4.setText(input.level);
    form.ComboBox5.setText(input.period);
    form.ComboBox6.setText(input.urgency);
    form.Edit5.setText(input.title);
    form.Edit15.setText(input.recipients);
    form.Memo1.setText(input.body);
    form.fj.setText(input.attachments);
    form.Edit7.setText(input.note);
    form.Edit6.setText(input.subject);
    form.Edit13.setText(input.copyTo);
    form.Edit14.setText(input.copies);
}

void fill(TForm13& form, const DownGoingInput& input) {
    form.ComboBox1.setText("某府");
    form.Edit4.setText("12");
    form.ComboBox13.setText(input.level);
    form.ComboBox14.setText(input.period);
    form.ComboBox15.setText(input.urgency);
    form.Edit7.setText(input.title);
    form.Edit11.setText(input.recipients);
    form.Memo2.setText(input.body);
    form.Edit8.setText(input.subject);
    form.Memo1.setText(input.copyTo);
    form.Edit10.setText(input.copies);
}

void fill(TForm12& form, const DownGoingInput& input) {
    form.Edit1.setText("12");
    form.Edit10.setText("市长");
    form.Memo2.setText(input.body);
    form.Edit8.setText(input.subject);
    form.Memo1.setText(input.recipients);
}

// A form filled as the clerk fills it, and its output button.
struct FilledForm {
    ui::Form& form;
    ui::Button& output;
};

template <class Form> FilledForm open(const DownGoingInput& input) {
    Form& form = ui::createForm<Form>(nullptr);
    fill(form, input);
    if constexpr (std::is_same_v<Form, TForm4>)
        form.Edit9.setText(input.copyTo);
    if constexpr (std::is_same_v<Form, TForm7>)
        return {form, form.BtnInsertRecord};
    else
        return {form, form.Button5};
}

FilledForm openFilled(DocumentKind kind, const DownGoingInput& input) {
    switch (kind) {
    case DocumentKind::TwoAuthorities:
        return open<TForm3>(input);
    case DocumentKind::ThreeOrMoreAuthorities:
        return open<TForm9>(input);
    case DocumentKind::Minutes:
        return open<TForm4>(input);
    case DocumentKind::Briefing:
        return open<TForm11>(input);
    case DocumentKind::Letter:
        return open<TForm7>(input);
    case DocumentKind::Speech:
        return open<TForm13>(input);
    case DocumentKind::Order:
        return open<TForm12>(input);
    case DocumentKind::OneAuthority:
        break;
    }
    return open<TForm2>(input);
}

} // namespace

DownGoingDocument::DownGoingDocument() {
    sysclock::fixToday({2026, 12, 9});
    paths().DataFolder = m_data.path().string();
    paths().IniPath = m_data.file("dqx.ini");
    wordproc::setDraftsFolder(m_data.file("drafts"));
    wordproc::setHandOffOpening(wordproc::HandOffOpening::Suppressed);
    wordproc::setHandOffObserver([this](const std::string& path) { drafts.push_back(path); });
    m_data.write("dqx.ini.jg", "");
    m_data.write("dqx.ini.l", text::utf8ToGb18030("第\r\n"));
    m_data.write("dqx.ini.r", text::utf8ToGb18030("期\r\n"));
    profile("xz", "1");
}

DownGoingDocument::~DownGoingDocument() {
    wordproc::setHandOffObserver({});
    sysclock::releaseToday();
}

void DownGoingDocument::profile(const char* key, const char* value) {
    ini::IniFile settings(paths().IniPath);
    settings.writeString("dqx", "fwjg", m_authority);
    settings.writeString(m_authority, key, value);
}

std::string DownGoingDocument::produceFile(Style style, const DownGoingInput& input, DocumentKind kind) {
    bool party = style == Style::Party;
    paths().TemplateFolder = std::string(DQX_BUILT_TEMPLATES) + (party ? "/dang" : "");
    profile("xz", party ? "0" : "1");
    profile("name", "某某市人民政府办公室");
    FilledForm form = openFilled(kind, input);
    std::size_t before = drafts.size();
    user([&] { form.output.click(); });
    EXPECT_EQ(drafts.size(), before + 1) << (messages.empty() ? "" : messages.back());
    EXPECT_EQ(form.form.windowState(), ui::WindowState::Minimised);
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
