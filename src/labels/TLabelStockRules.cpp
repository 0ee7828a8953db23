#include "TLabelStockRules.h"

#include <cmath>
#include <utility>

TLabelEntry TLabelEntry::FromStock(const TLabelStock& stock)
{
    TLabelEntry entry;
    entry.LabelWidth = stock.LabelWidth.Value();
    entry.LabelHeight = stock.LabelHeight.Value();
    entry.HorizontalPitch = stock.HorizontalPitch.Value();
    entry.VerticalPitch = stock.VerticalPitch.Value();
    entry.LeftMargin = stock.LeftMargin.Value();
    entry.TopMargin = stock.TopMargin.Value();
    entry.PaperWidth = stock.SheetWidth.Value();
    entry.PaperHeight = stock.SheetDepth.Value();
    entry.Across = stock.Across;
    entry.Down = stock.Down;
    entry.Shape = stock.Shape == QLatin1String("RR") || stock.Shape == QLatin1String("SR") ? stock.Shape
                                                                                             : QStringLiteral("EL");
    return entry;
}

void TLabelStockRules::Validate(const TLabelStock& stock)
{
    if (stock.LabelHeight < 0.3_in)
        throw EValid(QStringLiteral("Label Height must be at least .3 inches (or 7mm)"));
    if (stock.LabelWidth < 0.5_in)
        throw EValid(QStringLiteral("Label Width must be at least .5 inch (or 13mm)"));
    if (stock.Across >= 2 && stock.LabelWidth > stock.HorizontalPitch)
        throw EValid(QStringLiteral("Horizontal Pitch must be at least = Label Width"));
    if (stock.Down >= 2 && stock.LabelHeight > stock.VerticalPitch)
        throw EValid(QStringLiteral("Vertical Pitch must be at least = Label Height"));
    if (stock.SheetWidth < 0.3_in)
        throw EValid(QStringLiteral("Page Width must be at least .3 inch"));
    if (stock.SheetDepth < 0.3_in)
        throw EValid(QStringLiteral("Page Height must be at least .3 inches"));
    // The columns are N 6.3: 100 inches or more would be stored as asterisks and read back as 0.
    const std::pair<const char*, TInches> lengths[] = {
        {"Label Width", stock.LabelWidth},   {"Label Height", stock.LabelHeight},     {"Horizontal Pitch", stock.HorizontalPitch},
        {"Vertical Pitch", stock.VerticalPitch}, {"Left Margin", stock.LeftMargin},   {"Top Margin", stock.TopMargin},
        {"Page Width", stock.SheetWidth},    {"Page Height", stock.SheetDepth}};
    for (const auto& [name, length] : lengths)
        if (std::round(length.Value() * 1000.0) >= MaximumThousandths)
            throw EValid(QStringLiteral("%1 must be less than 100 inches (or 2540mm)").arg(QLatin1String(name)));
}

TLabelStock TLabelStockRules::ApplyEntry(const TLabelStock& stock, const TLabelEntry& entry)
{
    TLabelStock result = stock;
    result.Across = entry.Across;
    result.Down = entry.Down;
    result.LabelWidth = ToInches(entry.LabelWidth, entry.Unit);
    result.LabelHeight = ToInches(entry.LabelHeight, entry.Unit);
    result.HorizontalPitch = ToInches(entry.HorizontalPitch, entry.Unit);
    result.VerticalPitch = ToInches(entry.VerticalPitch, entry.Unit);
    result.LeftMargin = ToInches(entry.LeftMargin, entry.Unit);
    result.TopMargin = ToInches(entry.TopMargin, entry.Unit);
    result.SheetWidth = ToInches(entry.PaperWidth, entry.Unit);
    result.SheetDepth = ToInches(entry.PaperHeight, entry.Unit);
    if (!entry.PaperSize.isEmpty())
        result.PaperSize = entry.PaperSize;
    result.Shape = entry.Shape;
    Validate(result);
    result.TemplateName.clear();
    result.PrinterKind.clear();
    result.ProductType.clear();
    result.Art.clear();
    result.Manufacturer = QStringLiteral("USER");
    result.MiddleExtraX = TInches();
    result.MiddleExtraY = TInches();
    return result;
}

