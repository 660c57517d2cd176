// The composer dqx on real windows.
#include "composer/forms/DocumentFormCatalog.h"
#include "composer/windows/Startup.h"
#include "platform/ui/qt/QtBackend.h"

int main(int argc, char** argv) {
    ui::Application app(ui::qt::makeBackend(argc, argv));
    return composer::runComposer(app, composer::documentFormCatalog());
}
