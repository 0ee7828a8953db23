#include "TReportPaper.h"

#include <algorithm>
#include <cmath>

namespace {

int Round(double value) { return int(std::lround(value)); }

bool Matches(int width, int height, double shortInches, double longInches, int ppi)
{
    const int shortSide = Round(shortInches * ppi);
    const int longSide = Round(longInches * ppi);
    return (width == shortSide && height == longSide) || (width == longSide && height == shortSide);
}

} // namespace

TReportPaper TReportPaper::Detect(int width, int height, int pixelsPerInch)
{
    TReportPaper paper;
    paper.Landscape = width > height;
    if (Matches(width, height, 8.5, 11.0, pixelsPerInch))
        paper.Size = TSize::rsLetter;
    else if (Matches(width, height, 8.27, 11.68, pixelsPerInch))
        paper.Size = TSize::rsA4;
    else
        paper.Size = TSize::rsCustom;
    return paper;
}

int TReportPaper::PaperCode() const
{
    switch (Size) {
    case TSize::rsLetter: return 1;
    case TSize::rsA4: return 9;
    default: return 0;
    }
}

QString TReportPaper::Description() const
{
    const QString size = Size == TSize::rsLetter ? QStringLiteral("Letter") : Size == TSize::rsA4 ? QStringLiteral("A4")
                                                                                                  : QStringLiteral("Custom");
    return size + QStringLiteral(" Size, ") + (Landscape ? QStringLiteral("Landscape") : QStringLiteral("Portrait"));
}

std::pair<int, int> TReportPaper::PagePixels(int pixelsPerInch) const
{
    const bool a4 = Size == TSize::rsA4;
    const int shortSide = Round((a4 ? 8.27 : 8.5) * pixelsPerInch);
    const int longSide = Round((a4 ? 11.68 : 11.0) * pixelsPerInch);
    return Landscape ? std::make_pair(longSide, shortSide) : std::make_pair(shortSide, longSide);
}

QColor TReportPaper::ShadeColor(int colorValue, int percent)
{
    const int p = std::clamp(percent, 0, 100);
    const auto channel = [p](int c) { return c + (100 - p) * (255 - c) / 100; };
    const QColor color = FromColorValue(colorValue);
    return QColor(channel(color.red()), channel(color.green()), channel(color.blue()));
}

QColor TReportPaper::FromColorValue(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int TReportPaper::ToColorValue(const QColor& color) { return color.red() + 256 * color.green() + 65536 * color.blue(); }
