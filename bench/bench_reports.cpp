// Reports: built-in report 1 of 100,000 records to a PDF, and a user-defined report (header, four
// data fields, footer) of 10,000 records to a PDF, with the peak memory of the run. The address
// table lives in a temporary program folder made once per run.
#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TLPDLabel.h"
#include "layout/TLPLabel.h"
#include "output/TReportPrinter.h"
#include "prompts/TScriptedUserPrompts.h"
#include "reports/TReportRun.h"
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
    const QString path = TProgramFolder::DataFolder() + QStringLiteral("R%1.DBF").arg(count);
    if (!QFile::exists(path)) {
        TAddressFiles::CreateAddressFile(path, TFieldLengths());
        auto table = TAddressTable::Open(path);
        for (int i = 0; i < count; ++i) {
            table->Table().appendBlank();
            table->SetFieldText("FNAME", QStringLiteral("Ann%1").arg(i));
            table->SetFieldText("LNAME", QStringLiteral("Lee%1").arg(i, 6, 10, QLatin1Char('0')));
            table->SetFieldText("STREET", QStringLiteral("%1 Main Street").arg(i));
            table->SetFieldText("CITY", "Springfield");
            table->SetFieldText("STATE", "IL");
            table->SetFieldText("ZIP", "62701");
            table->SetFieldText("PHONE", "555-1234");
        }
        table->Close();
    }
    auto table = TAddressTable::Open(path);
    table->SetFilterText(QString());
    table->SetOrderTag("LNAME");
    return table;
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void RunToPdf(benchmark::State& state, TAddressTable& table, const TReportRequest& request, const QString& pdf)
{
    TPrinterSelection::SetPdfPrinterOffered(true);
    for (auto _ : state) {
        TReportRun run(table, request);
        TReportPrinter job;
        job.SelectPrinter(TPrinterSelection::PdfPrinterName());
        job.Printers().SetPdfFileName(Home().filePath(pdf));
        run.Configure(job);
        if (!run.Execute(job))
            state.SkipWithError("the report was not printed");
        state.counters["pages"] = job.CurrentPage();
        state.counters["records"] = run.RecordsPrinted();
    }
    state.counters["peak_MB"] = PeakMegabytes();
}

void BM_BuiltInReport1Of100000RecordsToPdf(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    auto table = Records(100000);
    TReportRequest request;
    request.BuiltIn = 1;
    request.Records = TRecordChoice::TRecords::All;
    RunToPdf(state, *table, request, QStringLiteral("builtin.pdf"));
}
BENCHMARK(BM_BuiltInReport1Of100000RecordsToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_UserDefinedReportOf10000RecordsToPdf(benchmark::State& state)
{
    TScriptedUserPrompts prompts;
    auto table = Records(10000);
    TLOwner owner;
    TReportPanel header(&owner), detail(&owner), footer(&owner);
    auto text = [](TReportPanel& band, const QString& caption) {
        auto label = std::make_unique<TLPLabel>();
        label->SetCaption(caption);
        band.AddObject(std::move(label), QRect(10, 5, 300, 20));
    };
    text(header, "Member list");
    text(footer, "Northwind Supply");
    const char* fields[][2] = {{"LNAME", "Last Name"}, {"FNAME", "First Name"}, {"CITY", "City"}, {"PHONE", "Phone 1"}};
    int left = 0;
    for (const auto& [name, caption] : fields) {
        auto field = std::make_unique<TLPDLabel>();
        field->DataFieldName = name;
        field->DataFieldDescript = caption;
        detail.AddObject(std::move(field), QRect(left, 2, 170, 18));
        left += 180;
    }
    TLReportSettings settings;
    settings.DetailHeight = 22;
    settings.UseFooter = true;
    const QString file = Home().filePath("BIN00001.R");
    TLLabelObjectFiler().WriteReport(header, detail, footer, settings, file);
    TReportRequest request;
    request.BuiltIn = 0;
    request.LayoutFile = file;
    request.Records = TRecordChoice::TRecords::All;
    RunToPdf(state, *table, request, QStringLiteral("user.pdf"));
}
BENCHMARK(BM_UserDefinedReportOf10000RecordsToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
