#include "TEnvelopeSizes.h"

#include <cmath>

namespace {

TEnvelopeSize Size(int code, const char* choice, const char* name, double length, double width)
{
    return {code, QString::fromLatin1(choice), QString::fromLatin1(name), length, width};
}

double Thousandths(double inches) { return std::round(inches * 1000.0) / 1000.0; }

} // namespace

const std::vector<TEnvelopeSize>& TEnvelopeSizes::Table()
{
    // The double blanks of C4, C6, B4, B5 and B6, C5's trailing blank and Monarch's small "x"
    // are part of the texts that setups and users have always seen.
    static const std::vector<TEnvelopeSize> sizes = {
        Size(19, "Envelope #9 3 7/8 x 8 7/8 inches", "ENVELOPE #9 3 7/8 X 8 7/8 INCHES", 8.875, 3.875),
        Size(20, "Envelope #10 4 1/8 x 9 1/2 inches", "ENVELOPE #10 4 1/8 X 9 1/2 INCHES", 9.5, 4.125),
        Size(21, "Envelope #11 4 1/2 x 10 3/8 inches", "ENVELOPE #11 4 1/2 X 10 3/8 INCHES", 10.375, 4.5),
        Size(22, "Envelope #12 4 3/4 x 11 inches", "ENVELOPE #12 4 3/4 X 11 INCHES", 11.0, 4.75),
        Size(23, "Envelope #14 5 x 11 1/2 inches", "ENVELOPE #14 5 X 11 1/2 INCHES", 11.5, 5.0),
        Size(27, "Envelope DL 110 x 220 mm", "ENVELOPE DL 110 X 220 MM", 8.8, 4.4),
        Size(28, "Envelope C5 162 x 229 mm ", "ENVELOPE C5 162 X 229 MM", 9.16, 6.48),
        Size(30, "Envelope C4  229 x 324 mm", "ENVELOPE C4  229 X 324 MM", 12.96, 9.16),
        Size(31, "Envelope C6  114 x 162 mm", "ENVELOPE C6  114 X 162 MM", 6.48, 4.56),
        Size(32, "Envelope C65 114 x 229 mm", "ENVELOPE C65 114 X 229 MM", 9.16, 4.56),
        Size(33, "Envelope B4  250 x 353 mm", "ENVELOPE B4  250 X 353 MM", 14.12, 10.0),
        Size(34, "Envelope B5  176 x 250 mm", "ENVELOPE B5  176 X 250 MM", 10.0, 7.04),
        Size(35, "Envelope B6  176 x 125 mm", "ENVELOPE B6  176 X 125 MM", 5.0, 7.04),
        Size(36, "Envelope 110 x 230 mm", "ENVELOPE 110 X 230 MM", 9.2, 4.4),
        Size(37, "Envelope Monarch 3 7/8 x 7 1/2 inches", "ENVELOPE MONARCH 3 7/8 x 7 1/2 INCHES", 7.5, 3.875),
        Size(38, "6 3/4 Envelope 3 5/8 x 6 1/2 inches", "6 3/4 ENVELOPE 3 5/8 X 6 1/2 INCHES", 6.5, 3.625),
    };
    return sizes;
}

TEnvelopeSize TEnvelopeSizes::Find(int code)
{
    for (const TEnvelopeSize& size : Table())
        if (size.Code == code)
            return size;
    return {code, QString(), QStringLiteral("Unknown"), -1.0, -1.0};
}

TEnvelopeSize TEnvelopeSizes::Custom(double length, double width)
{
    length = Thousandths(length);
    width = Thousandths(width);
    const QString name = QStringLiteral("CUSTOM ") + Inches(length) + QStringLiteral(" X ") + Inches(width) +
                         QStringLiteral(" INCHES");
    return {CustomCode, QLatin1String(CustomChoice), name, length, width};
}

QString TEnvelopeSizes::CustomProblem(double length, double width)
{
    length = Thousandths(length);
    width = Thousandths(width);
    if (!(length >= MinimumLength && length <= MaximumLength))
        return QStringLiteral("The length must be from 3 to 15 inches");
    if (!(width >= MinimumWidth && width <= MaximumWidth))
        return QStringLiteral("The width must be from 2 to 12 inches");
    if (width > length)
        return QStringLiteral("The width cannot be more than the length");
    return {};
}

int TEnvelopeSizes::RowOf(int code)
{
    const std::vector<TEnvelopeSize>& sizes = Table();
    for (size_t row = 0; row < sizes.size(); ++row)
        if (sizes[row].Code == code)
            return int(row);
    return 0;
}
