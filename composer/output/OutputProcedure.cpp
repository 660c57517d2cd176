#include "composer/output/OutputProcedure.h"

#include "composer/core/InstallationSettings.h"
#include "composer/core/ProcessPaths.h"
#include "composer/core/ProfileMemory.h"
#include "composer/core/SerialMemory.h"
#include "composer/core/ShowMessage.h"
#include "composer/output/TemplateCheck.h"
#include "composer/output/UnopenedDocuments.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Lines.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
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

// What the form keeps in the settings file: the serials under their prefixes, and its values in the
// current profile.
void rememberFormValues(ini::IniFile& settings, const DocumentFields& f, const OutputSteps& steps) {
    if (steps.rememberSerial && f.abbreviation && f.serial)
        RememberSerial(settings, SerialSection, f.abbreviation->text(), f.serial->text());
    const ui::Edit* partSerial = f.partSerial ? f.partSerial : f.serial;
    if (steps.rememberSerial && f.leftPart && partSerial)
        RememberSerial(settings, LeftSerialSection, f.leftPart->text(), partSerial->text());
    if (f.hideMasthead)
        rememberInCurrentProfile(settings, "ycqt", f.hideMasthead->checked() ? "1" : "0");
    if (f.sendingDepartment)
        rememberInCurrentProfile(settings, "jybm", f.sendingDepartment->text());
    if (f.draftingUnit)
        rememberInCurrentProfile(settings, "ygdw", f.draftingUnit->text());
}

