#include "TLabelJob.h"

#include "TLabelPrinter.h"

#include "output/TReportFiler.h"
#include "output/TReportPrinter.h"

TLabelJob TLabelJob::Make(const TLabelJobTarget& target, TLabelPrinter& printer, const TLabelStock& stock)
{
    TLabelJob made;
    if (target.Pages) {
        auto filer = std::make_unique<TCalibrated<TReportFiler>>(*target.Pages);
        filer->Calibration = target.Calibration;
        made.Job = std::move(filer);
    } else {
        auto direct = std::make_unique<TCalibrated<TReportPrinter>>();
        direct->Calibration = target.Calibration;
        made.Job = std::move(direct);
    }
    TBaseReport& job = *made.Job;
    job.Title = target.Title;
    made.PrinterFound = job.SelectPrinter(target.Printer);
    if (!target.PdfFile.isEmpty())
        job.Printers().SetPdfFileName(target.PdfFile);
    made.PaperConfirmed = TLabelPrinter::SetUpPaper(job, stock);
    job.OnBeforePrint = [preview = target.Preview](TBaseReport& report) {
        report.StatusFormat = preview ? QStringLiteral("Preparing Preview Page %p\r%0\r%1")
                                      : QStringLiteral("Printing Page %p\r%0\r%1");
        report.StatusText = QStringList{QString(), QString()};
    };
    job.OnPrint = [&printer](TBaseReport& report) { printer.Print(report); };
    return made;
}
