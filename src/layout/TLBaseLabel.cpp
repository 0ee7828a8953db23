#include "TLBaseLabel.h"

#include "TLStreamWriter.h"
#include "TLSymbolFonts.h"
#include "TLValueRead.h"
#include "TLayoutUnits.h"

#include "output/TBaseReport.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPicture>

#include <cmath>

namespace {

// Windows text metrics as a font reports them: cell height, internal and external leading.
int LineHeightOf(const QFontMetrics& metrics, const QFont& font)
{
    const int cell = metrics.height();
    const int internal = std::max(0, cell - font.pixelSize());
    return metrics.leading() + internal + cell;
}

} // namespace

void TLBaseLabel::SetAngle(int angle)
{
    if (angle != 0 && angle != 90 && angle != 180 && angle != 270)
        return;
    Rotation = angle;
    Stale = true;
    if (angle != 0)
        Alignment = TAlignment::taLeftJustify;
    const bool upright = angle == 90 || angle == 270;
    if (!Reading && ((upright && Width() > Height()) || (!upright && Height() > Width())))
        SetBounds(Left(), Top(), Height(), Width());
}

void TLBaseLabel::SetCaption(const QString& caption)
{
    if (caption == Caption)
        return;
    Caption = caption;
    Stale = true;
}

void TLBaseLabel::SetAlignment(TAlignment alignment)
{
    Alignment = alignment;
    Stale = true;
}

QPoint TLBaseLabel::ShadowOffset() const
{
    const int d = DepthShadow;
    switch (DirectionShadow) {
    case TShadowDirection::sdRight: return {d, 0};
    case TShadowDirection::sdLeft: return {-d, 0};
    case TShadowDirection::sdDownRight: return {d, d};
    case TShadowDirection::sdDownLeft: return {-d, d};
    case TShadowDirection::sdDown: return {0, d};
    default: return {0, 0};
    }
}

QPoint TLBaseLabel::HighlightOffset() const
{
    const int d = DepthHighlight;
    switch (DirectionHighlight) {
    case THighlightDirection::hdright: return {d, 0};
    case THighlightDirection::hdLeft: return {-d, 0};
    case THighlightDirection::hdUpRight: return {d, -d};
    case THighlightDirection::hdUpLeft: return {-d, -d};
    case THighlightDirection::hdUp: return {0, -d};
    default: return {0, 0};
    }
}

TLTextLayout TLBaseLabel::Compute(double zoom, int width, int height) const
{
    const QFont font = Font.ToQFont(zoom);
    const QFontMetrics metrics(font);
    TLTextLayout layout;
    layout.DrawingFont = font;
    layout.Ascent = metrics.ascent();
    const QString drawn = TLSymbolFonts::DrawingText(Font.Name, Caption);
    layout.LineHeight = LineHeightOf(metrics, font);
    layout.TextWidth = metrics.horizontalAdvance(drawn + u' ');
    const int L = layout.LineHeight;
    const int T = layout.TextWidth;
    const QPoint s = ShadowOffset(), h = HighlightOffset();
    int ox = s.x() < 0 ? -s.x() : 0;
    if (h.x() < 0 && -h.x() > ox)
        ox = -h.x();
    int oy = s.y() < 0 ? -s.y() : 0;
    if (h.y() < 0 && -h.y() > oy)
        oy = -h.y();
    (void)T;

    // Rectangles are kept as Windows keeps them: right and bottom are exclusive edges.
    int left, top, right, bottom;
    if (Rotation == 0 || Rotation == 180) {
        left = ox, top = oy, right = width, bottom = L + oy;
    } else {
        left = oy, top = ox, right = oy + L, bottom = height - oy;
    }
    const int mh = bottom - top + 1, mw = right - left + 1;
    if (Rotation == 90) {
        top += height - mh + h.x();
        bottom += height - mh + h.x();
    } else if (Rotation == 180) {
        left += width - mw - s.y();
        right += width - mw - s.y();
    }
    auto rect = [](int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r - 1, b - 1)); };
    layout.Main = rect(left, top, right, bottom);
    auto moved = [&](QPoint offset) {
        QPoint by;
        switch (Rotation) {
        case 90: by = {offset.y(), -offset.x()}; break;
        case 180: by = {-offset.x(), -offset.y()}; break;
        case 270: by = {-offset.y(), offset.x()}; break;
        default: by = offset;
        }
        return rect(left + by.x(), top + by.y(), right + by.x(), bottom + by.y());
    };
    layout.Shadow = moved(s);
    layout.Highlight = moved(h);
    auto origin = [this](const QRect& r) {
        const int l = r.left(), t = r.top(), rr = r.right() + 1, b = r.bottom() + 1;
        switch (Rotation) {
        case 90: return QPoint(l, b);
        case 180: return QPoint(rr, b);
        case 270: return QPoint(rr, t);
        default: return QPoint(l, t);
        }
    };
    layout.MainOrigin = origin(layout.Main);
    layout.ShadowOrigin = origin(layout.Shadow);
    layout.HighlightOrigin = origin(layout.Highlight);
    if (Rotation == 0) {
        const int mLeft = layout.Main.left(), mRight = layout.Main.right() + 1;
        int x = mLeft;
        if (Alignment == TAlignment::taRightJustify)
            x = mRight - T;
        else if (Alignment == TAlignment::taCenter)
            x = (mRight - mLeft) / 2 - T / 2;
        layout.MainOrigin.setX(x);
        layout.HighlightOrigin.setX(x + h.x());
        layout.ShadowOrigin.setX(x + s.x());
    }
    return layout;
}