// LoadAuthorityProfile, after the form's values are remembered, through one settings file object that is
// let go of before the word processor is touched. The installation's settings file is only read.
AuthorityProfile loadProfileAndRemember(const DocumentFields& f, const OutputSteps& steps) {
    if (steps.source == FormSource::InstallFolder)
        return readInstallationProfile();
    ini::IniFile settings(paths().IniPath);
    rememberFormValues(settings, f, steps);
    return readAuthorityProfile(settings, currentProfileName(settings, steps.profileFallback),
                                steps.profileDefaults);
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

std::string signerPlaceholder(SignerPlaceholder kind, int place) {
    switch (kind) {
    case SignerPlaceholder::Single:
        return placeholder::Signer;
    case SignerPlaceholder::Numbered:
        return placeholder::jointSigner(place);
    case SignerPlaceholder::None:
        break;
    }
    return {};
}

// The signers as the document gets them: each combo's text, or its placeholder when it is empty.
std::vector<std::string> signerTexts(const DocumentFields& f, const OutputSteps& steps) {
    std::vector<std::string> signers;
    for (const ui::ComboBox* combo : f.signers) {
        if (!combo)
            continue;
        std::string signer = combo->text();
        if (signer.empty() && steps.fillPlaceholders)
            signer = signerPlaceholder(steps.placeholders.signers, static_cast<int>(signers.size()) + 1);
        signers.push_back(signer);
    }
    if (f.typedSigner)
        signers.push_back(f.typedSigner->text());
    return signers;
}

std::vector<std::string> attachmentsOf(const DocumentFields& f) {
    if (f.attachments)
        return f.attachments->lines();
    return attachmentPair(textOf(f.attachmentFields[0]), textOf(f.attachmentFields[1]));
}

// The template file and the slot map of the plan for this run's host; the template lies in the folder of
// the form's templates.
struct HostCopy {
    std::string templateFile;
    const SlotMap& rows;
};

HostCopy hostCopyOf(const OutputPlan& plan, const OutputValues& values) {
    bool wps = values.host == HostKind::Wps;
    bool copyToVariant = wps && !values.copyTo.empty() && !plan.wpsTemplateWithCopyTo.empty();
    const std::string& name =
        wps ? (copyToVariant ? plan.wpsTemplateWithCopyTo : plan.wpsTemplate) : plan.wordTemplate;
    const SlotMap& rows = wps ? (copyToVariant ? plan.wpsRowsWithCopyTo : plan.wpsRows) : plan.wordRows;
    if (plan.steps.source == FormSource::InstallFolder)
        return {paths().InstallFolder + "/" + name, rows};
    return {templatePath(name), rows};
}

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

OutputValues prepareOutput(const DocumentFields& f, const OutputSteps& steps) {
    OutputValues v;
    SecrecyMark secrecy{textOf(f.level), ""};
    if (steps.secrecyMark)
        secrecy = FormatSecrecyMark(textOf(f.level), textOf(f.period));
    if (f.level && secrecy.level != f.level->text())
        f.level->setText(secrecy.level);
    v.level = secrecy.level;
    v.mark = secrecy.mark;
    v.profile = loadProfileAndRemember(f, steps);
    if (f.body && steps.trimBody)
        TrimBodyLines(*f.body);
    // FillPlaceholders: a field whose form gives no placeholder stays as it is.
    auto filled = [&](const std::string& field, const char* placeholder) {
        return steps.fillPlaceholders && placeholder ? orPlaceholder(field, placeholder) : field;
    };

    v.style = v.profile.xz ? DocumentStyle::Administrative : DocumentStyle::Party;
    v.host = f.output && f.output->caption() == OutputCaptionWps ? HostKind::Wps : HostKind::Word;
    v.abbreviation = f.abbreviation ? textOf(f.abbreviation) : textOf(f.typedAbbreviation);
    v.numberYear = textOf(f.numberYear);
    v.serial = filled(textOf(f.serial), steps.placeholders.serial);
    v.leftPart = textOf(f.leftPart);
    v.rightPart = textOf(f.rightPart);
    v.partSerial = textOf(f.partSerial);
    v.urgency = textOf(f.urgency);
    v.title = filled(textOf(f.title), steps.placeholders.title);
    v.recipients = filled(textOf(f.recipients), placeholder::Recipients);
    // The body goes in as typed, every line break a paragraph mark, a final one included; only an
    // empty body takes the placeholder.
    v.body = filled(text::withLineBreak(textOf(f.body), "\r"), placeholder::Body);
    v.subject = filled(textOf(f.subject), placeholder::Subject);
    v.copyTo = joinedParagraphs(text::splitLines(textOf(f.copyTo)));
    v.copies = textOf(f.copies);
    v.note = textOf(f.note);
    v.units = joinedParagraphs(text::splitLines(textOf(f.units)));
    v.date = {textOf(f.dateYear), textOf(f.dateMonth), textOf(f.dateDay)};
    v.attachments = attachmentsOf(f);
    v.signers = signerTexts(f, steps);
    v.signerPost = filled(textOf(f.signerPost), placeholder::SignerPost);
    v.draftingUnit = textOf(f.draftingUnit);
    v.addressees = filled(textOf(f.addressees), placeholder::Addressees);
    v.sendingDepartment = textOf(f.sendingDepartment);
    v.sender = textOf(f.sender);
    if (f.senderPrefix || f.senderYear || f.senderSerial)
        v.senderNumber =
            documentNumberText(textOf(f.senderPrefix), textOf(f.senderYear), textOf(f.senderSerial));
    v.issueLine = FormatIssueLine(v.profile.name, v.style, textOf(f.issueDate), steps.issueLineWidth);
    return v;
}

void OutputDocument(ui::Form& form, const DocumentFields& fields, const OutputPlan& plan) {
    static bool running = false;
    if (running)
        return;
    RunningFlag guard(running);

    OutputValues values = prepareOutput(fields, plan.steps);
    bool wps = values.host == HostKind::Wps;
    HostCopy copy = hostCopyOf(plan, values);

    std::unique_ptr<OutputHost> host = hostFactory()();
    try {
        DocumentEditor& document =
            host->open(values.host, copy.templateFile, values.profile, plan.steps.layout);
        for (const SlotRow& row : copy.rows)
            row(values, document);
    } catch (const TemplateDamaged& damaged) {
        ui::messageBox(damaged.what(), ui::Application::current().title(), ui::MessageButtons::Ok);
        // The half-made document goes to the user before the program ends, and so does the news
        // when nothing could show it: no message can be shown once the program is ending.
        host.reset();
        reportUnopenedDocuments();
        ui::Application::current().terminate();
        return;
    } catch (const std::exception& failure) {
        if (plan.steps.startFailure && dynamic_cast<const HostNotStarted*>(&failure)) {
            ui::messageBox(plan.steps.startFailure, ui::Application::current().title(),
                           ui::MessageButtons::Ok, ui::MessageIcon::Error, &form);
            return;
        }
        if (wps || plan.steps.wordFailures == WordFailures::Propagate)
            throw;
        // The document stays as far as it was made; the form goes on as after a run.
        showMessage(failure.what());
    }
    host->release();
    // A document that no word processor could show stays in the drafts folder; the form stays on
    // screen then, so that the user is not left without a window.
    if (reportUnopenedDocuments())
        return;
    form.setWindowState(ui::WindowState::Minimised);
}

} // namespace composer
