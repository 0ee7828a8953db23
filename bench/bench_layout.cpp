// Layouts: reading and writing a 1,000-object layout in memory, and printing 10,000 data-bound
// texts into display lists (the label run's inner loop: refresh from the record, then print).
#include "layout/TLCounterLabel.h"
#include "layout/TLDMultiLineAddressLabel.h"
#include "layout/TLDataPanel.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TLLabelShapes.h"
#include "layout/TLLineShape.h"
#include "layout/TLPDLabel.h"
#include "layout/TLPLabel.h"
#include "layout/TLStreamReader.h"

#include "output/TPageStream.h"
#include "output/TReportFiler.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void Fill(TLBasePanel& panel, int count)
{
    for (int i = 0; i < count; ++i) {
        const QRect rect((i * 37) % 600, (i * 13) % 400, 120, 20);
        switch (i % 5) {
        case 0: panel.AddObject(std::make_unique<TLPLabel>(), rect); break;
        case 1: {
            auto* data = static_cast<TLPDLabel*>(panel.AddObject(std::make_unique<TLPDLabel>(), rect));
            data->DataFieldDescript = QStringLiteral("Last Name");
            break;
        }
        case 2: panel.AddObject(std::make_unique<TLLineShape>(), rect); break;
        case 3: panel.AddObject(std::make_unique<TLLabelShapes>(), rect); break;
        default: panel.AddObject(std::make_unique<TLDMultiLineAddressLabel>(), rect); break;
        }
    }
}

void BM_ReadWriteLayout(benchmark::State& state)
{
    TLBasePanel source;
    Fill(source, 1000);
    const QByteArray bytes = TLLabelObjectFiler::ObjectListBytes(TLLabelObjectFiler::ObjectsOf(source));
    for (auto _ : state) {
        TLBasePanel panel;
        TLStreamReader reader(bytes);
        TLLabelObjectFiler().ReadObjectList(reader, panel);
        benchmark::DoNotOptimize(TLLabelObjectFiler::ObjectListBytes(TLLabelObjectFiler::ObjectsOf(panel)));
    }
    state.SetLabel(std::to_string(bytes.size()) + " bytes");
}
BENCHMARK(BM_ReadWriteLayout)->Unit(benchmark::kMillisecond);

void BM_PrintDataTexts(benchmark::State& state)
{
    TLRecordDataSource data;
    data.SetValue(QStringLiteral("LNAME"), QStringLiteral("Cole"));
    TLDataPanel panel;
    panel.DataSet = &data;
    for (int i = 0; i < 10000; ++i) {
        auto label = std::make_unique<TLPDLabel>();
        label->SetBounds(i % 700, i % 500, 120, 20);
        label->DataFieldDescript = QStringLiteral("Last Name");
        panel.Adopt(std::move(label));
    }
    int record = 0;
    for (auto _ : state) {
        // A new record each time, so every text is laid out afresh as in a label run.
        data.SetValue(QStringLiteral("LNAME"), QStringLiteral("Cole %1").arg(++record));
        TPageStream pages;
        TReportFiler job(pages);
        job.OnPrint = [&](TBaseReport& report) {
            panel.Printing = true;
            panel.RefreshData();
            panel.PrintObjects(report, TInches(), TInches());
            panel.Printing = false;
        };
        job.Execute();
        benchmark::DoNotOptimize(pages.Page(1).Operations().size());
    }
}
BENCHMARK(BM_PrintDataTexts)->Unit(benchmark::kMillisecond)->Iterations(3);

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
