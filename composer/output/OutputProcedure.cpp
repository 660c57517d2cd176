#include "composer/output/OutputProcedure.h"

#include "composer/core/ProcessPaths.h"
#include "composer/core/SerialMemory.h"
#include "composer/output/TemplateCheck.h"
#include "composer/output/UnopenedDocuments.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Lines.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Memo.h"

namespace composer {

namespace {

OutputHostFactory& hostFactory() {
    static OutputHostFactory factory = makeWordProcessorHost;
    return factory;
}

std::string textOf(const ui::TextControl* control) {
    return control ? control->text() : std::string();
}

// LoadAuthorityProfile with RememberSerial: the profile first, then the serial under the abbreviation,
// through one settings file object that is let go of before the word processor is touched.
AuthorityProfile loadProfileAndRememberSerial(const DocumentFields& f) {
    ini::IniFile settings(paths().IniPath);
    AuthorityProfile profile = readAuthorityProfile(settings, currentProfileName(settings, "发文机关标识"),
                                                    ProfileDefaults::outputProcedure());
    if (f.abbreviation && f.serial)
        RememberSerial(settings, SerialSection, f.abbreviation->text(), f.serial->text());
    return profile;
}

// RAII for the re-entrancy guard: the trimmer lets messages through, and a second press of the output
// button must not start a second run inside the first.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~RunningFlag() { m_flag = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& m_flag;
};

} // namespace

void TrimBodyLines(ui::Memo& body) {
    for (int i = 0; i < body.lineCount(); ++i) {
        ui::Application::current().processMessages();
        body.setLine(i, text::trimmed(body.line(i)));
    }
}

void setOutputHostFactory(OutputHostFactory factory) {
    hostFactory() = std::move(factory);
}

OutputValues prepareOutput(const DocumentFields& f) {
    OutputValues v;
    SecrecyMark secrecy = FormatSecrecyMark(textOf(f.level), textOf(f.period));
    if (f.level && secrecy.level != f.level->text())
        f.level->setText(secrecy.level);
    v.level = secrecy.level;
    v.mark = secrecy.mark;
    v.profile = loadProfileAndRememberSerial(f);
    if (f.body)
        TrimBodyLines(*f.body);

    v.style = v.profile.xz ? DocumentStyle::Administrative : DocumentStyle::Party;
    v.host = f.output && f.output->caption() == OutputCaptionWps ? HostKind::Wps : HostKind::Word;
    v.abbreviation = textOf(f.abbreviation);
    v.numberYear = textOf(f.numberYear);
    v.serial = textOf(f.serial);
    v.urgency = textOf(f.urgency);
    v.title = orPlaceholder(textOf(f.title), placeholder::Title);
    v.recipients = orPlaceholder(textOf(f.recipients), placeholder::Recipients);
    // The body goes in as typed, every line break a paragraph mark, a final one included; only an
    // empty body takes the placeholder.
    v.body = orPlaceholder(text::withLineBreak(textOf(f.body), "\r"), placeholder::Body);
    v.subject = orPlaceholder(textOf(f.subject), placeholder::Subject);
    v.copyTo = textOf(f.copyTo);
    v.copies = textOf(f.copies);
    v.note = textOf(f.note);
    v.date = {textOf(f.dateYear), textOf(f.dateMonth), textOf(f.dateDay)};
    if (f.attachments)
        v.attachments = f.attachments->lines();
    v.issueLine = FormatIssueLine(v.profile.name, v.style, textOf(f.issueDate));
    return v;
}

void OutputDocument(ui::Form& form, const DocumentFields& fields, const OutputPlan& plan) {
    static bool running = false;
    if (running)
        return;
    RunningFlag guard(running);

    OutputValues values = prepareOutput(fields);
    bool wps = values.host == HostKind::Wps;
    bool copyToVariant = wps && !values.copyTo.empty() && !plan.wpsTemplateWithCopyTo.empty();
    const std::string& templateName =
        wps ? (copyToVariant ? plan.wpsTemplateWithCopyTo : plan.wpsTemplate) : plan.wordTemplate;
    const SlotMap& rows = wps ? (copyToVariant ? plan.wpsRowsWithCopyTo : plan.wpsRows) : plan.wordRows;

    std::unique_ptr<OutputHost> host = hostFactory()();
    DocumentEditor& document = host->open(values.host, templateName, values.profile);
    try {
        for (const SlotRow& row : rows)
            row(values, document);
    } catch (const TemplateDamaged& damaged) {
        ui::messageBox(damaged.what(), ui::Application::current().title(), ui::MessageButtons::Ok);
        // The half-made document goes to the user before the program ends, and so does the news
        // when nothing could show it: no message can be shown once the program is ending.
        host.reset();
        reportUnopenedDocuments();
        ui::Application::current().terminate();
        return;
    }
    host->release();
    // A document that no word processor could show stays in the drafts folder; the form stays on
    // screen then, so that the user is not left without a window.
    if (reportUnopenedDocuments())
        return;
    form.setWindowState(ui::WindowState::Minimised);
}

} // namespace composer
