// How long a press of the output button takes, through the UI script driver as a user would press it.
// Not a test: run build/tests/tools/dqx-script/bench_output_presses by hand, on a quiet machine.
//
// One run: the composer starts in a data folder of its own with the built template set and a profile,
// the chooser opens the down-going form, the fields are filled once, and the output button is pressed
// 300 times; every press makes a document that is saved in drafts/ and handed over (the desktop that
// would open it is the script driver's, which starts nothing). The drafts folder is empty at the start,
// or holds 5,000 drafts already. The figure to read is per_document, the wall time of one press.
//
// Run it on a quiet machine, and not within minutes of a mass deletion on the same file system (another
// build's clean-up, or this benchmark's own at its end; see OlderDrafts). TMPDIR chooses where the data
// folders go.
#include "composer/forms/DocumentFormCatalog.h"
#include "composer/windows/Startup.h"
#include "platform/shell/DesktopOpener.h"
#include "platform/text/Encoding.h"
#include "platform/text/Lines.h"
#include "platform/ui/HeadlessBackend.h"
#include "platform/wordproc/HandOff.h"
#include "tests/support/TempFolder.h"
#include "tools/dqx-script/ScriptRunner.h"
#include "tools/dqx-seed/DataFolderSeed.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

namespace {

constexpr int Presses = 300;

// The down-going form filled as a clerk fills it; the presses and the closing lines follow.
constexpr const char* FormLines = R"(click RadioButton1
click Button1
pick ComboBox1 某府
set Edit4 12
pick ComboBox13 机密
pick ComboBox14 一年
pick ComboBox15 特  急
set Edit7 关于做好冬季安全生产工作的通知
set Edit11 各区县人民政府，市政府各部门
set Memo2 为切实做好今冬明春安全生产工作，现将有关事项通知如下。\n一、提高思想认识。\n二、强化隐患排查。
set Edit5 此件公开发布
set Edit8 安全生产 通知
set Edit9 市委办公室，市人大常委会办公室
set Edit10 100
)";

std::string script() {
    std::string lines = FormLines;
    for (int i = 0; i < Presses; ++i)
        lines += "click Button5\n";
    return lines + "close\nclose\n";
}

void writeInCodePage(const std::filesystem::path& path, const std::string& utf8) {
    std::ofstream(path, std::ios::binary) << text::utf8ToGb18030(utf8);
}

// Older drafts, made once and linked into the drafts folder of every run. A run then neither makes an
// inode for each of them nor frees one at the end: ext4 without a journal (as on the machine this was
// written on) passes over the inodes freed in the last minutes one by one when it makes a file, so that
// a mass of freed inodes slows every file made after it, this benchmark's drafts included.
class OlderDrafts {
public:
    explicit OlderDrafts(int count) : m_count(count) {
        for (int n = 1; n <= count; ++n)
            std::ofstream(m_folder.path() / name(n));
    }
    void linkInto(const std::filesystem::path& drafts) const {
        for (int n = 1; n <= m_count; ++n)
            std::filesystem::create_hard_link(m_folder.path() / name(n), drafts / name(n));
    }

private:
    static std::string name(int n) { return "文档" + std::to_string(n) + ".docx"; }

    testsupport::TempFolder m_folder;
    int m_count;
};

// A data folder as the installation and the settings window leave it, with the older drafts in it.
std::filesystem::path makeDataHome(const std::filesystem::path& home, const OlderDrafts& drafts) {
    const std::filesystem::path data = home / "dqx";
    seed::seedDataFolder(DQX_BUILT_TEMPLATES, data.string());
    writeInCodePage(
        data / "dqx.ini",
        "[dqx]\r\nfwjg=某某市人民政府\r\n[某某市人民政府]\r\nname=某某市人民政府办公室\r\nxz=1\r\n");
    writeInCodePage(data / "dqx.ini.jg", "某府\r\n某办\r\n");
    std::filesystem::create_directories(data / "drafts");
    drafts.linkInto(data / "drafts");
    return home;
}

// Runs the script in the composer on the headless backend; returns the number of documents handed over.
int runPresses(const std::filesystem::path& home) {
    testsupport::ScopedEnvironment dataHome("XDG_DATA_HOME", home.string());
    std::ostream discarded(nullptr);
    auto backend = std::make_unique<ui::HeadlessBackend>();
    ui::HeadlessBackend& headless = *backend;
    ui::Application app(std::move(backend));
    dqxscript::ScriptRunner runner(text::splitLines(script()), discarded);
    runner.attach(headless);
    int documents = 0;
    wordproc::setHandOffObserver([&documents](const std::string&) { ++documents; });
    shell::setProgramStarter(
        [&runner](const std::vector<std::string>& argv) { return runner.startProgram(argv); });
    composer::runComposer(app, composer::documentFormCatalog());
    shell::setProgramStarter({});
    wordproc::setHandOffObserver({});
    return runner.finish() == 0 ? documents : -1;
}

// Each run has a data folder of its own, so that each finds its drafts folder as a new session does.
void PressesOfTheOutputButton(benchmark::State& state) {
    const OlderDrafts drafts(static_cast<int>(state.range(0)));
    testsupport::TempFolder base;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::filesystem::path home = makeDataHome(base.path() / std::to_string(++run), drafts);
        state.ResumeTiming();
        const int made = runPresses(home);
        if (made != Presses) {
            state.SkipWithError("the script did not make a document at every press");
            break;
        }
    }
    state.counters["per_document"] = benchmark::Counter(
        Presses, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(PressesOfTheOutputButton)
    ->ArgName("drafts")
    ->Arg(0)
    ->Arg(5000)
    ->Iterations(5)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
