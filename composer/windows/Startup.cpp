#include "composer/windows/Startup.h"

#include "composer/output/UnopenedDocuments.h"
#include "composer/windows/TForm1.h"

namespace composer {

void startUp(ui::Application& app, const DocumentForms& forms) {
    installDocumentForms(forms);
    watchUnopenedDocuments();
    app.setTitle(ApplicationTitle);
    // The chooser's creation sets the process-wide paths that every later form reads.
    app.createForm<TForm1>();
    // The incoming-document form is created here, hidden and never shown; its creation handler runs
    // once now, as it does for every later instance.
    if (forms.createHidden)
        forms.createHidden(app);
}

int runComposer(ui::Application& app, const DocumentForms& forms) {
    startUp(app, forms);
    app.run();
    return 0;
}

} // namespace composer