TLabelStock TLabelStockRules::StockFromValues(const QString& values)
{
    const QStringList parts = values.split(u',');
    if (parts.size() != 9)
        throw EValid(QStringLiteral("A stock takes nine values: W,H,ACROSS,DOWN,TOP,LEFT,HPITCH,VPITCH,PAPER"));
    double numbers[8] = {};
    const char* const names[8] = {"W", "H", "ACROSS", "DOWN", "TOP", "LEFT", "HPITCH", "VPITCH"};
    for (int i = 0; i < 8; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toDouble(&ok);
        if (!ok || numbers[i] < 0 || !std::isfinite(numbers[i]))
            throw EValid(QStringLiteral("%1 is not a length or count: %2").arg(QLatin1String(names[i]), parts[i]));
    }
    const auto count = [&](int i, int highest) {
        if (numbers[i] != std::floor(numbers[i]) || numbers[i] < 1 || numbers[i] > highest)
            throw EValid(QStringLiteral("%1 must be a whole number from 1 to %2").arg(QLatin1String(names[i])).arg(highest));
        return int(numbers[i]);
    };
    TLabelEntry entry;
    entry.LabelWidth = numbers[0];
    entry.LabelHeight = numbers[1];
    entry.Across = count(2, 10);
    entry.Down = count(3, 30);
    entry.TopMargin = numbers[4];
    entry.LeftMargin = numbers[5];
    entry.HorizontalPitch = numbers[6];
    entry.VerticalPitch = numbers[7];
    entry.PaperSize = parts[8].trimmed().toUpper();
    if (!Preset(entry.PaperSize, TLengthUnit::luInches, entry.PaperWidth, entry.PaperHeight))
        throw EValid(QStringLiteral("PAPER must be LTR, LTRL, A4, A4L or A5, not %1").arg(parts[8].trimmed()));
    entry.Shape = QStringLiteral("RR");
    return ApplyEntry(TLabelStock::NewStock(), entry);
}

double TLabelStockRules::FromInches(TInches length, TLengthUnit unit)
{
    return unit == TLengthUnit::luMillimetres ? length.Value() * MillimetresPerInch : length.Value();
}

TInches TLabelStockRules::ToInches(double value, TLengthUnit unit)
{
    return RoundToThousandths(TInches(unit == TLengthUnit::luMillimetres ? value / MillimetresPerInch : value));
}

QString TLabelStockRules::Format(double value, TLengthUnit unit)
{
    if (unit == TLengthUnit::luMillimetres)
        return QString::number(std::llround(value));
    QString text = QString::number(std::round(value * 1000.0) / 1000.0, 'f', 3);
    while (text.endsWith(u'0') && !text.endsWith(QLatin1String(".0")))
        text.chop(1);
    return text;
}

bool TLabelStockRules::Preset(const QString& paperCode, TLengthUnit unit, double& width, double& height)
{
    const TLabelPaperSize* paper = TLabelStock::FindPaperSize(paperCode);
    if (!paper || paper->UserDefined)
        return false;
    if (unit == TLengthUnit::luInches) {
        width = paper->Width.Value();
        height = paper->Height.Value();
        return true;
    }
    // The millimetre presets are the inch pages at 25.4 (the A sizes as the inch table rounds them).
    double shortSide = 215.9, longSide = 279.4;
    if (paper->Code.startsWith(QLatin1String("A4"))) {
        shortSide = 210.058;
        longSide = 296.926;
    } else if (paper->Code == QLatin1String("A5")) {
        shortSide = 147.828;
        longSide = 210.058;
    }
    width = paper->Landscape ? longSide : shortSide;
    height = paper->Landscape ? shortSide : longSide;
    return true;
}
