#include "composer/core/Startup.h"

#include "composer/core/TForm1.h"

namespace composer {

void startUp(ui::Application& app) {
    app.setTitle(ApplicationTitle);
    // The chooser's creation sets the process-wide paths that every later form reads.
    app.createForm<TForm1>();
    // FIXME: the incoming-document form TForm16 is created here, hidden and never shown, once it exists:
    //     app.createForm<TForm16>();
    // Its creation handler runs once now, as it does for every later instance.
}

int runComposer(ui::Application& app) {
    startUp(app);
    app.run();
    return 0;
}

} // namespace composer
