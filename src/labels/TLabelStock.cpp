#include "TLabelStock.h"

#include "data/TCp1252.h"
#include "xbase/DbfTable.h"

#include <cmath>

namespace {

QString Text(const xbase::DbfTable& table, const char* column)
{
    const int index = table.fieldIndex(column);
    return index < 0 ? QString() : TCp1252::Decode(table.textView(index));
}

TInches Length(const xbase::DbfTable& table, const char* column)
{
    const int index = table.fieldIndex(column);
    return TInches(index < 0 ? 0.0 : table.number(index));
}

int Count(const xbase::DbfTable& table, const char* column)
{
    const int index = table.fieldIndex(column);
    return index < 0 ? 0 : int(std::lround(table.number(index)));
}

void PutText(xbase::DbfTable& table, const char* column, const QString& value)
{
    table.setText(table.fieldIndex(column), TCp1252::Encode(value));
}

void PutNumber(xbase::DbfTable& table, const char* column, double value)
{
    table.setNumber(table.fieldIndex(column), value);
}

} // namespace

TInches RoundToThousandths(TInches length) { return TInches(std::round(length.Value() * 1000.0) / 1000.0); }

TLabelStock TLabelStock::NewStock()
{
    TLabelStock stock;
    stock.LabelHeight = 1.0_in;
    stock.LabelWidth = 2.625_in;
    stock.Across = 3;
    stock.Down = 10;
    stock.TopMargin = 0.5_in;
    stock.LeftMargin = 0.188_in;
    stock.HorizontalPitch = 2.765_in;
    stock.VerticalPitch = 1.01_in;
    stock.SheetWidth = 8.5_in;
    stock.SheetDepth = 11.0_in;
    stock.PaperSize = QStringLiteral("LTR");
    stock.Shape = QStringLiteral("RR");
    stock.TemplateName = QStringLiteral("Avery 5160  Address");
    stock.PrinterKind = QStringLiteral("LJ");
    stock.Manufacturer = QStringLiteral("AVERY");
    stock.ProductType = QStringLiteral("ADDRESS/SHIPPING LABELS");
    return stock;
}

TInchRect TLabelStock::Placement(int column, int row) const
{
    // Integer halves: with three columns the second and third stand right of the gap, with
    // one column the gap shifts the only one.
    TInches left = LeftMargin + HorizontalPitch * column;
    if (MiddleExtraX > 0_in && column >= Across / 2)
        left += MiddleExtraX;
    TInches top = TopMargin + VerticalPitch * row;
    if (MiddleExtraY > 0_in && row >= Down / 2)
        top += MiddleExtraY;
    return {left, top, left + LabelWidth, top + LabelHeight};
}

bool TLabelStock::Landscape() const
{
    const TLabelPaperSize* paper = FindPaperSize(PaperSize);
    return paper && paper->Landscape;
}

QString TLabelStock::SheetName() const
{
    return TemplateName.isEmpty() ? QStringLiteral("[User Defined]") : TemplateName;
}

TLabelStock TLabelStock::ReadRow(const xbase::DbfTable& table)
{
    TLabelStock stock;
    stock.PrinterKind = Text(table, "PRINTER");
    stock.LabelHeight = Length(table, "LBLHEIGHT");
    stock.LabelWidth = Length(table, "LBLWIDTH");
    stock.Across = Count(table, "NBRACROSS");
    stock.Down = Count(table, "NBRDOWN");
    stock.TopMargin = Length(table, "TOPMARG");
    stock.LeftMargin = Length(table, "LEFTMARG");
    stock.HorizontalPitch = Length(table, "HORIZPITCH");
    stock.VerticalPitch = Length(table, "VERTPITCH");
    stock.SheetWidth = Length(table, "SHEETWIDTH");
    stock.SheetDepth = Length(table, "SHEETDEPTH");
    stock.PaperSize = Text(table, "PAPERSIZE");
    stock.Shape = Text(table, "LBLSHAPE");
    // The catalogue names its rows in DESCRIPT; a setup names the template it came from.
    stock.TemplateName = table.fieldIndex("TPLDESCRIP") >= 0 ? Text(table, "TPLDESCRIP") : Text(table, "DESCRIPT");
    stock.Manufacturer = Text(table, "MANUFAC");
    stock.ProductType = Text(table, "PRODTYPE");
    stock.MiddleExtraX = Length(table, "MIDEXTRAX");
    stock.MiddleExtraY = Length(table, "MIDEXTRAY");
    stock.Art = Text(table, "ART");
    return stock;
}

