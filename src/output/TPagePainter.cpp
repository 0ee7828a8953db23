#include "TPagePainter.h"

#include "TPictureReplayDevice.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

TPagePainter::TPagePainter(QPainter& painter, double dotsPerInchX, double dotsPerInchY, TInchPoint origin)
    : Painter(painter), DpiX(dotsPerInchX), DpiY(dotsPerInchY), Origin(origin)
{
    ShapePen = QPen(Qt::black, PenPixels(TInches(), DpiX));
    Painter.setPen(ShapePen);
    Painter.setBrush(Qt::white);
    Painter.setRenderHint(QPainter::Antialiasing, true);
    Painter.setRenderHint(QPainter::TextAntialiasing, true);
    Painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

double TPagePainter::PenPixels(TInches width, double dotsPerInch)
{
    return std::max(1.0, std::round(width.ToDevice(dotsPerInch)));
}

void TPagePainter::PlayPage(const TDisplayList& page, bool paintBackground)
{
    if (paintBackground) {
        const TInchRect sheet{TInches(), TInches(), page.PageWidth(), page.PageHeight()};
        Painter.fillRect(Device(sheet), Qt::white);
    }
    for (const TDisplayOp& op : page.Operations())
        Play(op);
}

void TPagePainter::Play(const TDisplayOp& op)
{
    std::visit([this](const auto& typed) {
        using T = std::decay_t<decltype(typed)>;
        if constexpr (std::is_same_v<T, TFontOp> || std::is_same_v<T, TPenOp> || std::is_same_v<T, TBrushOp>)
            Apply(typed);
        else
            Draw(typed);
    }, op);
}

QPointF TPagePainter::Device(TInchPoint point) const
{
    return QPointF((point.X - Origin.X).ToDevice(DpiX), (point.Y - Origin.Y).ToDevice(DpiY));
}

QRectF TPagePainter::Device(const TInchRect& rect) const
{
    return rect.ToDevice(DpiX, DpiY, Origin);
}

void TPagePainter::Apply(const TFontOp& op)
{
    // A point is 1/72 inch on the sheet whatever the device claims as its own resolution.
    const int deviceDpi = Painter.device() ? Painter.device()->logicalDpiY() : 72;
    TextFont = QFont(op.Family);
    TextFont.setPointSizeF(std::max(0.1, op.PointSize * DpiY / deviceDpi));
    TextFont.setBold(op.Bold);
    TextFont.setItalic(op.Italic);
    TextFont.setUnderline(op.Underline);
    TextFont.setStrikeOut(op.StrikeOut);
    TextColor = op.Color;
}

void TPagePainter::Apply(const TPenOp& op)
{
    ShapePen = QPen(op.Color, PenPixels(op.Width, DpiX), op.Style, Qt::SquareCap, Qt::MiterJoin);
    Painter.setPen(ShapePen);
    switch (op.Mode) {
    case TPenMode::pmCopy: Painter.setCompositionMode(QPainter::CompositionMode_SourceOver); break;
    case TPenMode::pmXor: Painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    case TPenMode::pmNot: Painter.setCompositionMode(QPainter::RasterOp_NotDestination); break;
    }
}

void TPagePainter::Apply(const TBrushOp& op)
{
    Painter.setBrush(QBrush(op.Color, op.Style));
}

void TPagePainter::Draw(const TTextOp& op)
{
    Painter.setFont(TextFont);
    Painter.setPen(TextColor);
    QPointF anchor = Device(op.Anchor);
    if (op.Align != TTextAlign::taLeft) {
        const double width = QFontMetricsF(TextFont, Painter.device()).horizontalAdvance(op.Text);
        anchor.rx() -= op.Align == TTextAlign::taCenter ? width / 2 : width;
    }
    Painter.drawText(anchor, op.Text);
    Painter.setPen(ShapePen);
}

void TPagePainter::Draw(const TClippedTextOp& op)
{
    Painter.save();
    Painter.setClipRect(Device(op.Clip), Qt::IntersectClip);
    Painter.setFont(TextFont);
    Painter.setPen(TextColor);
    Painter.drawText(Device(op.Start), op.Text);
    Painter.restore();
}

void TPagePainter::Draw(const TRectOp& op)
{
    Painter.drawRect(Device(op.Rect));
}

void TPagePainter::Draw(const TRoundRectOp& op)
{
    // The corner is given as the size of the ellipse that rounds it; Qt wants its radii.
    Painter.drawRoundedRect(Device(op.Rect), op.CornerWidth.ToDevice(DpiX) / 2, op.CornerHeight.ToDevice(DpiY) / 2);
}

void TPagePainter::Draw(const TEllipseOp& op)
{
    Painter.drawEllipse(Device(op.Rect));
}

void TPagePainter::Draw(const TLineOp& op)
{
    Painter.drawLine(Device(op.From), Device(op.To));
}

void TPagePainter::Draw(const TFillRectOp& op)
{
    Painter.fillRect(Device(op.Rect), op.Color);
}

void TPagePainter::Draw(const TImageOp& op)
{
    Painter.drawImage(Device(op.Rect), op.Image);
}

void TPagePainter::Draw(const TPictureOp& op)
{
    const QRectF frame = op.Frame.isEmpty() ? QRectF(op.Picture.boundingRect()) : op.Frame;
    if (frame.isEmpty())
        return;
    const QRectF target = Device(op.Rect);
    QTransform transform;
    transform.translate(target.left(), target.top());
    transform.scale(target.width() / frame.width(), target.height() / frame.height());
    transform.translate(-frame.left(), -frame.top());
    Painter.save();
    Painter.setClipRect(target, Qt::IntersectClip);
    TPictureReplayDevice(Painter).Play(op.Picture, transform);
    Painter.restore();
}
