#pragma once
// The document forms as the windows see them. The forms sit above the windows (they use the list editors
// and the recipient picker), so the program hands them in when it starts; the chooser and start-up reach
// them only through this table.

#include <string_view>

namespace ui {
class Application;
}

namespace composer {

class TForm1;

struct DocumentForms {
    // Opens the document form of that class ("TForm3") from the chooser; false when there is none.
    bool (*open)(TForm1& chooser, std::string_view formClass) = nullptr;
    // Creates the forms that start-up creates and keeps hidden.
    void (*createHidden)(ui::Application& app) = nullptr;
};

// The forms that the chooser opens from now on; without any, a choice of a document form does nothing.
void installDocumentForms(const DocumentForms& forms);
const DocumentForms& installedDocumentForms();

} // namespace composer
