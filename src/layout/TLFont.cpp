#include "TLFont.h"

#include "TLStreamWriter.h"
#include "TLValueRead.h"
#include "TLayoutUnits.h"
#include "TLSymbolFonts.h"

#include "output/TBaseReport.h"

#include <algorithm>
#include <cmath>

TLFont TLFont::Make(const QString& name, int points, unsigned style)
{
    TLFont font;
    font.SetName(name);
    font.SetPointSize(points);
    font.Style = style;
    return font;
}

namespace {

// A stored height from a damaged file may be anything; drawing keeps to sizes a font can have.
constexpr int kLargestPixels = 2000;

int DrawnHeight(int height) { return std::clamp(height, -kLargestPixels, kLargestPixels); }

} // namespace

int TLFont::PointSize() const { return TLayoutUnits::PointsFromFontHeight(DrawnHeight(Height)); }

void TLFont::SetPointSize(int points) { Height = TLayoutUnits::FontHeightFromPoints(points); }

QFont TLFont::ToQFont(double zoom) const
{
    QFont font(TLSymbolFonts::DrawingFamily(Name));
    double pixels = std::abs(DrawnHeight(Height));
    if (zoom != 1.0)
        pixels = std::trunc(PointSize() * zoom) * TLayoutUnits::PixelsPerInch() / 72.0;
    font.setPixelSize(std::clamp(int(std::lround(pixels)), 1, kLargestPixels * 8));
    font.setBold(Style & fsBold);
    font.setItalic(Style & fsItalic);
    font.setUnderline(Style & fsUnderline);
    font.setStrikeOut(Style & fsStrikeOut);
    if (Pitch == TFontPitch::fpFixed)
        font.setFixedPitch(true);
    return font;
}

QFont TLFont::DialogFont() const
{
    QFont font(Name);
    font.setPointSize(std::max(1, PointSize()));
    font.setBold(Style & fsBold);
    font.setItalic(Style & fsItalic);
    font.setUnderline(Style & fsUnderline);
    font.setStrikeOut(Style & fsStrikeOut);
    return font;
}

TLFont TLFont::FromQFont(const QFont& font, TColor color)
{
    const int points = font.pointSize() > 0
        ? font.pointSize()
        : TLayoutUnits::PointsFromFontHeight(-std::max(1, font.pixelSize()));
    TLFont result = Make(font.family(), std::max(1, points),
                         (font.bold() ? fsBold : 0u) | (font.italic() ? fsItalic : 0u)
                             | (font.underline() ? fsUnderline : 0u) | (font.strikeOut() ? fsStrikeOut : 0u));
    result.Color = color;
    if (font.fixedPitch())
        result.Pitch = TFontPitch::fpFixed;
    return result;
}

void TLFont::ApplyTo(TBaseReport& report, const QFont& drawn) const
{
    const TFontOp& current = report.Font();
    const double points = drawn.pixelSize() * 72.0 / TLayoutUnits::PixelsPerInch();
    if (current.Family != drawn.family() || current.PointSize != points)
        report.SetFont(drawn.family(), points);
    const bool bold = Style & fsBold, italic = Style & fsItalic, underline = Style & fsUnderline,
               strikeOut = Style & fsStrikeOut;
    if (current.Bold != bold || current.Italic != italic || current.Underline != underline || current.StrikeOut != strikeOut)
        report.SetFontStyle(bold, italic, underline, strikeOut);
    if (report.Font().Color != QtColor())
        report.SetFontColor(QtColor());
}

void TLFont::Write(TLStreamWriter& writer) const
{
    writer.Color("Font.Color", Color);
    writer.Integer("Font.Height", Height);
    if (!Name.isEmpty())
        writer.String("Font.Name", Name);
    if (Pitch != TFontPitch::fpDefault)
        writer.Ident("Font.Pitch", kFontPitchNames, int(Pitch));
    writer.Set("Font.Style", kFontStyleNames, Style);
}

bool TLFont::Read(const QByteArray& name, const TLValue& value)
{
    using namespace TLValueRead;
    if (name == "Color")
        Color = TLValueRead::Color(value);
    else if (name == "Height")
        Height = Integer(value);
    else if (name == "Name") {
        // An empty face name chooses no font: the default face stays, so what is read writes
        // back the same way every time.
        if (const QString face = String(value); !face.isEmpty())
            SetName(face);
    }
    else if (name == "Pitch")
        Pitch = EnumOf<TFontPitch>(value, kFontPitchNames);
    else if (name == "Style")
        Style = Set(value, kFontStyleNames);
    else
        return false;
    return true;
}

Qt::PenStyle TLPen::QtStyle() const
{
    switch (Style) {
    case TPenStyleValue::psDash: return Qt::DashLine;
    case TPenStyleValue::psDot: return Qt::DotLine;
    case TPenStyleValue::psDashDot: return Qt::DashDotLine;
    case TPenStyleValue::psDashDotDot: return Qt::DashDotDotLine;
    case TPenStyleValue::psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

void TLPen::Write(TLStreamWriter& writer) const
{
    if (Color != clBlack)
        writer.Color("Pen.Color", Color);
    if (Mode != TPenModeValue::pmCopy)
        writer.Ident("Pen.Mode", kPenModeNames, int(Mode));
    if (Style != TPenStyleValue::psSolid)
        writer.Ident("Pen.Style", kPenStyleNames, int(Style));
    if (Width != 1)
        writer.Integer("Pen.Width", Width);
}

bool TLPen::Read(const QByteArray& name, const TLValue& value)
{
    using namespace TLValueRead;
    if (name == "Color")
        Color = TLValueRead::Color(value);
    else if (name == "Mode")
        Mode = EnumOf<TPenModeValue>(value, kPenModeNames);
    else if (name == "Style")
        Style = EnumOf<TPenStyleValue>(value, kPenStyleNames);
    else if (name == "Width")
        Width = Integer(value);
    else
        return false;
    return true;
}

Qt::BrushStyle TLBrush::QtStyle() const
{
    switch (Style) {
    case TBrushStyleValue::bsClear: return Qt::NoBrush;
    case TBrushStyleValue::bsHorizontal: return Qt::HorPattern;
    case TBrushStyleValue::bsVertical: return Qt::VerPattern;
    case TBrushStyleValue::bsFDiagonal: return Qt::FDiagPattern;
    case TBrushStyleValue::bsBDiagonal: return Qt::BDiagPattern;
    case TBrushStyleValue::bsCross: return Qt::CrossPattern;
    case TBrushStyleValue::bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}

void TLBrush::Write(TLStreamWriter& writer) const
{
    if (Color != clWhite)
        writer.Color("Brush.Color", Color);
    if (Style != TBrushStyleValue::bsSolid)
        writer.Ident("Brush.Style", kBrushStyleNames, int(Style));
}

bool TLBrush::Read(const QByteArray& name, const TLValue& value)
{
    using namespace TLValueRead;
    if (name == "Color")
        Color = TLValueRead::Color(value);
    else if (name == "Style")
        Style = EnumOf<TBrushStyleValue>(value, kBrushStyleNames);
    else
        return false;
    return true;
}
