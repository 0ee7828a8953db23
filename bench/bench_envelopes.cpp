// Envelopes: 10,000 envelopes (return address, address block, POSTNET and FIM barcodes) to a
// PDF through the envelope run, and the peak memory it leaves, which must not grow with the
// count (each page goes to the PDF as it is finished). The table lives in a temporary program
// folder made once per run.
#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "envelopes/TEnvelopeForm.h"
#include "layout/TLFIMBarCode.h"
#include "layout/TEnvelopePanel.h"
#include "layout/TLPLabel.h"
#include "output/TReportPrinter.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

QTemporaryDir& Home()
{
    static QTemporaryDir home;
    return home;
}

std::unique_ptr<TAddressTable> Records(int count)
{
    TProgramFolder::SetPath(Home().path() + QLatin1Char('/'));
    QDir().mkpath(TProgramFolder::DataFolder());
    QDir().mkpath(TProgramFolder::SysdataFolder());
    const QString path = TProgramFolder::DataFolder() + QStringLiteral("ENV%1.DBF").arg(count);
    if (!QFile::exists(path)) {
        TAddressFiles::CreateAddressFile(path, TFieldLengths());
        auto table = TAddressTable::Open(path);
        for (int i = 0; i < count; ++i) {
            table->Table().appendBlank();
            table->SetFieldText("FNAME", QStringLiteral("Ann%1").arg(i));
            table->SetFieldText("LNAME", QStringLiteral("Lee%1").arg(i));
            table->SetFieldText("STREET", QStringLiteral("%1 Main Street").arg(i));
            table->SetFieldText("CITY", "Springfield");
            table->SetFieldText("STATE", "IL");
            table->SetFieldText("ZIP", QStringLiteral("62701%1").arg(i % 10000, 4, 10, QLatin1Char('0')));
        }
        table->Close();
    }
    auto table = TAddressTable::Open(path);
    table->SetFilterText(QString());
    table->SetExtraFields(true);
    return table;
}

// A #10 envelope: return address, address block, POSTNET under it, FIM at the top.
void BuildLayout(TEnvelopePanel& panel)
{
    panel.SetSize(912, 396);
    auto from = panel.CreateObject(TLPanelState::psLabel);
    static_cast<TLPLabel*>(from.get())->SetCaption(QStringLiteral("Northwind Supply, 1 Depot Road, Springfield IL 62701"));
    panel.AddObject(std::move(from), QRect(10, 10, 320, 20));
    panel.AddObject(panel.CreateObject(TLPanelState::psAddressLabel), QRect(400, 180, 320, 90));
    panel.AddObject(panel.CreateObject(TLPanelState::psPostNetBarCode), QRect(400, 280, 300, 16));
    panel.AddObject(std::make_unique<TLFIMBarCode>(), QRect(600, 0, 60, 60));
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_EnvelopesToPdf(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    const int count = int(state.range(0));
    auto table = Records(count);
    TEnvelopePanel panel;
    BuildLayout(panel);
    TPrinterSelection::SetPdfPrinterOffered(true);
    for (auto _ : state) {
        TReportPrinter job;
        job.SelectPrinter(TPrinterSelection::PdfPrinterName());
        job.Printers().SetPdfFileName(Home().filePath("envelopes.pdf"));
        TEnvelopeForm form(*table, panel, TEnvelopeSizes::Find(20), {});
        form.SetRecords(TRecordChoice::TRecords::All, false);
        form.PreparePage(job);
        form.Run(job, [](TBaseReport& report) { report.Execute(); });
        if (form.EnvelopesPrinted() != count)
            state.SkipWithError("the envelopes were not printed");
    }
    state.counters["envelopes"] = count;
    state.counters["peak_MB"] = PeakMegabytes();
    state.counters["pdf_MB"] = double(QFileInfo(Home().filePath("envelopes.pdf")).size()) / 1048576.0;
}
BENCHMARK(BM_EnvelopesToPdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

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
