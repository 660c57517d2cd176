#pragma once
// OutputDocument: the output button's handler of every document form. It reads the form's fields and the
// current profile, prepares the texts, opens the form's template in the chosen word processor and runs
// the form's slot map on it.

#include "composer/output/DocumentFields.h"
#include "composer/output/OutputHost.h"
#include "composer/output/SlotRows.h"

#include <functional>
#include <memory>
#include <string>

namespace ui {
class Form;
class Memo;
} // namespace ui

namespace composer {

// The output button's captions; the caption carries the host kind (HostKind).
inline constexpr const char* OutputCaptionWord = "输出到Word >>";
inline constexpr const char* OutputCaptionWps = "输出到Wps >>";

// How the Word copy of a form meets a failure between attaching to the word processor and letting go
// of it: the failure stops the run and reaches the program's report, the form staying as it is; or the
// form shows the failure's message itself, lets go of the word processor and minimises as after a run
// (the document stays half made). The WPS copy always lets the failure through.
enum class WordFailures { Propagate, ShowAndRelease };

// What an empty signer combo puts into the document: nothing, "[此处输入签发人]" (one signer), or the joint
// forms' "[签发人1]", "[签发人2]" ... by the combo's place.
enum class SignerPlaceholder { None, Single, Numbered };

// FillPlaceholders of the fields whose placeholder differs between forms; null: the field has none.
struct FieldPlaceholders {
    const char* title = placeholder::Title;
    const char* serial = nullptr;
    SignerPlaceholder signers = SignerPlaceholder::None;
};

// Where a form's settings and templates come from: the user's data folder (the current profile of the
// settings file, the templates in TemplateFolder), or the installation folder (its own read-only settings
// file, InstallationSettings.h, and templates).
enum class FormSource { DataFolder, InstallFolder };

// The steps around the slot map in which forms differ; the defaults are the down-going form's.
struct OutputSteps {
    FormSource source = FormSource::DataFolder;
    // The profile's name when no current profile is set, and the defaults of its missing keys.
    std::string profileFallback = "发文机关标识";
    ProfileDefaults profileDefaults = ProfileDefaults::outputProcedure();
    // FormatSecrecyMark; without it the level goes into the document as it stands, unmarked.
    bool secrecyMark = true;
    bool rememberSerial = true;   // RememberSerial under the abbreviation or the left number part
    bool trimBody = true;         // TrimBodyLines
    bool fillPlaceholders = true; // FillPlaceholders
    FieldPlaceholders placeholders;
    IssueLineWidth issueLineWidth = IssueLineWidth::ByStyleAndLength;
    PageLayoutSteps layout;
    WordFailures wordFailures = WordFailures::Propagate;
    // Shown with an error icon when no word processor runs and none can be started; the run then ends
    // without a document. Null: that failure goes as any other.
    const char* startFailure = nullptr;
};

// What one form gives the shared procedure: its templates and slot maps per host, and its steps. The WPS
// copy may take another template when the copy-to field is filled. A form made for Word only has no WPS
// template and keeps WPS runs away itself.
struct OutputPlan {
    std::string wordTemplate;
    SlotMap wordRows;
    std::string wpsTemplate;
    std::string wpsTemplateWithCopyTo; // empty: wpsTemplate
    SlotMap wpsRows;
    SlotMap wpsRowsWithCopyTo;
    OutputSteps steps;
};

// The word processor that output runs use; tests put their own in.
using OutputHostFactory = std::function<std::unique_ptr<OutputHost>()>;
void setOutputHostFactory(OutputHostFactory factory);

// TrimBodyLines: trims every line of the body, letting pending messages through between lines.
void TrimBodyLines(ui::Memo& body);

// Reads the form's fields and the profile into the values the slot rows use; widens a bare secrecy
// level in the level combo (FormatSecrecyMark), remembers the serials (RememberSerial, under the
// abbreviation and the left number part) and the values the form keeps in the current profile (drafting
// unit, sending department, the masthead check box), as the steps say.
OutputValues prepareOutput(const DocumentFields& fields, const OutputSteps& steps = {});

// The whole run. A damaged template set ends the program after its message.
void OutputDocument(ui::Form& form, const DocumentFields& fields, const OutputPlan& plan);

} // namespace composer
