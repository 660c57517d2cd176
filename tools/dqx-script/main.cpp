// dqx-script: runs the composer's start-up on the headless backend, then a UI script against its forms.
//
//     dqx-script [--today YYYY-MM-DD] [--install-folder DIR] SCRIPT
//
// XDG_DATA_HOME chooses the data folder as it does for dqx; --install-folder puts the installation
// folder (help pages, the older form's settings file and templates) in DIR instead of where the build
// installs it. The exit code is 0 when the script ran to its end with every expectation met, 1 otherwise.
#include "composer/core/ProcessPaths.h"
#include "composer/forms/DocumentFormCatalog.h"
#include "composer/windows/Startup.h"
#include "platform/clock/SystemClock.h"
#include "platform/shell/DesktopOpener.h"
#include "platform/text/Encoding.h"
#include "platform/text/Lines.h"
#include "platform/text/TextFile.h"
#include "platform/ui/HeadlessBackend.h"
#include "platform/wordproc/HandOff.h"
#include "tools/dqx-script/ScriptRunner.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Arguments {
    std::optional<sysclock::Date> today;
    std::string installFolder;
    std::string script;
};

std::optional<Arguments> parseArguments(int argc, char** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--today" && i + 1 < argc) {
            arguments.today = sysclock::parseDate(argv[++i]);
            if (!arguments.today) {
                std::cerr << "dqx-script: not a date: " << argv[i] << " (YYYY-MM-DD)\n";
                return std::nullopt;
            }
        } else if (argument == "--install-folder" && i + 1 < argc) {
            arguments.installFolder = argv[++i];
        } else if (arguments.script.empty() && !argument.starts_with("--")) {
            arguments.script = argument;
        } else {
            return std::nullopt;
        }
    }
    if (arguments.script.empty())
        return std::nullopt;
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    const auto arguments = parseArguments(argc, argv);
    if (!arguments) {
        std::cerr << "usage: dqx-script [--today YYYY-MM-DD] [--install-folder DIR] SCRIPT\n";
        return 1;
    }
    std::string script;
    try {
        script = text::readBinaryFile(arguments->script);
    } catch (const text::FileError& error) {
        std::cerr << "dqx-script: " << error.what() << '\n';
        return 1;
    }
    if (!text::isValidUtf8(script)) {
        std::cerr << "dqx-script: the script is not UTF-8 text\n";
        return 1;
    }
    if (arguments->today)
        sysclock::fixToday(*arguments->today);
    if (!arguments->installFolder.empty())
        composer::paths().InstallFolder = arguments->installFolder;

    auto backend = std::make_unique<ui::HeadlessBackend>();
    ui::HeadlessBackend& headless = *backend;
    ui::Application app(std::move(backend));
    dqxscript::ScriptRunner runner(text::splitLines(script), std::cout);
    runner.attach(headless);
    // Documents that the word processor hands over are reported; the desktop that opens them, help
    // pages and web pages is the script's (see "programs").
    wordproc::setHandOffObserver([&runner](const std::string& path) { runner.reportDocument(path); });
    shell::setProgramStarter(
        [&runner](const std::vector<std::string>& argv) { return runner.startProgram(argv); });
    runner.runLeadingAnswers();
    composer::runComposer(app, composer::documentFormCatalog());
    return runner.finish();
}
