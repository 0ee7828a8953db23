// Single-line text with rotation (0, 90, 180, 270 degrees counter-clockwise) and 3D effects:
// the parent of static text, data text, counters, symbols, date/time and page numbers. One
// layout serves the screen and printing. Upright text prints as text operations clipped to the
// layout's rectangles (real, searchable text in a PDF, and cheap for long label runs); turned
// text is drawn by the screen's routine into a vector picture of the object's size, which is
// stretched onto the object's rectangle on the page.
//
// The layout (main, shadow and highlight rectangles and the text origin of each) is computed
// lazily; every change of text, font, angle, alignment, effect, size or zoom marks it stale.
#pragma once

#include "TLFont.h"
#include "TLGraphicControl.h"

#include <QFont>
#include <QPoint>

class QPicture;

struct TLTextLayout {
    QRect Main, Shadow, Highlight;
    QPoint MainOrigin, ShadowOrigin, HighlightOrigin;
    int TextWidth = 0;   // T: the caption followed by one blank
    int LineHeight = 0;  // L
    int Ascent = 0;      // of the font drawn
    QFont DrawingFont;   // the object's font at the layout's zoom
};

class TLBaseLabel : public TLGraphicControl {
public:
    QString Caption = QStringLiteral("Text");
    TLFont Font;
    TAlignment Alignment = TAlignment::taLeftJustify;
    int DepthShadow = 0;
    TShadowDirection DirectionShadow = TShadowDirection::sdDownRight;
    TColor colorShadow = clGray;
    int DepthHighlight = 0;
    THighlightDirection DirectionHighlight = THighlightDirection::hdUpLeft;
    TColor colorHighlight = clAqua;
    bool Transparent = true;
    TColor BackColor = clWhite;
    TBorderStyle BorderStyle = TBorderStyle::bsNone;

    int Angle() const { return Rotation; }
    // Only 0, 90, 180 and 270 are taken; width and height are exchanged when the object lies
    // the wrong way for the new angle.
    void SetAngle(int angle);
    void SetCaption(const QString& caption);
    void SetAlignment(TAlignment alignment);
    void MarkStale() { Stale = true; }

    // Offsets of the shadow and highlight in pixels (sx, sy), (hx, hy).
    QPoint ShadowOffset() const;
    QPoint HighlightOffset() const;
    // The layout at zoom 1.0; applies the size limits to the object's bounds first.
    const TLTextLayout& Layout();
    // The layout of the view at `zoom` (for zoom 1.0 the same as Layout()).
    TLTextLayout LayoutAt(double zoom);
    // Grows the object to hold its text (angle 0 only).
    void SizeToText();

    void Paint(QPainter& painter) override;
    void BoundsChanged() override;
    void ApplyFont(const TLFont& font) override;
    void Print(TBaseReport& report, TInches x, TInches y) override;
    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;

    // The drawing routine: the object at `zoom` on a painter whose origin is its top-left.
    void DrawText(QPainter& painter, double zoom);
    // The object drawn at zoom 1.0 into a vector picture of its size (what a turned text prints).
    QPicture PrintPicture();

protected:
    TLBaseLabel() : TLGraphicControl(142, 33) {}
    // The caption about to be drawn (counters and dates rebuild theirs here).
    virtual void PrepareCaption() {}
    // Whether the caption is written when empty (static text keeps an emptied caption).
    virtual bool StoresEmptyCaption() const { return false; }

private:
    TLTextLayout Compute(double zoom, int width, int height) const;
    // Holds the bounds within the limits the text allows; true when they changed.
    bool ApplySizeLimits(const TLTextLayout& probe);

    int Rotation = 0;
    bool Stale = true;
    TLTextLayout Cached;
};