bool TLBaseLabel::ApplySizeLimits(const TLTextLayout& probe)
{
    const int T = probe.TextWidth, L = probe.LineHeight;
    const int F = L + ShadowOffset().y() - HighlightOffset().y();
    int w = Width(), h = Height();
    if (Rotation == 0 || Rotation == 180) {
        if (Rotation == 180 && w > 2 * T)
            w = 2 * T;
        if (w <= 5)
            w = T;
        if (h > 1.2 * F)
            h = int(1.2 * F);
        if (h < F)
            h = F;
    } else {
        if (h > 1.2 * T)
            h = int(1.2 * T);
        if (h < 5)
            h = T;
        if (w > 1.2 * F)
            w = int(1.2 * F);
        if (w < F)
            w = F;
    }
    if (w == Width() && h == Height())
        return false;
    const bool wasReading = Reading;
    Reading = true; // a limit is not a user's move
    SetBounds(Left(), Top(), w, h);
    Reading = wasReading;
    return true;
}

const TLTextLayout& TLBaseLabel::Layout()
{
    if (Stale) {
        Cached = Compute(1.0, Width(), Height());
        if (ApplySizeLimits(Cached))
            Cached = Compute(1.0, Width(), Height());
        Stale = false;
    }
    return Cached;
}

TLTextLayout TLBaseLabel::LayoutAt(double zoom)
{
    const TLTextLayout& base = Layout();
    if (zoom == 1.0)
        return base;
    return Compute(zoom, int(std::lround(Width() * zoom)), int(std::lround(Height() * zoom)));
}

void TLBaseLabel::SizeToText()
{
    if (Rotation != 0)
        return;
    const TLTextLayout& layout = Layout();
    const QFontMetrics metrics(Font.ToQFont());
    const QString drawn = TLSymbolFonts::DrawingText(Font.Name, Caption);
    const int x0 = std::max({layout.Main.left(), layout.Shadow.left(), layout.Highlight.left()});
    const int y0 = std::max({layout.Main.top(), layout.Shadow.top(), layout.Highlight.top()});
    const int width = x0 + metrics.horizontalAdvance(drawn + QStringLiteral("     "));
    const int height = y0 + metrics.height();
    SetBounds(Left(), Top(), std::max(Width(), width), std::max(Height(), height));
    Stale = true;
}

