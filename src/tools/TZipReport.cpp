#include "TZipReport.h"

#include "TZipTally.h"

#include "data/TCp1252.h"
#include "output/TReportPrinter.h"

namespace {

const QString kFontName = QStringLiteral("Arial");
constexpr double kFontSize = 10;
constexpr TInches kSideMargin = 0.5_in;
constexpr TInches kTopBottomMargin = 1.0_in;
constexpr TInches kTitleAbove = 0.25_in;
constexpr TInches kZipTabWidth = 1.0_in;
constexpr int kZipField = 10;
constexpr int kTabMargin = 4; // hundredths of an inch kept free inside a cell

} // namespace

QString TZipReport::FormatCount(uint64_t count)
{
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return digits;
}

QString TZipReport::Line(const QString& zip, uint64_t count)
{
    return zip.left(kZipField).leftJustified(kZipField, u' ') + FormatCount(count);
}

QStringList TZipReport::CountLines(const TZipTally& tally)
{
    QStringList lines;
    for (int digit = 0; digit <= 9; ++digit)
        for (const TZipTally::TEntry& entry : tally.DigitList(digit))
            lines << Line(TCp1252::Decode(entry.Zip), entry.Count);
    lines << QString() << QString();
    for (const TZipTally::TEntry& entry : tally.OtherList())
        lines << Line(TCp1252::Decode(entry.Zip), entry.Count);
    if (tally.BlankCount() > 0)
        lines << Line(QStringLiteral("BLANK"), tally.BlankCount());
    return lines;
}

void TZipReport::Attach(TBaseReport& job)
{
    job.Title = QStringLiteral("Zip Code Count Report");
    job.SetMarginLeft(kSideMargin);
    job.SetMarginRight(kSideMargin);
    job.SetMarginTop(kTopBottomMargin);
    job.SetMarginBottom(kTopBottomMargin);
    job.OnBeforePrint = [](TBaseReport& report) {
        report.StatusText = QStringList{QString(), QString()};
        report.SetFont(kFontName, kFontSize);
        report.SetFontStyle(false, false);
    };
    job.OnPrintHeader = [this](TBaseReport& report) { PageHeader(report); };
    job.OnPrintFooter = [this](TBaseReport& report) { PageFooter(report); };
    job.OnPrint = [this](TBaseReport& report) { PrintPage(report); };
}

void TZipReport::PageHeader(TBaseReport& job)
{
    job.ResetSection();
    const TInches middle = (job.SectionLeft() + job.SectionRight()) / 2;
    job.SetBold(true);
    job.PrintAt(middle, job.SectionTop() - kTitleAbove, QStringLiteral("Zip Code Count Report"), TTextAlign::taCenter);
    job.SetBold(false);
    job.Home();
}

// Drawn when the page is done, so the frame and column lines lie on top of the shading.
void TZipReport::PageFooter(TBaseReport& job)
{
    const TInchRect area{job.SectionLeft(), job.SectionTop(), job.SectionRight(), job.SectionBottom()};
    const TInches middle = (area.Left + area.Right) / 2;
    job.PrintAt(middle, area.Bottom + job.LineHeight(), QStringLiteral("Page %1").arg(job.CurrentPage()),
                TTextAlign::taCenter);
    job.SetPen(Qt::black, Qt::SolidLine, 1);
    job.SetBrush(Qt::white, Qt::NoBrush);
    job.Rectangle(area);
    for (int column = 1; column < ColumnCount; ++column) {
        const TInches x = area.Left + ColumnWidth * column;
        job.MoveTo(x, area.Top);
        job.LineTo(x, area.Bottom);
    }
}

void TZipReport::SetRowTabs(TBaseReport& job, int column, bool shaded)
{
    const TInches origin = job.MarginLeft() + ColumnWidth * column;
    const int shade = shaded ? ShadePercent : 0;
    job.ClearTabs();
    job.SetTab(origin, TTabJustify::tjLeft, kZipTabWidth, kTabMargin, shade);
    job.SetTab(std::nullopt, TTabJustify::tjRight, ColumnWidth - kZipTabWidth, kTabMargin, shade);
}

void TZipReport::PrintPage(TBaseReport& job)
{
    int column = 0;
    int row = 0;
    for (const QString& line : Lines) {
        if (!job.LineFits()) {
            if (++column == ColumnCount) {
                job.NewPage();
                column = 0;
            }
            job.Home();
            row = 0;
        }
        SetRowTabs(job, column, row % 2 == 0);
        job.PrintTab(line.left(kZipField).trimmed());
        job.PrintTab(line.mid(kZipField).trimmed());
        job.NewLine();
        ++row;
        if (!job.ProcessEvents())
            break;
    }
}

bool TZipReport::PrintTo(const QString& printerName, const QString& pdfPath, QString* error)
{
    TReportPrinter job;
    if (!job.SelectPrinter(printerName)) {
        if (error)
            *error = QStringLiteral("there is no printer called %1").arg(printerName);
        return false;
    }
    if (!pdfPath.isEmpty())
        job.Printers().SetPdfFileName(pdfPath);
    Attach(job);
    if (job.Execute())
        return true;
    if (error)
        *error = job.ErrorText().isEmpty() ? QStringLiteral("the report could not be printed") : job.ErrorText();
    return false;
}
