#include "TUserDefinedReportPrint.h"

#include "TReportText.h"

#include "data/TAddressTable.h"
#include "layout/TLAddressDataSource.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TLPrintPass.h"
#include "layout/TLayoutUnits.h"
#include "output/TBaseReport.h"

#include <QFileInfo>

#include <cmath>
#include <stdexcept>

namespace {

constexpr TInches BandOverhang = 0.125_in; // bands reach this far beyond the section on both sides
constexpr TInches ShadeOverlap = 0.01_in;

enum { BandHeader = 0, BandDetail = 1, BandMemo = 2, BandFooter = 3 };

} // namespace

// The bands print while Print runs, and only then.
struct TUserDefinedReportPrint::TBandPasses {
    TLPrintPass Header, Detail, Footer;
};

TUserDefinedReportPrint::TUserDefinedReportPrint(TAddressTable& table, const QString& layoutFile) : Table(table)
{
    if (!QFileInfo(layoutFile).isFile())
        throw std::runtime_error(MissingFileMessage);
    TLLabelObjectFiler().ReadReport(Header, Detail, Footer, ReportSettings, layoutFile);
    // With every band off the job would print one empty page and call it completed.
    if (!ReportSettings.UseHeader && !ReportSettings.UseDetail && !ReportSettings.UseMemo && !ReportSettings.UseFooter)
        throw std::runtime_error(NoBandsMessage);
    Data = std::make_unique<TLAddressDataSource>(Table);
    for (TReportPanel* band : {&Header, &Detail, &Footer})
        band->DataSet = Data.get();
}

TUserDefinedReportPrint::~TUserDefinedReportPrint() = default;

TInches TUserDefinedReportPrint::Inches(int pixels) const { return TLayoutUnits::ToInches(pixels); }

// A band switched off takes no room on the page, as in the designer.
TInches TUserDefinedReportPrint::HeaderHeight() const
{
    return ReportSettings.UseHeader ? Inches(ReportSettings.HeaderHeight) : TInches();
}

TInches TUserDefinedReportPrint::FooterHeight() const
{
    return ReportSettings.UseFooter ? Inches(ReportSettings.FooterHeight) : TInches();
}

TReportPaper TUserDefinedReportPrint::Paper() const
{
    return TReportPaper::Detect(ReportSettings.PageWidth, ReportSettings.PageHeight, TLayoutUnits::PixelsPerInch());
}

void TUserDefinedReportPrint::SetUpJob(TBaseReport& report)
{
    const TReportPaper paper = Paper();
    if (paper.PaperCode() != 0) {
        report.SetPaper(paper.PaperCode());
    } else {
        // A custom paper keeps the stored sides; its orientation follows them.
        const TInches width = Inches(ReportSettings.PageWidth), height = Inches(ReportSettings.PageHeight);
        report.SetCustomPaper(std::min(width, height), std::max(width, height));
    }
    report.SetOrientation(paper.Landscape ? TOrientation::poLandscape : TOrientation::poPortrait);
    report.SetMarginLeft(Inches(ReportSettings.LeftMargin) + BandOverhang);
    report.SetMarginRight(Inches(ReportSettings.RightMargin) + BandOverhang);
    report.SetMarginTop(Inches(ReportSettings.TopMargin) + HeaderHeight());
    report.SetMarginBottom(Inches(ReportSettings.BottomMargin) + FooterHeight());
    report.ResetSection();

    const TInches body = report.SectionBottom() - report.SectionTop();
    if (ReportSettings.UseDetail && Inches(ReportSettings.DetailHeight) > body)
        throw std::runtime_error("The detail band is higher than the room the page leaves between header and footer");
    if (ReportSettings.UseMemo) {
        // One memo line must fit, or the memo would start page after page.
        const double points = ReportSettings.MemoFontSize;
        if (TInches::FromPoints(points * 1.15) > body || body <= TInches())
            throw std::runtime_error("The page leaves no room for a line of the memo band");
    }
    if (body <= TInches())
        throw std::runtime_error("The page leaves no room between header and footer");
    report.OnNewPage = [this](TBaseReport& job) { PageHeaderAndFooter(job); };
}

TInches TUserDefinedReportPrint::BandLeft(TBaseReport& report) const { return report.SectionLeft() - BandOverhang; }
TInches TUserDefinedReportPrint::BandRight(TBaseReport& report) const { return report.SectionRight() + BandOverhang; }

