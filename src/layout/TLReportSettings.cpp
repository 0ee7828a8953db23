#include "TLReportSettings.h"

#include "TLStreamReader.h"
#include "TLStreamWriter.h"
#include "TLValueRead.h"
#include "TLayoutUnits.h"

#include <cmath>

TLReportSettings::TLReportSettings()
{
    const int ppi = TLayoutUnits::PixelsPerInch();
    PageWidth = int(std::lround(8.5 * ppi));
    PageHeight = 11 * ppi;
    LeftMargin = TopMargin = RightMargin = BottomMargin = int(std::lround(0.5 * ppi));
}

int TLReportSettings::ToThousandths(int pixels)
{
    return int(std::trunc(double(pixels) / TLayoutUnits::PixelsPerInch() * 1000.0));
}

int TLReportSettings::FromThousandths(int thousandths)
{
    return int(std::lround(thousandths * 0.001 * TLayoutUnits::PixelsPerInch()));
}

void TLReportSettings::Write(TLStreamWriter& writer) const
{
    writer.WriteListStart();
    for (int length : {PageWidth, PageHeight, LeftMargin, TopMargin, RightMargin, BottomMargin, HeaderHeight,
                       DetailHeight, FooterHeight})
        writer.IntegerValue(ToThousandths(length));
    for (bool use : {UseHeader, UseDetail, UseMemo, UseFooter})
        writer.BooleanValue(use);
    writer.StringValue(MemoFontName);
    writer.IntegerValue(MemoFontSize);
    writer.BooleanValue(MemoBold);
    writer.BooleanValue(MemoItalic);
    writer.IntegerValue(MemoAlignment);
    writer.StringValue(DefaultFontName);
    writer.IntegerValue(DefaultFontSize);
    writer.BooleanValue(DefaultBold);
    writer.BooleanValue(DefaultItalic);
    for (const TLBandFrame& band : Bands) {
        for (bool side : {band.Left, band.Top, band.Right, band.Bottom})
            writer.BooleanValue(side);
        writer.IntegerValue(band.LineWidth);
        writer.IntegerValue(band.ShadePercent);
        writer.IntegerValue(band.ShadeColor);
    }
    writer.WriteListEnd();
}

std::vector<TLValue> TLReportSettings::ReadValues(TLStreamReader& reader)
{
    reader.ReadListStart();
    std::vector<TLValue> values;
    while (!reader.EndOfList())
        values.push_back(reader.ReadValue());
    return values;
}

void TLReportSettings::Read(TLStreamReader& reader) { FromValues(ReadValues(reader)); }

void TLReportSettings::FromValues(const std::vector<TLValue>& values)
{
    using namespace TLValueRead;
    if (values.size() != 50)
        Invalid();
    TLReportSettings read = *this;
    size_t next = 0;
    auto integer = [&] { return Integer(values[next++]); };
    auto boolean = [&] { return Boolean(values[next++]); };
    auto string = [&] { return String(values[next++]); };
    for (int* length : {&read.PageWidth, &read.PageHeight, &read.LeftMargin, &read.TopMargin, &read.RightMargin,
                        &read.BottomMargin, &read.HeaderHeight, &read.DetailHeight, &read.FooterHeight})
        *length = FromThousandths(integer());
    for (bool* use : {&read.UseHeader, &read.UseDetail, &read.UseMemo, &read.UseFooter})
        *use = boolean();
    read.MemoFontName = string();
    read.MemoFontSize = integer();
    read.MemoBold = boolean();
    read.MemoItalic = boolean();
    read.MemoAlignment = integer();
    read.DefaultFontName = string();
    read.DefaultFontSize = integer();
    read.DefaultBold = boolean();
    read.DefaultItalic = boolean();
    for (TLBandFrame& band : read.Bands) {
        for (bool* side : {&band.Left, &band.Top, &band.Right, &band.Bottom})
            *side = boolean();
        band.LineWidth = integer();
        band.ShadePercent = integer();
        band.ShadeColor = integer();
    }
    *this = read;
}

const std::array<QString, 50>& TLReportSettings::ValueNames()
{
    static const std::array<QString, 50> names = [] {
        std::array<QString, 50> list;
        const char* fixed[] = {"PageWidth", "PageHeight", "LeftMargin", "TopMargin", "RightMargin", "BottomMargin",
                               "HeaderHeight", "DetailHeight", "FooterHeight", "UseHeader", "UseDetail", "UseMemo",
                               "UseFooter", "MemoFontName", "MemoFontSize", "MemoBold", "MemoItalic", "MemoAlignment",
                               "DefaultFontName", "DefaultFontSize", "DefaultBold", "DefaultItalic"};
        size_t i = 0;
        for (const char* name : fixed)
            list[i++] = QString::fromLatin1(name);
        for (const char* band : {"Header", "Detail", "Memo", "Footer"})
            for (const char* value : {"Left", "Top", "Right", "Bottom", "LineWidth", "ShadePercent", "ShadeColor"})
                list[i++] = QString::fromLatin1(band) + u'.' + QString::fromLatin1(value);
        return list;
    }();
    return names;
}
