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
#include "platform/ui/Button.h"
#include "platform/wordproc/HandOff.h"

using namespace composer;

namespace {

void setText(ui::TextControl* control, const std::string& text) {
    if (control)
        control->setText(text);
}

// Every field that the form has, by its role. The forms numbered by number parts take the recipients as
// their units (分送, 发送), as the order does, whose post is the mayor's.
void fill(const DocumentFields& f, const DownGoingInput& input) {
    setText(f.abbreviation, "某府");
    setText(f.serial, "12");
    setText(f.leftPart, "第");
    setText(f.rightPart, "期");
    setText(f.level, input.level);
    setText(f.period, input.period);
    setText(f.urgency, input.urgency);
    setText(f.title, input.title);
    setText(f.recipients, input.recipients);
    setText(f.units, input.recipients);
    setText(f.body, input.body);
    setText(f.attachments, input.attachments);
    setText(f.note, input.note);
    setText(f.subject, input.subject);
    setText(f.copyTo, input.copyTo);
    setText(f.copies, input.copies);
    setText(f.signerPost, "市长");
}

// A form filled as the clerk fills it, and its output button.
struct FilledForm {
    ui::Form& form;
    ui::Button& output;
};

template <class Form> FilledForm open(const DownGoingInput& input) {
    Form& form = ui::createForm<Form>(nullptr);
    DocumentFields fields = form.fields();
    fill(fields, input);
    return {form, *fields.output};
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
