// How fast the embedded word processor turns a template into a finished .docx, and whether producing
// many documents in a row holds its memory. Not a test: run build/tests/platform/automation/bench_output
// (a Release build, on a quiet machine).
//
// One document: open the "slots" template (30 paragraphs, one table, 8 shapes), apply the page layout,
// make about 40 slot operations (texts with breaks, fonts, paragraph formats, the masthead text box,
// shape names) and save the .docx.
#include "platform/automation/Automation.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/HandOff.h"
#include "tests/platform/automation/ProducedDocuments.h"
#include "tests/platform/wordproc/WordprocFixtures.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

long peakResidentKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct Setup {
    testsupport::TempFolder folder;
    std::string templatePath = wordproctest::buildTestTemplate(folder.path(), "slots", "slots.dqx");
    std::string output = folder.file("output.docx");
};

Setup& setup() {
    static Setup instance;
    return instance;
}

// Produces one document and saves it with SaveAs (the document is then closed, not handed over).
void produceAndSave() {
    automation::Document doc = producedtest::produceFilledDocument("word.Application", setup().templatePath);
    doc.SaveAs(setup().output);
    doc.Close();
}

// The engine alone: the same document made into the bytes of a .docx, nothing written to disk.
void DocumentToDocxBytes(benchmark::State& state) {
    for (auto _ : state) {
        automation::Document doc =
            producedtest::produceFilledDocument("word.Application", setup().templatePath);
        benchmark::DoNotOptimize(doc.engine()->toBytes());
        doc.Close();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DocumentToDocxBytes)->Unit(benchmark::kMillisecond);

void DocumentSavedAsDocx(benchmark::State& state) {
    for (auto _ : state)
        produceAndSave();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DocumentSavedAsDocx)->Unit(benchmark::kMillisecond);

// The same, released to the hand-off: saved as "文档N.docx" in a drafts folder (opening suppressed).
void DocumentHandedOver(benchmark::State& state) {
    testsupport::TempFolder drafts;
    wordproc::setDraftsFolder(drafts.path());
    for (auto _ : state)
        producedtest::produceFilledDocument("word.Application", setup().templatePath);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DocumentHandedOver)->Unit(benchmark::kMillisecond);

// 10,000 documents in a row, each made into a .docx: the peak resident size after the first 100, 1,000
// and all of them. Flat figures mean that nothing of a document outlives it.
void TenThousandDocumentsInARow(benchmark::State& state) {
    for (auto _ : state) {
        int made = 0;
        for (int until : {100, 1000, 10000}) {
            for (; made < until; ++made) {
                automation::Document doc =
                    producedtest::produceFilledDocument("word.Application", setup().templatePath);
                benchmark::DoNotOptimize(doc.engine()->toBytes());
                doc.Close();
            }
            state.counters["peak_kB_after_" + std::to_string(until)] =
                static_cast<double>(peakResidentKilobytes());
        }
    }
}
BENCHMARK(TenThousandDocumentsInARow)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