void TLBaseLabel::DrawText(QPainter& painter, double zoom)
{
    PrepareCaption();
    const TLTextLayout layout = LayoutAt(zoom);
    const QRectF whole(0, 0, Width() * zoom, Height() * zoom);
    painter.save();
    if (!Transparent)
        painter.fillRect(whole, TLNames::ToQColor(BackColor));
    painter.setFont(layout.DrawingFont);
    const QString drawn = TLSymbolFonts::DrawingText(Font.Name, Caption);
    const int ascent = layout.Ascent;
    auto draw = [&](const QRect& clip, QPoint origin, const QColor& color) {
        painter.setClipRect(clip);
        painter.setPen(color);
        if (Rotation == 0) {
            painter.drawText(origin + QPoint(0, ascent), drawn);
            return;
        }
        painter.save();
        painter.translate(origin);
        painter.rotate(-Rotation);
        painter.drawText(QPoint(0, ascent), drawn);
        painter.restore();
    };
    if (DepthShadow > 0 && DirectionShadow != TShadowDirection::sdNone)
        draw(layout.Shadow, layout.ShadowOrigin, TLNames::ToQColor(colorShadow));
    if (DepthHighlight > 0 && DirectionHighlight != THighlightDirection::hdNone)
        draw(layout.Highlight, layout.HighlightOrigin, TLNames::ToQColor(colorHighlight));
    draw(layout.Main, layout.MainOrigin, Font.QtColor());
    if (BorderStyle == TBorderStyle::bsSingle) {
        painter.setClipping(false);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(whole.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

void TLBaseLabel::Paint(QPainter& painter) { DrawText(painter, Zoom()); }

void TLBaseLabel::BoundsChanged()
{
    Stale = true;
    if (!Reading && (Width() < 1 || Height() < 1))
        SetBounds(Left(), Top(), std::max(1, Width()), std::max(1, Height()));
    TLGraphicControl::BoundsChanged();
}

void TLBaseLabel::ApplyFont(const TLFont& font)
{
    Font = font;
    Stale = true;
}

QPicture TLBaseLabel::PrintPicture()
{
    QPicture picture;
    QPainter painter(&picture);
    DrawText(painter, 1.0);
    painter.end();
    return picture;
}

void TLBaseLabel::Print(TBaseReport& report, TInches x, TInches y)
{
    if (Rotation != 0) {
        // Turned text goes through a vector picture of the object, drawn as on screen.
        const QPicture picture = PrintPicture();
        report.StretchPicture(PrintRect(x, y), picture, QRectF(0, 0, Width(), Height()));
        return;
    }
    // Upright text is laid out as on screen and put on the page as real text, clipped to the
    // same rectangles.
    PrepareCaption();
    const TLTextLayout& layout = Layout();
    const TInchRect whole = PrintRect(x, y);
    auto inchX = [&](int pixels) { return TLayoutUnits::ToInches(Left() + pixels) + x; };
    auto inchY = [&](int pixels) { return TLayoutUnits::ToInches(Top() + pixels) + y; };
    auto clip = [&](const QRect& r) { return TInchRect{inchX(r.left()), inchY(r.top()), inchX(r.right() + 1), inchY(r.bottom() + 1)}; };
    if (!Transparent)
        report.FillRect(whole, TLNames::ToQColor(BackColor));
    Font.ApplyTo(report, layout.DrawingFont);
    const QString drawn = TLSymbolFonts::DrawingText(Font.Name, Caption);
    auto text = [&](const QRect& area, QPoint origin, TColor color) {
        if (report.Font().Color != TLNames::ToQColor(color))
            report.SetFontColor(TLNames::ToQColor(color));
        report.TextRect(clip(area), inchX(origin.x()), inchY(origin.y() + layout.Ascent), drawn);
    };
    if (DepthShadow > 0 && DirectionShadow != TShadowDirection::sdNone)
        text(layout.Shadow, layout.ShadowOrigin, colorShadow);
    if (DepthHighlight > 0 && DirectionHighlight != THighlightDirection::hdNone)
        text(layout.Highlight, layout.HighlightOrigin, colorHighlight);
    text(layout.Main, layout.MainOrigin, Font.Color);
    if (BorderStyle == TBorderStyle::bsSingle) {
        report.SetPen(Qt::black, Qt::SolidLine, 1);
        report.SetBrush(Qt::white, Qt::NoBrush);
        report.Rectangle(whole);
    }
}

void TLBaseLabel::WriteProperties(TLStreamWriter& writer) const
{
    TLGraphicControl::WriteProperties(writer);
    if (Alignment != TAlignment::taLeftJustify)
        writer.Ident("Alignment", kAlignmentNames, int(Alignment));
    if (DepthHighlight != 0)
        writer.Integer("DepthHighlight", DepthHighlight);
    if (DepthShadow != 0)
        writer.Integer("DepthShadow", DepthShadow);
    if (DirectionHighlight != THighlightDirection::hdUpLeft)
        writer.Ident("DirectionHighlight", kHighlightDirectionNames, int(DirectionHighlight));
    if (DirectionShadow != TShadowDirection::sdDownRight)
        writer.Ident("DirectionShadow", kShadowDirectionNames, int(DirectionShadow));
    if (colorHighlight != clAqua)
        writer.Color("colorHighlight", colorHighlight);
    if (colorShadow != clGray)
        writer.Color("colorShadow", colorShadow);
    if (Rotation != 0)
        writer.Integer("Angle", Rotation);
    if (!Caption.isEmpty() || StoresEmptyCaption())
        writer.String("Caption", Caption);
    Font.Write(writer);
    writer.Boolean("Transparent", Transparent);
    writer.Color("BackColor", BackColor);
    writer.Ident("BorderStyle", kBorderStyleNames, int(BorderStyle));
}

bool TLBaseLabel::ReadProperty(const QByteArray& name, const TLValue& value)
{
    using namespace TLValueRead;
    if (name.startsWith("Font.")) {
        Stale = true;
        return Font.Read(name.mid(5), value);
    }
    if (name == "Alignment")
        SetAlignment(EnumOf<TAlignment>(value, kAlignmentNames));
    else if (name == "DepthHighlight")
        DepthHighlight = Integer(value);
    else if (name == "DepthShadow")
        DepthShadow = Integer(value);
    else if (name == "DirectionHighlight")
        DirectionHighlight = EnumOf<THighlightDirection>(value, kHighlightDirectionNames);
    else if (name == "DirectionShadow")
        DirectionShadow = EnumOf<TShadowDirection>(value, kShadowDirectionNames);
    else if (name == "colorHighlight")
        colorHighlight = Color(value);
    else if (name == "colorShadow")
        colorShadow = Color(value);
    else if (name == "Angle")
        SetAngle(Integer(value));
    else if (name == "Caption")
        SetCaption(String(value));
    else if (name == "Transparent")
        Transparent = Boolean(value);
    else if (name == "BackColor")
        BackColor = Color(value);
    else if (name == "BorderStyle")
        BorderStyle = EnumOf<TBorderStyle>(value, kBorderStyleNames);
    else
        return TLGraphicControl::ReadProperty(name, value);
    Stale = true;
    return true;
}
