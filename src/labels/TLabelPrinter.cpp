#include "TLabelPrinter.h"

#include "data/TAddressTable.h"
#include "data/TCp1252.h"
#include "data/TRecordChoice.h"
#include "layout/TIMbSerialStore.h"
#include "layout/TLLabelPanel.h"
#include "layout/TLPrintPass.h"
#include "output/TBaseReport.h"
#include "output/TPrintStatusTexts.h"
#include "settings/TProgramFolder.h"
#include "tools/TPresortList.h"
#include "xbase/TextCase.h"

#include <cmath>
#include <stdexcept>

namespace {

double TwoDecimals(TInches length) { return std::round(length.Value() * 100.0) / 100.0; }

// Upper case as the engine's UPPER() writes the ZIP tag's keys: the Windows-1252 table, which
// keeps ß and µ as they are (Qt's would make them "SS" and a Greek capital no key holds).
std::string EngineUpper(std::string bytes)
{
    xbase::TextCase::toUpper(bytes.data(), bytes.size());
    return bytes;
}

} // namespace

TLabelPrinter::TLabelPrinter(TLLabelPanel& panel, TAddressTable& table, TLabelPrintOptions options)
    : Panel(panel), Table(table), Options(std::move(options))
{
    if (Options.Mask.Size() == 0)
        Options.Mask = TLabelPositionMask(Options.Stock);
    Options.LabelsPerRecord = std::clamp(Options.LabelsPerRecord, 1, 99);
    Options.SkipPositions = std::max(0, Options.SkipPositions);
}

void TLabelPrinter::Print(TBaseReport& report)
{
    if (Options.Stock.Across <= 0 || Options.Stock.Down <= 0)
        throw std::runtime_error("The label stock has no positions");
    if (Options.Mask.CountSet() == 0)
        throw std::runtime_error("You must select at least one card to print");
    if (Options.SkipPositions >= Options.Stock.Positions())
        throw std::runtime_error("Every position of the first sheet is skipped");

    Cursor = {};
    LabelCount = SeparatorCount = NotPresortedCount = 0;
    Stopped = false;
    // Intelligent Mail serials are handed out per label; a preview never writes them back.
    TIMbSerialRun serials(TIMbSerialStore(TProgramFolder::SettingsFile()), Options.Preview);
    TLPrintPass pass(Panel, nullptr, &serials);
    Pass = &pass;
    struct TForget {
        TLPrintPass*& Pass;
        ~TForget() { Pass = nullptr; }
    } forget{Pass};

    report.SetFont(QStringLiteral("Arial"), 8);
    if (Options.Presort)
        PrintPresorted(report);
    else
        PrintInOrder(report);
    SheetCount = report.CurrentPage();
    serials.Finish();
}

bool TLabelPrinter::GoOn(TBaseReport& report)
{
    if (!report.ProcessEvents())
        Stopped = true;
    return !Stopped;
}

TInchRect TLabelPrinter::NextPosition(TBaseReport& report)
{
    const TLabelStock& stock = Options.Stock;
    for (;;) {
        if (Cursor.Column + 1 < stock.Across) {
            ++Cursor.Column;
        } else {
            Cursor.Column = 0;
            ++Cursor.Row;
        }
        if (Cursor.Row >= stock.Down) {
            // The first page is open when the loop starts; a new one only when a label needs it.
            report.NewPage();
            Cursor.Column = 0;
            Cursor.Row = 0;
            ++Cursor.Sheet;
        }
        const int position = stock.PositionNumber(Cursor.Column, Cursor.Row);
        const bool skipped = Cursor.Sheet == 1 && position < Options.SkipPositions;
        if (Options.Mask.IsSet(position) && !skipped)
            return stock.Placement(Cursor.Column, Cursor.Row);
    }
}

void TLabelPrinter::DrawRecordLabels(TBaseReport& report)
{
    for (int copy = 0; copy < Options.LabelsPerRecord && !Stopped; ++copy) {
        const TInchRect place = NextPosition(report);
        Pass->PrintRecord(report, place.Left, place.Top);
        ++LabelCount;
        GoOn(report);
    }
}

void TLabelPrinter::DrawSeparator(TBaseReport& report, const QString& text)
{
    const TLabelStock& stock = Options.Stock;
    const TInchRect place = NextPosition(report);
    report.SetFont(QStringLiteral("Arial"), 8);
    const TInchRect clip{place.Left, place.Top, place.Left + stock.HorizontalPitch, place.Top + stock.VerticalPitch};
    // The text's top stands a third of the pitch down; its baseline one font height below that.
    const TInches baseline = place.Top + stock.VerticalPitch / 3.0 + TInches::FromPoints(8);
    report.TextRect(clip, place.Left + 0.15_in, baseline, text);
    ++SeparatorCount;
    GoOn(report);
}

void TLabelPrinter::PrintInOrder(TBaseReport& report)
{
    xbase::DbfTable& rows = Table.Table();
    while (!rows.eof() && !Stopped) {
        DrawRecordLabels(report);
        rows.skip();
    }
}

bool TLabelPrinter::InRecordSet() { return TRecordChoice::InRecordSet(Table); }

