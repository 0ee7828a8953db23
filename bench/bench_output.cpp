// Page-output speed on a label-like job: 1,000 pages of 30 labels, three clipped lines each.
// Recording the job, writing it as a PDF, and drawing one page the way the preview does.
#include "output/TFilePreview.h"
#include "output/TFilePrinter.h"
#include "output/TReportFiler.h"
#include "settings/TScreenMetrics.h"

#include <QApplication>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kPages = 1000;

void DrawLabelSheet(TBaseReport& report, int pages)
{
    report.SetFont("Arial", 10);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            report.NewPage();
        for (int label = 0; label < 30; ++label) {
            const TInches left = 0.1875_in + 2.75_in * (label % 3);
            const TInches top = 0.5_in + 1.0_in * (label / 3);
            const TInchRect clip{left, top, left + 2.625_in, top + 1.0_in};
            const int record = (page - 1) * 30 + label;
            report.TextRect(clip, left + 0.1_in, top + 0.3_in, QString("Resident %1 Whitfield").arg(record));
            report.TextRect(clip, left + 0.1_in, top + 0.5_in, QString("%1 Long Street").arg(100 + record % 900));
            report.TextRect(clip, left + 0.1_in, top + 0.7_in, QStringLiteral("Springfield IL 62704"));
        }
    }
}

TPageStream RecordedJob(int pages)
{
    TPageStream stream;
    TReportFiler job(stream);
    job.OnPrint = [pages](TBaseReport& report) { DrawLabelSheet(report, pages); };
    job.Execute();
    return stream;
}

void BM_RecordJob(benchmark::State& state)
{
    for (auto _ : state) {
        TPageStream stream = RecordedJob(kPages);
        benchmark::DoNotOptimize(stream.PageCount());
    }
}
BENCHMARK(BM_RecordJob)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WritePdf(benchmark::State& state)
{
    const TPageStream stream = RecordedJob(kPages);
    QTemporaryDir dir;
    for (auto _ : state) {
        TFilePrinter printer;
        printer.Printers().SelectPrinter(TPrinterSelection::PdfPrinterName());
        printer.Printers().SetPdfFileName(dir.filePath("labels.pdf"));
        if (!printer.Execute(stream, "Quorvane"))
            state.SkipWithError("PDF not written");
    }
}
BENCHMARK(BM_WritePdf)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same sheets the way layout text objects draw: each label a vector picture drawn at
// screen resolution and stretched into its rectangle.
void BM_WritePdfOfPictures(benchmark::State& state)
{
    QPicture label;
    {
        QPainter painter(&label);
        painter.setFont(QFont("Arial", 10));
        painter.drawText(QPointF(10, 29), "Resident Whitfield");
        painter.drawText(QPointF(10, 48), "1200 Long Street");
        painter.drawText(QPointF(10, 67), "Springfield IL 62704");
    }
    TPageStream stream;
    TReportFiler job(stream);
    job.OnPrint = [&label](TBaseReport& report) {
        for (int page = 1; page <= kPages; ++page) {
            if (page > 1)
                report.NewPage();
            for (int n = 0; n < 30; ++n) {
                const TInches left = 0.1875_in + 2.75_in * (n % 3);
                const TInches top = 0.5_in + 1.0_in * (n / 3);
                report.StretchPicture(TInchRect{left, top, left + 2.625_in, top + 1.0_in}, label, QRectF(0, 0, 252, 96));
            }
        }
    };
    job.Execute();
    QTemporaryDir dir;
    for (auto _ : state) {
        TFilePrinter printer;
        printer.Printers().SelectPrinter(TPrinterSelection::PdfPrinterName());
        printer.Printers().SetPdfFileName(dir.filePath("pictures.pdf"));
        if (!printer.Execute(stream, "Quorvane"))
            state.SkipWithError("PDF not written");
    }
}
BENCHMARK(BM_WritePdfOfPictures)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PreviewPage(benchmark::State& state)
{
    const TPageStream stream = RecordedJob(kPages);
    TFilePreview preview;
    preview.Start(&stream);
    int page = 1;
    for (auto _ : state) {
        // Page width in a window about 900 pixels wide.
        QImage image = preview.RenderPage(page, 100.0);
        benchmark::DoNotOptimize(image.bits());
        page = (page + 396) % kPages + 1;
    }
}
BENCHMARK(BM_PreviewPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    TScreenMetrics::SetPixelsPerInch(96);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
