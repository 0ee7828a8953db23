#include "TLLabelShapes.h"

#include "TLStreamWriter.h"
#include "TLValueRead.h"
#include "TLayoutUnits.h"

#include "output/TBaseReport.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

void TLLabelShapes::SetTransparent(bool transparent)
{
    Brush.Style = transparent ? TBrushStyleValue::bsClear : TBrushStyleValue::bsSolid;
}

int TLLabelShapes::CornerSize() const { return int(RoundPerc * 0.01 * std::max(Width(), Height())); }

void TLLabelShapes::Paint(QPainter& painter)
{
    const double zoom = Zoom();
    // A damaged layout's pen may be any width; a drawn one keeps to a sensible size.
    int w = int(std::lround(std::clamp(Pen.Width, 0, 1000) * zoom));
    if (Pen.Width > 0)
        w = std::max(w, 1);
    const int h = w / 2;
    const int width = int(std::lround(Width() * zoom)), height = int(std::lround(Height() * zoom));
    // Windows rectangles exclude their right and bottom edges.
    const QRect area(QPoint(h, h), QPoint(width + h - w + 1 - 1, height + h - w + 1 - 1));
    painter.save();
    if (w > 0 && Pen.Style != TPenStyleValue::psClear)
        painter.setPen(QPen(TLNames::ToQColor(Pen.Color), w, Pen.QtStyle()));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(TLNames::ToQColor(Brush.Color), Brush.QtStyle()));
    if (IsRound()) {
        const double c = std::trunc(RoundPerc * 0.01 * std::max(width, height));
        painter.drawRoundedRect(area, c / 2, c / 2);
    } else if (IsEllipse()) {
        painter.drawEllipse(area);
    } else {
        painter.drawRect(area);
    }
    painter.restore();
}

void TLLabelShapes::Print(TBaseReport& report, TInches x, TInches y)
{
    const int hundredths = int(std::trunc(Pen.Width / double(TLayoutUnits::PixelsPerInch()) * 100));
    report.SetPen(TLNames::ToQColor(Pen.Color), Pen.QtStyle(), -hundredths, TPenMode::pmCopy);
    report.SetBrush(TLNames::ToQColor(Brush.Color), Brush.QtStyle());
    const TInchRect rect = PrintRect(x, y);
    if (IsRound()) {
        const TInches corner = std::max(rect.Width(), rect.Height()) * (RoundPerc * 0.01);
        report.RoundRect(rect, corner, corner);
    } else if (IsEllipse()) {
        report.Ellipse(rect);
    } else {
        report.Rectangle(rect);
    }
}

void TLLabelShapes::WriteProperties(TLStreamWriter& writer) const
{
    TLGraphicControl::WriteProperties(writer);
    writer.Boolean("Transparent", Transparent());
    Brush.Write(writer);
    Pen.Write(writer);
    if (RoundPerc != 25)
        writer.Integer("RoundPerc", RoundPerc);
    if (Shape != TShapeType::stRectangle)
        writer.Ident("Shape", kShapeTypeNames, int(Shape));
}

bool TLLabelShapes::ReadProperty(const QByteArray& name, const TLValue& value)
{
    if (name.startsWith("Pen."))
        return Pen.Read(name.mid(4), value);
    if (name.startsWith("Brush."))
        return Brush.Read(name.mid(6), value);
    if (name == "Transparent")
        SetTransparent(TLValueRead::Boolean(value));
    else if (name == "RoundPerc")
        RoundPerc = TLValueRead::Integer(value);
    else if (name == "Shape")
        Shape = TLValueRead::EnumOf<TShapeType>(value, kShapeTypeNames);
    else
        return TLGraphicControl::ReadProperty(name, value);
    return true;
}
