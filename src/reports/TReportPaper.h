// The paper of a user-defined report, found from the page size stored in its settings block:
// Letter or A4 in either orientation (compared in whole screen pixels), or a custom paper of
// that size. Also the paper description kept in REPORT.DBF's LAYOUT ("A4 Size, Landscape") and
// the shade colour a band's colour and percentage give.
#pragma once

#include <QColor>
#include <QString>

#include <utility>

class TReportPaper {
public:
    enum class TSize { rsLetter, rsA4, rsCustom };

    TSize Size = TSize::rsLetter;
    bool Landscape = false;

    // From the stored page width and height in screen pixels at `pixelsPerInch`.
    static TReportPaper Detect(int width, int height, int pixelsPerInch);
    // Windows paper code: 1 Letter, 9 A4, 0 custom.
    int PaperCode() const;
    // "Letter Size, Portrait", "A4 Size, Landscape", ...; a custom paper reads "Custom Size, ...".
    QString Description() const;
    // Width and height in screen pixels (the shorter side is the width in portrait).
    std::pair<int, int> PagePixels(int pixelsPerInch) const;

    // The painted colour of a shade: per channel c + (100 - p) x (255 - c) / 100.
    static QColor ShadeColor(int colorValue, int percent);
    // A colour value as stored (red + 256 x green + 65536 x blue) and back.
    static QColor FromColorValue(int value);
    static int ToColorValue(const QColor& color);
};
