#include "TLImage.h"

#include "TLStreamWriter.h"
#include "TLValueRead.h"

#include "output/TBaseReport.h"

#include <QPainter>

void TLImage::SetAutoSize(bool autoSize)
{
    AutoSizing = autoSize;
    ApplyAutoSize();
    NotifyChanged();
}

void TLImage::SetPicture(const TLPicture& picture)
{
    Picture = picture;
    ApplyAutoSize();
}

void TLImage::ApplyAutoSize()
{
    if (!AutoSizing || Picture.Empty() || Reading)
        return;
    const QSize size = Picture.Size();
    if (size.width() > 0 && size.height() > 0)
        SetBounds(Left(), Top(), size.width(), size.height());
}

void TLImage::Paint(QPainter& painter)
{
    const QRectF area(0, 0, Width() * Zoom(), Height() * Zoom());
    painter.save();
    if (Picture.Empty()) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    } else {
        Picture.Draw(painter, area, Flip, Reverse);
    }
    if (BorderStyle == TBorderStyle::bsSingle) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

void TLImage::Print(TBaseReport& report, TInches x, TInches y)
{
    if (Picture.Empty() || (Picture.IsBitmap() && Picture.Image().isNull()))
        return;
    const TInchRect rect = PrintRect(x, y);
    if (Picture.IsBitmap()) {
        report.StretchDraw(rect, Picture.Mirrored(Flip, Reverse));
    } else {
        QPicture drawn;
        QPainter painter(&drawn);
        Picture.Draw(painter, QRectF(0, 0, Width(), Height()));
        painter.end();
        report.StretchPicture(rect, drawn, QRectF(0, 0, Width(), Height()));
    }
    if (BorderStyle == TBorderStyle::bsSingle) {
        report.SetPen(Qt::black, Qt::SolidLine, 1, TPenMode::pmCopy);
        report.SetBrush(Qt::white, Qt::NoBrush);
        report.Rectangle(rect);
    }
}

void TLImage::WriteProperties(TLStreamWriter& writer) const
{
    TLGraphicControl::WriteProperties(writer);
    if (AutoSizing)
        writer.Boolean("AutoSize", true);
    writer.Ident("BorderStyle", kBorderStyleNames, int(BorderStyle));
    if (!Picture.Empty())
        writer.Binary("Picture.Data", Picture.StreamData());
    if (AutoSizing)
        writer.Boolean("Stretch", false);
    writer.Boolean("Reverse", Reverse);
    writer.Boolean("Flip", Flip);
}

bool TLImage::ReadProperty(const QByteArray& name, const TLValue& value)
{
    using namespace TLValueRead;
    if (name == "AutoSize")
        AutoSizing = Boolean(value);
    else if (name == "Stretch")
        AutoSizing = !Boolean(value);
    else if (name == "BorderStyle")
        BorderStyle = EnumOf<TBorderStyle>(value, kBorderStyleNames);
    else if (name == "Picture.Data") {
        if (value.Type == TLValueType::vaNil)
            Picture.Clear();
        else if (value.Type != TLValueType::vaBinary)
            Invalid();
        else
            Picture = TLPicture::FromStreamData(value.Bytes);
    } else if (name == "Reverse")
        Reverse = Boolean(value);
    else if (name == "Flip")
        Flip = Boolean(value);
    else
        return TLGraphicControl::ReadProperty(name, value);
    return true;
}
