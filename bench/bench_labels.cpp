// Label printing to PDF through the print loop: an Avery 5160 setup (address block + POSTNET)
// over 10,000 and 100,000 records of a generated table (/tmp/quorvane_bench_labels, made once).
// Pages go to the PDF as they are finished, so memory stays flat however many sheets there
// are. peak_MB is the process's peak resident size (the 10,000 run comes first).
#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "labels/TLabelPrinter.h"
#include "labels/TLabelSetups.h"
#include "layout/TLAddressDataSource.h"
#include "layout/TLLabelPanel.h"
#include "layout/TLPostNetBarCode.h"
#include "output/TReportPrinter.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

#include <random>

#include <sys/resource.h>

namespace {

const QString kFolder = QStringLiteral("/tmp/quorvane_bench_labels");
const QString kTable = kFolder + QStringLiteral("/LABELS.DBF");
constexpr int kRecords = 100000;

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void MakeTable()
{
    if (QFile::exists(kTable))
        return;
    QDir().mkpath(kFolder);
    TAddressFiles::CreateAddressFile(kTable, TFieldLengths());
    auto table = TAddressTable::Open(kTable);
    std::mt19937 random(20);
    const char* const first[] = {"Ann", "Bob", "Cyd", "Dee", "Eli", "Fay", "Gus", "Hal"};
    const char* const streets[] = {"Main St", "Oak Ave", "Elm Rd", "Lake Dr", "Hill Ct"};
    for (int n = 1; n <= kRecords; ++n) {
        table->Table().appendBlank();
        table->SetFieldText("FNAME", first[random() % 8]);
        table->SetFieldText("LNAME", QStringLiteral("Person%1").arg(n));
        table->SetFieldText("STREET", QStringLiteral("%1 %2").arg(random() % 9000 + 100).arg(streets[random() % 5]));
        table->SetFieldText("CITY", "Springfield");
        table->SetFieldText("STATE", "IL");
        table->SetFieldText("ZIP", QStringLiteral("%1-%2").arg(random() % 90000 + 10000).arg(random() % 9000 + 1000));
    }
    table->Close();
}

void PrintLabels(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    MakeTable();
    TProgramFolder::SetPath(kFolder + u'/');
    auto table = TAddressTable::Open(kTable);
    table->SetExtraFields(true);
    table->Area().setCondition("Recno()<=" + std::to_string(state.range(0)));
    TLAddressDataSource data(*table);
    const TLabelStock stock = TLabelStock::NewStock(); // Avery 5160
    const QString layout = kFolder + QStringLiteral("/BIN00001.L");
    TLabelSetups::WriteNewLabelLayout(stock, layout);
    TLLabelPanel panel;
    panel.DataSet = &data;
    panel.LoadFromFile(layout);
    panel.SetPanelState(TLPanelState::psPostNetBarCode);
    panel.DropObject(QRect(10, 76, 200, 14));
    int64_t labels = 0;
    int sheets = 0;
    for (auto _ : state) {
        table->Table().goTop();
        TLabelPrintOptions options;
        options.Stock = stock;
        TLabelPrinter printer(panel, *table, options);
        TReportPrinter job;
        job.SelectPrinter(TPrinterSelection::PdfPrinterName());
        job.Printers().SetPdfFileName(kFolder + QStringLiteral("/labels.pdf"));
        TLabelPrinter::SetUpPaper(job, stock);
        job.OnPrint = [&](TBaseReport& report) { printer.Print(report); };
        if (!job.Execute())
            return state.SkipWithError("the job did not finish");
        labels = printer.Labels();
        sheets = printer.Sheets();
    }
    state.counters["labels"] = double(labels);
    state.counters["sheets"] = double(sheets);
    state.counters["pdf_MB"] = double(QFile(kFolder + QStringLiteral("/labels.pdf")).size()) / 1e6;
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(PrintLabels)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