void TUserDefinedReportPrint::ShadeAndOutline(TBaseReport& report, const TLBandFrame& frame, TInches top, TInches bottom)
{
    const TInches left = BandLeft(report), right = BandRight(report);
    if (frame.ShadePercent > 0) {
        report.FillRect({left, top, right + ShadeOverlap, bottom + ShadeOverlap},
                        TReportPaper::ShadeColor(frame.ShadeColor, frame.ShadePercent));
        report.SetBrush(Qt::white, Qt::SolidPattern);
    }
    if (!(frame.Top || frame.Right || frame.Bottom || frame.Left))
        return;
    const int points = std::clamp(frame.LineWidth, 1, 3);
    report.SetPen(Qt::black, Qt::SolidLine, std::max(1, int(std::lround(points / 72.0 * report.Resolution()))));
    // From two points on, the line is drawn inside the rectangle.
    const TInches inward = points >= 2 ? TInches::FromPoints(points) : TInches();
    const TInchRect r{left + inward, top + inward, right - inward, bottom - inward};
    if (frame.Top) report.HorizontalRule(r.Top, r.Left, r.Right);
    if (frame.Right) { report.MoveTo(r.Right, r.Top); report.LineTo(r.Right, r.Bottom); }
    if (frame.Bottom) report.HorizontalRule(r.Bottom, r.Left, r.Right);
    if (frame.Left) { report.MoveTo(r.Left, r.Top); report.LineTo(r.Left, r.Bottom); }
    report.SetPen(Qt::black, Qt::SolidLine, 0);
}

void TUserDefinedReportPrint::PageHeaderAndFooter(TBaseReport& report)
{
    if (ReportSettings.UseHeader) {
        const TInches top = report.SectionTop() - HeaderHeight();
        ShadeAndOutline(report, ReportSettings.Bands[BandHeader], top, report.SectionTop());
        Passes->Header.PrintAsIs(report, BandLeft(report), top);
    }
    if (ReportSettings.UseFooter) {
        const TInches top = report.SectionBottom();
        ShadeAndOutline(report, ReportSettings.Bands[BandFooter], top, top + FooterHeight());
        Passes->Footer.PrintAsIs(report, BandLeft(report), top);
    }
    Position = report.SectionTop();
}

void TUserDefinedReportPrint::PrintDetail(TBaseReport& report)
{
    const TInches height = Inches(ReportSettings.DetailHeight);
    if (report.SectionBottom() - Position < height)
        report.NewPage();
    ShadeAndOutline(report, ReportSettings.Bands[BandDetail], Position, Position + height);
    Passes->Detail.PrintRecord(report, BandLeft(report), Position);
    Position += height;
}

void TUserDefinedReportPrint::SetMemoFont(TBaseReport& report)
{
    report.SetFont(ReportSettings.MemoFontName, ReportSettings.MemoFontSize);
    report.SetFontStyle(ReportSettings.MemoBold, ReportSettings.MemoItalic);
}

void TUserDefinedReportPrint::PrintMemo(TBaseReport& report)
{
    SetMemoFont(report);
    // Lines are wrapped at the width they are printed in: the section.
    const QStringList lines = TReportText::WrapLines(Table.Memo(), report.SectionRight() - report.SectionLeft(),
                                                     [&report](const QString& text) { return report.TextWidth(text); });
    if (TReportText::PrintsNothing(lines))
        return;
    const TInches lineHeight = report.LineHeight();
    qsizetype next = 0;
    while (next < lines.size()) {
        // Whole lines only: the last one never runs into the footer.
        auto room = [&] { return int(std::floor((report.SectionBottom() - Position) / lineHeight + 1e-6)); };
        int count = room();
        if (count <= 0) {
            report.NewPage();
            SetMemoFont(report);
            count = room();
            if (count <= 0) // a fresh page holds no line either: stop rather than loop for ever
                throw std::runtime_error("The page leaves no room for a line of the memo band");
        }
        count = int(std::min<qsizetype>(count, lines.size() - next));
        const TInches bottom = Position + lineHeight * count + report.FontLeading();
        ShadeAndOutline(report, ReportSettings.Bands[BandMemo], Position, bottom);
        for (int i = 0; i < count; ++i, ++next) {
            report.GotoY(Position);
            switch (ReportSettings.MemoAlignment) {
            case 1: report.PrintRight(lines[next], report.SectionRight()); break;
            case 2: report.PrintCenter(lines[next], (report.SectionLeft() + report.SectionRight()) / 2); break;
            default: report.PrintLeft(lines[next], report.SectionLeft()); break;
            }
            Position += lineHeight;
        }
        Position += report.FontLeading();
        if (next < lines.size()) {
            report.NewPage();
            SetMemoFont(report);
        }
    }
}

void TUserDefinedReportPrint::Print(TBaseReport& report)
{
    TBandPasses passes{TLPrintPass(Header), TLPrintPass(Detail), TLPrintPass(Footer)};
    Passes = &passes;
    struct TForget {
        TBandPasses*& Passes;
        ~TForget() { Passes = nullptr; }
    } forget{Passes};
    Printed = 0;
    PageHeaderAndFooter(report);
    xbase::DbfTable& rows = Table.Table();
    while (!rows.eof()) {
        if (ReportSettings.UseDetail)
            PrintDetail(report);
        if (ReportSettings.UseMemo)
            PrintMemo(report);
        ++Printed;
        rows.skip();
        if (!report.ProcessEvents())
            break;
        if (OneRecordPerPage && !rows.eof())
            report.NewPage();
    }
}
