// The ZIP tools on the million-record benchmark table of bench_address_table (made here too when
// missing): the bulk-mail presort with its list written, the ZIP code count, and the count
// report of 10,000 distinct ZIPs written as a PDF. The reading runs with the windows' per-record
// hooks, so the figures are what a user waits for. peak_MB is the process's peak resident size.
#include "MillionAddressTable.h"

#include "prompts/TScriptedUserPrompts.h"
#include "output/TPrinterSelection.h"
#include "settings/TProgramFolder.h"
#include "tools/TAdcTable.h"
#include "tools/TBulkMailPresort.h"
#include "tools/TZipReadingPace.h"
#include "tools/TZipReport.h"
#include "tools/TZipTally.h"

#include <QApplication>
#include <QLabel>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

using million_table::kFolder;
using million_table::kSource;
using million_table::MakeSource;

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// The windows' own hooks: the status line and the events every 50 ms.
struct TWindowHooks {
    QLabel Status;
    bool Cancel = false;
    TZipTally::THooks Hooks() { return TZipReadingPace::Hooks(&Status, Cancel); }
};

void BM_PresortMillion(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    MakeSource();
    TProgramFolder::SetPath(kFolder);
    auto table = TAddressTable::Open(kSource);
    table->SetFilterText(QString());
    std::optional<TPresortSummary> summary;
    TWindowHooks window;
    for (auto _ : state)
        summary = TBulkMailPresort::Run(*table, TAdcTable::Load(), TBulkMailPresort::ListPath(), window.Hooks());
    if (!summary)
        return state.SkipWithError("the presort did not finish");
    state.counters["five_digit_groups"] = double(summary->FiveDigit.Groups);
    state.counters["adc_groups"] = double(summary->Adc.Groups);
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_PresortMillion)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_ZipCountMillion(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    MakeSource();
    auto table = TAddressTable::Open(kSource);
    table->SetFilterText(QString());
    size_t lines = 0;
    TWindowHooks window;
    for (auto _ : state) {
        TZipTally tally(TZipTally::TRule::zrCount);
        tally.Read(*table, window.Hooks());
        lines = size_t(TZipReport::CountLines(tally).size());
    }
    state.counters["report_lines"] = double(lines);
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_ZipCountMillion)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_ZipReportPdfTenThousand(benchmark::State& state)
{
    QStringList lines;
    for (int zip = 0; zip < 10000; ++zip)
        lines << TZipReport::Line(QStringLiteral("%1").arg(zip * 9 + 1000, 5, 10, QLatin1Char('0')), uint64_t(zip % 37 + 1));
    const QString pdf = QStringLiteral("/tmp/quorvane_bench_zip_report.pdf");
    for (auto _ : state) {
        TZipReport report(lines);
        QString error;
        if (!report.PrintTo(TPrinterSelection::PdfPrinterName(), pdf, &error))
            return state.SkipWithError(error.toStdString().c_str());
    }
}
BENCHMARK(BM_ZipReportPdfTenThousand)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
