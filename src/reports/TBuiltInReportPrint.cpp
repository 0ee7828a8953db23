#include "TBuiltInReportPrint.h"

#include "TReportText.h"

#include "data/TAddressTable.h"
#include "output/TBaseReport.h"

#include <QLocale>

#include <stdexcept>

namespace {

constexpr int TabMargin = 2;                      // hundredths of an inch inside every cell
constexpr TInches CellClip = 0.2_in;              // a cell's text ends this far before its width
constexpr TInches BodyBelowTopMargin = 1.0_in;    // the top rule
constexpr TInches BodyAboveBottomMargin = 0.5_in; // the bottom rule
constexpr TInches MemoWrapInset = 0.25_in;

QString TrimLeft(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return text.mid(start);
}

QString WithDot(const QString& middle) { return middle.isEmpty() ? middle : middle + u'.'; }

QString ListName(const TBuiltInReportPrint::TFieldText& field)
{
    return TrimLeft(field("LNAME") + ", ") + TrimLeft(field("FNAME") + " ") + TrimLeft(WithDot(field("MIDDLE")));
}

QString CityStateZip(const TBuiltInReportPrint::TFieldText& field)
{
    QString text;
    if (const QString city = field("CITY"); !city.isEmpty())
        text += city + ", ";
    if (const QString state = field("STATE"); !state.isEmpty())
        text += state + "  ";
    if (const QString zip = field("ZIP"); !zip.isEmpty())
        text += zip + " ";
    return text;
}

// Report 4's name: last name first, the prefix before the first name.
QString FullListName(const TBuiltInReportPrint::TFieldText& field)
{
    const QString last = field("LNAME");
    if (last.isEmpty())
        return QString();
    QString text = TrimLeft(last) + ", ";
    const QString prefix = field("PREFIX");
    const QString first = field("FNAME");
    if (!prefix.isEmpty() || !first.isEmpty())
        text += prefix + " ";
    return text + TrimLeft(first + " ") + TrimLeft(WithDot(field("MIDDLE")));
}

QString TitleAndOrganization(const TBuiltInReportPrint::TFieldText& field)
{
    const QString organization = field("ORG");
    const QString title = field("TITLE");
    if (organization.isEmpty())
        return QString();
    return title.isEmpty() ? organization : title + ", " + organization;
}

QString CityCommaStateZip(const TBuiltInReportPrint::TFieldText& field)
{
    QString text = field("CITY");
    if (const QString state = field("STATE"); !state.isEmpty())
        text += ", " + state;
    if (const QString zip = field("ZIP"); !zip.isEmpty())
        text += ", " + zip;
    return text;
}

QString PhoneAndFax(const TBuiltInReportPrint::TFieldText& field)
{
    QString text;
    if (const QString phone = field("PHONE"); !phone.isEmpty())
        text += "Ph: " + phone + "  ";
    if (const QString fax = field("FAX"); !fax.isEmpty())
        text += "Fax: " + fax + "  ";
    return text;
}

// Reports 1 to 3: one cell per column in the columns' widths.
TReportLine FourCells(int report, const QStringList& texts)
{
    const std::vector<TInches> widths = TBuiltInReportPrint::TabWidths(report);
    TReportLine line;
    for (int column = 0; column < 4; ++column)
        line.push_back({column, widths[size_t(column)], texts[column]});
    return line;
}

} // namespace

const QStringList& TBuiltInReportPrint::ListTexts()
{
    static const QStringList texts{QStringLiteral("1. Name,Address,City,State,Zip,Phone"),
                                   QStringLiteral("2. Name,Organization,Phone,Fax"),
                                   QStringLiteral("3. Organization,Name,Phone,Fax "),
                                   QStringLiteral("4. All major fields (takes several lines)")};
    return texts;
}

std::vector<TInches> TBuiltInReportPrint::TabWidths(int report)
{
    switch (report) {
    case 1: return {1.75_in, 2.15_in, 2.0_in, 1.5_in};
    case 2: return {2.0_in, 2.5_in, 1.5_in, 1.35_in};
    case 3: return {2.5_in, 2.0_in, 1.5_in, 1.35_in};
    default: return {0.5_in, 2.25_in, 3.0_in, 1.5_in};
    }
}

