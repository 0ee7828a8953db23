#include "TLLineShape.h"

#include "TLBasePanel.h"
#include "TLStreamWriter.h"
#include "TLValueRead.h"
#include "TLayoutUnits.h"

#include "output/TBaseReport.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

void TLLineShape::StretchToEdges()
{
    if (!Panel())
        return;
    if (LineStyle == TLineStyle::stHorizontal)
        SetBounds(0, Top(), Panel()->Width, Height());
    else if (LineStyle == TLineStyle::stVertical)
        SetBounds(Left(), 0, Width(), Panel()->Height);
}

QLine TLLineShape::ScreenLine(double zoom) const
{
    const int w = int(std::lround(std::clamp(Pen.Width, 0, 1000) * zoom));
    const int h = w / 2;
    const int width = int(std::lround(Width() * zoom)), height = int(std::lround(Height() * zoom));
    switch (LineStyle) {
    case TLineStyle::stVertical: return QLine(h, h, h, h + height - w + 1);
    case TLineStyle::stAngleSlopingUp: return QLine(width, 0, 0, height);
    case TLineStyle::stAngleSlopingDown: return QLine(0, 0, width, height);
    default: return QLine(h, h, width + h - w + 1, h);
    }
}

void TLLineShape::Paint(QPainter& painter)
{
    // A damaged layout's pen may be any width; a drawn one keeps to a sensible size.
    const int w = int(std::lround(std::clamp(Pen.Width, 0, 1000) * Zoom()));
    painter.save();
    painter.setPen(QPen(TLNames::ToQColor(Pen.Color), std::max(w, 1), Pen.QtStyle(), Qt::FlatCap));
    painter.drawLine(ScreenLine(Zoom()));
    painter.restore();
}

void TLLineShape::Print(TBaseReport& report, TInches x, TInches y)
{
    const int w = Pen.Width;
    report.SetPen(TLNames::ToQColor(Pen.Color), Pen.QtStyle(), -w, TPenMode::pmCopy);
    const TInches x1 = TLayoutUnits::ToInches(Left()) + x;
    const TInches x2 = TLayoutUnits::ToInches(Left() + Width()) + x;
    const TInches y1 = TLayoutUnits::ToInches(Top() + w / 2) + y;
    const TInches y2 = TLayoutUnits::ToInches(Top() + Height() + w / 2) + y;
    switch (LineStyle) {
    case TLineStyle::stHorizontal: report.MoveTo(x1, y1); report.LineTo(x2, y1); break;
    case TLineStyle::stVertical: report.MoveTo(x1, y1); report.LineTo(x1, y2); break;
    case TLineStyle::stAngleSlopingUp: report.MoveTo(x1, y2); report.LineTo(x2, y1); break;
    case TLineStyle::stAngleSlopingDown: report.MoveTo(x1, y1); report.LineTo(x2, y2); break;
    }
}

void TLLineShape::WriteProperties(TLStreamWriter& writer) const
{
    TLGraphicControl::WriteProperties(writer);
    if (LineStyle != TLineStyle::stHorizontal)
        writer.Ident("LineStyle", kLineStyleNames, int(LineStyle));
    Pen.Write(writer);
}

bool TLLineShape::ReadProperty(const QByteArray& name, const TLValue& value)
{
    if (name.startsWith("Pen."))
        return Pen.Read(name.mid(4), value);
    if (name == "LineStyle") {
        LineStyle = TLValueRead::EnumOf<TLineStyle>(value, kLineStyleNames);
        return true;
    }
    return TLGraphicControl::ReadProperty(name, value);
}
