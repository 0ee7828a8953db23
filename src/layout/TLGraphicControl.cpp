#include "TLGraphicControl.h"

#include "TLBasePanel.h"
#include "TLStreamWriter.h"
#include "TLValueRead.h"
#include "TLayoutUnits.h"

#include "output/TBaseReport.h"

#include <QPainter>

void TLGraphicControl::SetBounds(int left, int top, int width, int height)
{
    Bounds = QRect(left, top, width, height);
    if (!Reading)
        BoundsChanged();
}

void TLGraphicControl::SetZoom(double factor)
{
    if (factor == ZoomFactor)
        return;
    ZoomFactor = factor;
    BoundsChanged();
}

QRectF TLGraphicControl::ViewRect() const
{
    return QRectF(Bounds.left() * ZoomFactor, Bounds.top() * ZoomFactor, Bounds.width() * ZoomFactor,
                  Bounds.height() * ZoomFactor);
}

bool TLGraphicControl::Printing() const { return Owner && Owner->Printing; }

void TLGraphicControl::NotifyChanged()
{
    if (Owner && !Reading)
        Owner->NotifyChanged();
}

void TLGraphicControl::Paint(QPainter&) {}

void TLGraphicControl::BoundsChanged()
{
    if (InBoundsChanged || Bounds == LastBounds)
        return;
    InBoundsChanged = true;
    const bool moved = !LastBounds.isNull();
    LastBounds = Bounds;
    if (moved)
        NotifyChanged();
    InBoundsChanged = false;
}

void TLGraphicControl::Print(TBaseReport&, TInches, TInches) {}

TInchRect TLGraphicControl::PrintRect(TInches x, TInches y) const
{
    return {TLayoutUnits::ToInches(Left()) + x, TLayoutUnits::ToInches(Top()) + y,
            TLayoutUnits::ToInches(Left() + Width()) + x, TLayoutUnits::ToInches(Top() + Height()) + y};
}

void TLGraphicControl::WriteProperties(TLStreamWriter& writer) const
{
    if (Tag != 0)
        writer.Integer("Tag", Tag);
    writer.Integer("Left", Left());
    writer.Integer("Top", Top());
    writer.Integer("Width", Width());
    writer.Integer("Height", Height());
    if (Cursor != crDefault)
        writer.Cursor("Cursor", Cursor);
    if (!Hint.isEmpty())
        writer.String("Hint", Hint);
    writer.Boolean("Locked", Locked);
    writer.Boolean("Unselectable", Unselectable);
}

bool TLGraphicControl::ReadProperty(const QByteArray& name, const TLValue& value)
{
    using namespace TLValueRead;
    if (name == "Tag")
        Tag = Integer(value);
    else if (name == "Left")
        SetLeft(Integer(value));
    else if (name == "Top")
        SetTop(Integer(value));
    else if (name == "Width")
        SetWidth(Integer(value));
    else if (name == "Height")
        SetHeight(Integer(value));
    else if (name == "Cursor")
        Cursor = TCursor(TLValueRead::Cursor(value));
    else if (name == "Hint")
        Hint = String(value);
    else if (name == "Locked")
        Locked = Boolean(value);
    else if (name == "Unselectable")
        Unselectable = Boolean(value);
    else
        return false;
    return true;
}

QString TLGraphicControl::TrimLeft(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return text.mid(start);
}

QString TLGraphicControl::TrimRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.left(end);
}