void TLabelStock::WriteRow(xbase::DbfTable& table) const
{
    PutText(table, "PRINTER", PrinterKind);
    PutNumber(table, "LBLHEIGHT", RoundToThousandths(LabelHeight).Value());
    PutNumber(table, "LBLWIDTH", RoundToThousandths(LabelWidth).Value());
    PutNumber(table, "NBRACROSS", Across);
    PutNumber(table, "NBRDOWN", Down);
    PutNumber(table, "TOPMARG", RoundToThousandths(TopMargin).Value());
    PutNumber(table, "LEFTMARG", RoundToThousandths(LeftMargin).Value());
    PutNumber(table, "HORIZPITCH", RoundToThousandths(HorizontalPitch).Value());
    PutNumber(table, "VERTPITCH", RoundToThousandths(VerticalPitch).Value());
    PutNumber(table, "SHEETWIDTH", RoundToThousandths(SheetWidth).Value());
    PutNumber(table, "SHEETDEPTH", RoundToThousandths(SheetDepth).Value());
    PutText(table, "PAPERSIZE", PaperSize);
    PutText(table, "LBLSHAPE", Shape);
    PutText(table, "TPLDESCRIP", TemplateName);
    PutText(table, "MANUFAC", Manufacturer);
    PutText(table, "PRODTYPE", ProductType);
    PutNumber(table, "MIDEXTRAX", RoundToThousandths(MiddleExtraX).Value());
    PutNumber(table, "MIDEXTRAY", RoundToThousandths(MiddleExtraY).Value());
    PutText(table, "ART", Art);
}

void TLabelStock::TakeTemplate(const TLabelStock& catalogueRow) { *this = catalogueRow; }

const std::vector<TLabelPaperSize>& TLabelStock::PaperSizes()
{
    static const std::vector<TLabelPaperSize> sizes = {
        {QStringLiteral("LTR"), QStringLiteral("Letter (8.5 x 11\")"), 8.5_in, 11.0_in, false, false},
        {QStringLiteral("LTRL"), QStringLiteral("Letter Landscape (11 x 8.5\")"), 11.0_in, 8.5_in, true, false},
        {QStringLiteral("A4"), QStringLiteral("A4 (210 x 297mm)"), 8.27_in, 11.69_in, false, false},
        {QStringLiteral("A4L"), QStringLiteral("A4 Landscape ( 297 x 210mm)"), 11.69_in, 8.27_in, true, false},
        {QStringLiteral("A5"), QStringLiteral("A5 (148 x 210mm)"), 5.82_in, 8.27_in, false, false},
        {QStringLiteral("USERP"), QStringLiteral("Other Portrait (User Defined)"), {}, {}, false, true},
        {QStringLiteral("USERL"), QStringLiteral("Other Landscape (User Defined)"), {}, {}, true, true},
    };
    return sizes;
}

const TLabelPaperSize* TLabelStock::FindPaperSize(const QString& code)
{
    for (const auto& size : PaperSizes())
        if (size.Code.compare(code.trimmed(), Qt::CaseInsensitive) == 0)
            return &size;
    return nullptr;
}

const std::vector<TLabelShape>& TLabelStock::Shapes()
{
    static const std::vector<TLabelShape> shapes = {
        {QStringLiteral("RR"), QStringLiteral("Rectangular with Rounded Edges")},
        {QStringLiteral("SR"), QStringLiteral("Rectangular")},
        {QStringLiteral("EL"), QStringLiteral("Round")},
    };
    return shapes;
}

const QStringList& TLabelStock::ProductTypes()
{
    static const QStringList types = {
        QStringLiteral("ADDRESS/SHIPPING LABELS"), QStringLiteral("CARD PRODUCTS"), QStringLiteral("DISKETTE LABELS"),
        QStringLiteral("FILE FOLDER LABELS"),      QStringLiteral("INDEX PRODUCTS"), QStringLiteral("MISCELLANEOUS"),
    };
    return types;
}

const QStringList& TLabelStock::ArtNames()
{
    static const QStringList names = {
        QStringLiteral("AV12295"), QStringLiteral("AV12297"), QStringLiteral("AV2180"),  QStringLiteral("AV4160"),
        QStringLiteral("AV4161"),  QStringLiteral("AV4168"),  QStringLiteral("AV4169"),  QStringLiteral("AV4266"),
        QStringLiteral("AV5097"),  QStringLiteral("AV5196"),  QStringLiteral("AV5198"),  QStringLiteral("AV5305"),
        QStringLiteral("AV5385"),  QStringLiteral("AV5386"),  QStringLiteral("AV5391"),  QStringLiteral("AV5766"),
        QStringLiteral("AV5776"),  QStringLiteral("AV5824"),  QStringLiteral("AV5895"),  QStringLiteral("AV5896"),
        QStringLiteral("AV8166"),  QStringLiteral("AVWSD5"),  QStringLiteral("AVWSD8"),  QStringLiteral("AVWSI13"),
        QStringLiteral("AVWSI15"),
    };
    return names;
}
