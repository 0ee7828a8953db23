// The font, pen and brush a layout object keeps, with their stored sub-properties
// ("Font.Color", "Pen.Width", ...). A font is kept as stored: its height is minus the character
// height in layout pixels; the point size follows from it.
#pragma once

#include "TLNames.h"
#include "TLStreamValue.h"

#include <QFont>
#include <QPen>

class TBaseReport;
class TLStreamWriter;

enum TLFontStyleBits : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TLFont {
    TColor Color = clBlack;
    int Height = -13;                 // 10 points at 96 layout pixels per inch
    QString Name = QStringLiteral("Arial");
    TFontPitch Pitch = TFontPitch::fpDefault;
    unsigned Style = 0;               // TLFontStyleBits

    static TLFont Make(const QString& name, int points, unsigned style = 0);
    int PointSize() const;
    void SetPointSize(int points);
    void SetName(const QString& name) { Name = name.left(31); }

    // The font to draw with at `zoom`: trunc(points × zoom) points, as layout pixels.
    QFont ToQFont(double zoom = 1.0) const;
    // The font as a font dialog shows it: the stored name at its point size.
    QFont DialogFont() const;
    // A font chosen in a font dialog, in `color` (the dialog does not choose colours).
    static TLFont FromQFont(const QFont& font, TColor color);
    QColor QtColor() const { return TLNames::ToQColor(Color); }

    // Makes `drawn` (this font as laid out) and this colour the report's font, issuing only
    // the changes, so a long run of texts in one font records it once.
    void ApplyTo(TBaseReport& report, const QFont& drawn) const;

    void Write(TLStreamWriter& writer) const;
    // `name` without the "Font." prefix; false when it is not a font property.
    bool Read(const QByteArray& name, const TLValue& value);
    bool operator==(const TLFont&) const = default;
};

struct TLPen {
    TColor Color = clBlack;
    TPenModeValue Mode = TPenModeValue::pmCopy;
    TPenStyleValue Style = TPenStyleValue::psSolid;
    int Width = 1;

    Qt::PenStyle QtStyle() const;
    void Write(TLStreamWriter& writer) const;
    bool Read(const QByteArray& name, const TLValue& value);
};

struct TLBrush {
    TColor Color = clWhite;
    TBrushStyleValue Style = TBrushStyleValue::bsSolid;

    Qt::BrushStyle QtStyle() const;
    void Write(TLStreamWriter& writer) const;
    bool Read(const QByteArray& name, const TLValue& value);
};