std::vector<TReportLine> TBuiltInReportPrint::Headings(int report)
{
    switch (report) {
    case 1: return {FourCells(1, {"Name", "Address", "City/St/Zip", "Phone"})};
    case 2: return {FourCells(2, {"Name", "Organization", "Phone", "Fax"})};
    case 3: return {FourCells(3, {"Organization", "Name", "Phone", "Fax"})};
    default:
        return {{{0, 2.75_in, "Name"}, {2, 4.5_in, "Title and Organization"}},
                {{1, 2.25_in, "Street"}, {2, 3.0_in, "City/State/Zip"}, {3, 1.5_in, "Country"}},
                {{1, 2.25_in, "Phone,Fax"}, {2, 3.0_in, "Email"}, {3, 1.5_in, "Date"}}};
    }
}

std::vector<TReportLine> TBuiltInReportPrint::Cells(int report, const TFieldText& field)
{
    switch (report) {
    case 1: return {FourCells(1, {ListName(field), field("STREET"), CityStateZip(field), field("PHONE")})};
    case 2: return {FourCells(2, {ListName(field), field("ORG"), field("PHONE"), field("FAX")})};
    case 3: return {FourCells(3, {field("ORG"), ListName(field), field("PHONE"), field("FAX")})};
    default:
        return {{{0, 2.75_in, FullListName(field)}, {2, 4.5_in, TitleAndOrganization(field)}},
                {{1, 2.25_in, field("STREET")}, {2, 3.0_in, CityCommaStateZip(field)}, {3, 1.5_in, field("COUNTRY")}},
                {{1, 2.25_in, PhoneAndFax(field)}, {2, 3.0_in, field("EMAIL")}, {3, 1.5_in, field("DATE")}}};
    }
}

TBuiltInReportPrint::TBuiltInReportPrint(TAddressTable& table, TBuiltInReportOptions options)
    : Table(table), Options(std::move(options))
{
    if (Options.Report < 1 || Options.Report > ReportCount)
        throw std::invalid_argument("There is no built-in report " + std::to_string(Options.Report));
}

void TBuiltInReportPrint::SetUpJob(TBaseReport& report)
{
    report.SetMarginLeft(1.0_in);
    report.SetMarginTop(0.5_in);
    report.SetMarginRight(0.5_in);
    report.SetMarginBottom(0.5_in);
}

TInchRect TBuiltInReportPrint::Body(TBaseReport& report) const
{
    // The rules bound the body; page number and date end at the same right edge on every page.
    return {report.MarginLeft(), report.MarginTop() + BodyBelowTopMargin, report.PageWidth() - report.MarginRight(),
            report.PageHeight() - report.MarginBottom() - BodyAboveBottomMargin};
}

void TBuiltInReportPrint::SetBodyFont(TBaseReport& report)
{
    report.SetFont(FontName(), FontSize(Options.Report));
    report.SetFontStyle(false, false);
}

void TBuiltInReportPrint::SetColumnTabs(TBaseReport& report)
{
    report.ClearTabs();
    for (const TInches width : TabWidths(Options.Report))
        report.SetTab(std::nullopt, TTabJustify::tjLeft, width, TabMargin);
}

void TBuiltInReportPrint::PageHeader(TBaseReport& report)
{
    const TInches right = Body(report).Right;
    report.SetPen(Qt::black, Qt::SolidLine, 0);
    report.SetFont(QStringLiteral("Times New Roman"), 14);
    report.SetFontStyle(true, false);
    report.GotoY(report.MarginTop());
    report.PrintLeft(Options.Title, report.MarginLeft());
    report.PrintRight(QStringLiteral("Page %1").arg(report.CurrentPage()), right);
    report.NewLine();
    report.PrintRight(QLocale::system().toString(Today, QLocale::ShortFormat), right);

    // The headings end just above the top rule, never over the first record.
    const std::vector<TReportLine> headings = Headings(Options.Report);
    report.SetFont(FontName(), 9);
    report.SetFontStyle(true, false);
    SetColumnTabs(report);
    report.GotoY(report.SectionTop() - report.LineHeight() * double(headings.size()) - 0.03_in);
    for (const TReportLine& line : headings) {
        PrintLine(report, line);
        report.NewLine();
    }
    report.HorizontalRule(report.SectionTop(), report.SectionLeft(), report.SectionRight());
    report.HorizontalRule(report.SectionBottom(), report.SectionLeft(), report.SectionRight());
    SetBodyFont(report);
    report.Home();
}