// The records of one list entry: the ZIP index is sought for the entry, and the records whose
// first five ZIP characters equal it exactly (the characters the presort tallied, a blank of
// "1012 AB" included) are printed while the index keys still begin with it. A record printed
// once is never printed again.
bool TLabelPrinter::PrintEntry(TBaseReport& report, const QString& zip)
{
    xbase::WorkArea& area = Table.Area();
    xbase::DbfTable& rows = Table.Table();
    const int zipField = rows.fieldIndex("ZIP");
    const std::string entry = TCp1252::Encode(zip); // keys are stored in the table's code page
    const std::string key = EngineUpper(entry);
    area.seek(key);
    if (!rows.eof() && !InRecordSet())
        rows.skip();
    while (!rows.eof() && !Stopped) {
        // The tag keys the padded field upper-cased; the tally took the field without its padding.
        if (!EngineUpper(std::string(rows.fieldBytes(zipField))).starts_with(key))
            break;
        const uint32_t recno = rows.recordNumber();
        if (rows.textView(zipField).substr(0, TPresortList::ZipLength) == entry && recno < Printed.size() && !Printed[recno]) {
            Printed[recno] = true;
            DrawRecordLabels(report);
        }
        rows.skip();
    }
    return !Stopped;
}

void TLabelPrinter::PrintPresorted(TBaseReport& report)
{
    xbase::WorkArea& area = Table.Area();
    xbase::DbfTable& rows = Table.Table();
    const bool wasExact = area.exact();
    struct TExactBack {
        xbase::WorkArea& Area;
        bool Exact;
        ~TExactBack() { Area.setExact(Exact); }
    } exactBack{area, wasExact};
    area.setExact(false);
    if (!Table.SetOrderTag(QStringLiteral("ZIP")))
        throw std::runtime_error("The address table has no ZIP index tag");
    Printed.assign(size_t(rows.recordCount()) + 1, false);

    TPresortList list = TPresortList::Load(Options.PresortListPath);
    while (!Stopped) {
        const std::optional<TPresortEntry> entry = list.TakeFirst();
        if (!entry)
            break;
        if (entry->Separator)
            DrawSeparator(report, entry->Text);
        else
            PrintEntry(report, entry->Text);
    }

    // The chosen records the list did not reach, under their own separator.
    bool separatorDrawn = false;
    for (rows.goTop(); !rows.eof() && !Stopped; rows.skip()) {
        const uint32_t recno = rows.recordNumber();
        if (recno < Printed.size() && Printed[recno])
            continue;
        if (!separatorDrawn) {
            DrawSeparator(report, QLatin1String(NotPresortedText));
            separatorDrawn = true;
            if (Stopped)
                break;
        }
        if (recno < Printed.size())
            Printed[recno] = true;
        DrawRecordLabels(report);
        ++NotPresortedCount;
    }
    Printed.clear();
}

// ---- job set-up

std::pair<TInches, TInches> TLabelPrinter::PortraitPaper(const TLabelStock& stock)
{
    const TInches width = stock.Landscape() ? stock.SheetDepth : stock.SheetWidth;
    const TInches height = stock.Landscape() ? stock.SheetWidth : stock.SheetDepth;
    return {TInches(TwoDecimals(width)), TInches(TwoDecimals(height))};
}

bool TLabelPrinter::SetUpPaper(TBaseReport& report, const TLabelStock& stock)
{
    const QString code = stock.PaperSize.trimmed().toUpper();
    bool confirmed = true;
    if (code == QLatin1String("LTR") || code == QLatin1String("LTRL")) {
        report.SetPaper(1);
    } else if (code == QLatin1String("A4") || code == QLatin1String("A4L")) {
        report.SetPaper(9);
    } else if (code == QLatin1String("A5")) {
        report.SetPaper(11);
    } else if (report.DeviceName().toUpper().contains(QLatin1String("HPFDJ"))) {
        confirmed = false; // this driver takes no paper size of ours
    } else {
        const auto [width, height] = PortraitPaper(stock);
        report.SetCustomPaper(width, height);
    }
    report.SetOrientation(stock.Landscape() ? TOrientation::poLandscape : TOrientation::poPortrait);
    return confirmed;
}

bool TLabelPrinter::PaperDiffers(TBaseReport& report, const TLabelStock& stock)
{
    const double tolerance = 0.05 + 1e-9;
    return std::abs(TwoDecimals(report.PageWidth()) - stock.SheetWidth.Value()) > tolerance ||
           std::abs(TwoDecimals(report.PageHeight()) - stock.SheetDepth.Value()) > tolerance;
}

QString TLabelPrinter::PaperQuestion(const TLabelStock& stock)
{
    const auto [width, height] = PortraitPaper(stock);
    return QStringLiteral("Unable to confirm that the paper size was set to\r\n\r\n") +
           QString::number(width.Value(), 'f', 2) + u'"' + QStringLiteral(" by ") +
           QString::number(height.Value(), 'f', 2) + u'"' + QStringLiteral("\r\n\r\n") +
           QStringLiteral("(you may have the wrong printer selected)") + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Would you like to try printing anyways?");
}

TStatusTexts TLabelPrinter::StatusTexts()
{
    TStatusTexts texts;
    texts.PrintCanceled = QStringLiteral("\rLabel Print Canceled!");
    texts.PreviewCanceled = QStringLiteral("\rLabel Preview Canceled!");
    texts.PreviewStopped = QStringLiteral("\rPreview Stopped at page %p!");
    texts.PrintCompleted = QStringLiteral("\rLabel Print Completed!");
    texts.PreviewReady = QStringLiteral("\rLabel Print Completed!");
    texts.PrintFailed = QStringLiteral("\rLabel Print Failed!");
    texts.PreviewFailed = QStringLiteral("\rLabel Preview Failed!");
    texts.CancelQuestion = QLatin1String(CancelQuestion);
    return texts;
}

QString TLabelPrinter::NotPresortedNote() const
{
    if (NotPresortedCount == 0)
        return QString();
    return QStringLiteral("%1 not presorted (printed last)").arg(NotPresortedCount);
}
