// The settings block at the end of a report layout: page size and margins, band heights, which
// bands print, memo and default fonts, and the outline and shade of each band. Lengths are held
// in layout pixels and stored in thousandths of an inch.
#pragma once

#include "TLStreamValue.h"

#include <QString>

#include <array>
#include <vector>

class TLStreamReader;
class TLStreamWriter;


struct TLBandFrame {
    bool Left = false, Top = false, Right = false, Bottom = false;
    int LineWidth = 0;
    int ShadePercent = 0;
    int ShadeColor = 0;
};

struct TLReportSettings {
    int PageWidth, PageHeight, LeftMargin, TopMargin, RightMargin, BottomMargin;
    int HeaderHeight = 33, DetailHeight = 33, FooterHeight = 33;
    bool UseHeader = true, UseDetail = true, UseMemo = false, UseFooter = false;
    QString MemoFontName = QStringLiteral("Arial");
    int MemoFontSize = 10;
    bool MemoBold = false, MemoItalic = false;
    int MemoAlignment = 0;
    QString DefaultFontName = QStringLiteral("Arial");
    int DefaultFontSize = 10;
    bool DefaultBold = false, DefaultItalic = false;
    std::array<TLBandFrame, 4> Bands;   // header, detail, memo, footer

    TLReportSettings();   // a new report: 8.5 × 11 inches, margins 0.5 inch

    static int ToThousandths(int pixels);
    static int FromThousandths(int thousandths);

    // The settings list: 0x01, the 50 values, 0x00.
    void Write(TLStreamWriter& writer) const;
    void Read(TLStreamReader& reader);
    // The stored values of a settings list, unchecked (what `layout show` prints).
    static std::vector<TLValue> ReadValues(TLStreamReader& reader);
    // Takes the 50 values; "Invalid property value" for a list of another length or type.
    void FromValues(const std::vector<TLValue>& values);
    // The names of the 50 values in stored order (PageWidth ... Footer.ShadeColor).
    static const std::array<QString, 50>& ValueNames();
};