void TBuiltInReportPrint::NewPage(TBaseReport& report)
{
    report.NewPage();
    PageHeader(report);
}

void TBuiltInReportPrint::PrintLine(TBaseReport& report, const TReportLine& line)
{
    const TInches margin = TInches::FromHundredths(TabMargin);
    for (const TReportCell& cell : line) {
        if (cell.Text.isEmpty())
            continue;
        const TTab& tab = report.Tabs().At(cell.Column);
        const TInchRect clip{tab.Left + margin, report.LineTop(), tab.Left + cell.Width - CellClip, report.LineBottom()};
        // Only a text wider than its cell needs the clip (a clip costs a state change on the page).
        if (report.TextWidth(cell.Text) <= clip.Width())
            report.PrintAt(clip.Left, report.Baseline(), cell.Text);
        else
            report.TextRect(clip, clip.Left, report.Baseline(), cell.Text);
    }
}

void TBuiltInReportPrint::ShadedBlockTab(TBaseReport& report, int shadePercent)
{
    report.ClearTabs();
    report.SetTab(report.SectionLeft(), TTabJustify::tjLeft, report.SectionRight() - report.SectionLeft(), TabMargin,
                  shadePercent);
}

void TBuiltInReportPrint::PrintCodes(TBaseReport& report)
{
    const QString codes = Table.FieldText(QStringLiteral("CODES"));
    if (!Options.PrintCodes || codes.isEmpty())
        return;
    if (!report.LineFits())
        NewPage(report);
    report.SaveTabs();
    ShadedBlockTab(report, 5);
    report.PrintTab(QStringLiteral("Codes: ") + codes);
    report.NewLine();
    report.RestoreTabs();
}

void TBuiltInReportPrint::PrintMemo(TBaseReport& report)
{
    if (!Options.PrintMemo)
        return;
    const TInches width = report.SectionRight() - report.SectionLeft() - MemoWrapInset;
    const QStringList lines =
        TReportText::WrapLines(Table.Memo(), width, [&report](const QString& text) { return report.TextWidth(text); });
    if (TReportText::PrintsNothing(lines))
        return;
    report.SaveTabs();
    ShadedBlockTab(report, 10);
    for (const QString& line : lines) {
        if (!report.LineFits()) {
            NewPage(report);
            ShadedBlockTab(report, 10);
        }
        report.PrintTab(line);
        report.NewLine();
    }
    report.RestoreTabs();
}

void TBuiltInReportPrint::Print(TBaseReport& report)
{
    Printed = 0;
    const int linesPerRecord = Options.Report == 4 ? 3 : 1;
    SetBodyFont(report);
    report.SetSection(Body(report));
    SetColumnTabs(report);
    report.Home();
    if ((report.LineFits() ? report.LinesLeft() + 1 : 0) < linesPerRecord)
        throw std::runtime_error("The page is too small to hold one record of this report");
    PageHeader(report);

    xbase::DbfTable& rows = Table.Table();
    const auto field = [this](const QString& name) { return Table.FieldText(name); };
    while (!rows.eof()) {
        const int linesFree = report.LineFits() ? report.LinesLeft() + 1 : 0;
        if (linesFree < linesPerRecord)
            NewPage(report);
        for (const TReportLine& line : Cells(Options.Report, field)) {
            PrintLine(report, line);
            report.NewLine();
        }
        PrintCodes(report);
        PrintMemo(report);
        if (Options.Report == 4 && report.LineFits() && report.LinesLeft() + 1 > 3) {
            const TInches middle = report.LineTop() + report.LineHeight() / 2;
            report.SetPen(QColor(192, 192, 192), Qt::SolidLine, 0);
            report.HorizontalRule(middle, report.SectionLeft(), report.SectionRight());
            report.SetPen(Qt::black, Qt::SolidLine, 0);
            report.NewLine();
        }
        ++Printed;
        rows.skip();
        if (!report.ProcessEvents())
            break;
    }
}
