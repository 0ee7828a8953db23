#include "TSingleRecordPrint.h"
#include "TMemoParagraphs.h"

#include "TPageStream.h"
#include "TReportFiler.h"
#include "TReportPrinter.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

const QString kFontName = QStringLiteral("Times New Roman");
constexpr double kFontSize = 10;
constexpr TInches kMargin = 1.0_in;
constexpr TInches kHeaderTop = 0.5_in;
constexpr TInches kLabelTabWidth = 1.25_in;
constexpr TInches kValueTabWidth = 5.25_in;
constexpr int kTabMargin = 2;

} // namespace

TSingleRecordPrint::TSingleRecordPrint(TRecordPrintout record, QStringList labels)
    : Record(std::move(record)), Labels(std::move(labels))
{
}

TStatusTexts TSingleRecordPrint::StatusTexts()
{
    TStatusTexts texts;
    texts.PrintCanceled = QStringLiteral("\rReport Print Canceled!");
    texts.PreviewCanceled = QStringLiteral("\rReport Preview Canceled!");
    texts.PreviewStopped = QStringLiteral("\rPreview Stopped at page %p!");
    texts.PrintCompleted = QStringLiteral("\rReport Print Completed!");
    texts.PreviewReady = QStringLiteral("\rReport Preview Ready!");
    texts.CancelQuestion = QStringLiteral("Cancel Report Printing?");
    return texts;
}

void TSingleRecordPrint::Attach(TBaseReport& job)
{
    job.Title = QStringLiteral("Single Record Report");
    job.SetMarginLeft(kMargin);
    job.SetMarginTop(kMargin);
    job.SetMarginRight(kMargin);
    job.SetMarginBottom(kMargin);
    job.OnBeforePrint = [](TBaseReport& report) {
        report.StatusText = QStringList{QString(), QString()};
    };
    job.OnPrint = [this](TBaseReport& report) { PrintPage(report); };
}

void TSingleRecordPrint::PrintPage(TBaseReport& job)
{
    job.SetFont(kFontName, kFontSize);
    job.SetFontStyle(false, false);
    SetFieldTabs(job);
    PageHeader(job);
    PrintFields(job);
    if (job.LineFits())
        job.NewLine();
    PrintMemo(job);
}

void TSingleRecordPrint::SetFieldTabs(TBaseReport& job)
{
    job.ClearTabs();
    job.SetTab(job.MarginLeft(), TTabJustify::tjLeft, kLabelTabWidth, kTabMargin);
    job.SetTab(std::nullopt, TTabJustify::tjLeft, kValueTabWidth, kTabMargin);
}

void TSingleRecordPrint::PageHeader(TBaseReport& job)
{
    const TInches right = job.PageWidth() - job.MarginRight();
    job.SetSectionTop(kHeaderTop);
    job.Home();
    job.PrintRight(QStringLiteral("Page %1").arg(job.CurrentPage()), right);
    job.NewLine();
    job.PrintRight(QLocale::system().toString(Record.Date, QLocale::ShortFormat), right);

    job.SetSectionTop(job.MarginTop());
    job.SetPen(Qt::black, Qt::SolidLine, 1);
    job.HorizontalRule(job.SectionTop(), job.MarginLeft(), right);
    job.HorizontalRule(job.SectionBottom(), job.MarginLeft(), right);
    job.Home();
    job.NewLine();
}

void TSingleRecordPrint::NewPageWithHeader(TBaseReport& job)
{
    job.NewPage();
    PageHeader(job);
}

void TSingleRecordPrint::PrintFields(TBaseReport& job)
{
    for (const TRecordPrintoutField& field : Record.Fields) {
        if (!Labels.contains(field.Label))
            continue;
        if (!job.LineFits())
            NewPageWithHeader(job);
        job.SetBold(true);
        job.PrintTab(field.Label);
        job.SetBold(false);
        job.PrintTab(field.Value);
        job.NewLine();
    }
}

void TSingleRecordPrint::PrintMemo(TBaseReport& job)
{
    if (!Labels.contains(TRecordPrintout::MemoLabel()))
        return;
    job.SetItalic(true);
    const TInches width = job.PageWidth() - job.MarginLeft() - job.MarginRight();
    // Wrapped to what the tab leaves free inside its margins, so no line loses its last letters.
    const QStringList lines = WrapText(job, Record.Memo, width - TInches::FromHundredths(2 * kTabMargin));
    if (lines.isEmpty() || (lines.size() == 1 && lines.front().trimmed().isEmpty())) {
        job.SetItalic(false);
        return;
    }
    job.SaveTabs();
    auto setMemoTab = [&job, width](unsigned borders) {
        job.ClearTabs();
        job.SetTab(job.SectionLeft(), TTabJustify::tjLeft, width, kTabMargin, 0, borders);
    };
    auto continueOnNewPage = [&] {
        job.RestoreTabs();
        job.SetItalic(false);
        NewPageWithHeader(job);
        job.SaveTabs();
        setMemoTab(tbNone);
        job.SetItalic(true);
    };

    if (!job.LineFits())
        continueOnNewPage();
    setMemoTab(tbBottom);
    job.Tab();
    job.NewLine();
    setMemoTab(tbNone);
    for (const QString& line : lines) {
        if (!job.LineFits()) {
            continueOnNewPage();
            if (!job.ProcessEvents())
                break;
        }
        job.PrintTab(line);
        job.NewLine();
    }
    job.RestoreTabs();
    job.SetItalic(false);
}

QStringList TSingleRecordPrint::WrapText(const TBaseReport& job, const QString& text, TInches width)
{
    QStringList lines;
    for (const QString& paragraph : TMemoParagraphs::Split(text)) {
        QString line;
        for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const QString candidate = line.isEmpty() ? word : line + u' ' + word;
            if (job.TextWidth(candidate) <= width) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty())
                lines.append(line);
            line = word;
            // A word wider than the line is split where it no longer fits.
            while (line.size() > 1 && job.TextWidth(line) > width) {
                qsizetype fit = line.size() - 1;
                while (fit > 1 && job.TextWidth(line.left(fit)) > width)
                    --fit;
                lines.append(line.left(fit));
                line = line.mid(fit);
            }
        }
        lines.append(line);
    }
    return lines;
}

bool PrintRecordToPdf(const TRecordPrintout& record, const QStringList& labels, const QString& pdfPath, QString* error)
{
    QStringList chosen = labels;
    if (chosen.isEmpty()) {
        for (const TRecordPrintoutField& field : record.Fields)
            chosen.append(field.Label);
        chosen.append(TRecordPrintout::MemoLabel());
    }
    TSingleRecordPrint printout(record, chosen);
    TReportPrinter job;
    job.SelectPrinter(TPrinterSelection::PdfPrinterName());
    job.Printers().SetPdfFileName(pdfPath);
    printout.Attach(job);
    if (job.Execute())
        return true;
    if (error)
        *error = job.ErrorText().isEmpty() ? QStringLiteral("Cannot write the file %1").arg(pdfPath) : job.ErrorText();
    return false;
}
