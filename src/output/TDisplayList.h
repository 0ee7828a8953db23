// One recorded page: the primitive drawing operations a job issued, in order, in inches from
// the sheet's top-left corner. Recording is cheap and device-free; TPagePainter plays a list
// onto any QPainter (printer, PDF, preview, PNG), and tests read the operations directly.
#pragma once

#include "TInches.h"

#include <QColor>
#include <QImage>
#include <QPicture>
#include <QString>
#include <Qt>

#include <variant>
#include <vector>

enum class TTextAlign { taLeft, taCenter, taRight };
// How a pen combines with what is already on the page; raster modes only take effect on
// pixel devices (the preview and PNGs), a PDF or printer draws them as copy.
enum class TPenMode { pmCopy, pmXor, pmNot };

struct TFontOp {
    QString Family;
    double PointSize = 10.0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    QColor Color = Qt::black;
    bool operator==(const TFontOp&) const = default;
};

struct TPenOp {
    QColor Color = Qt::black;
    Qt::PenStyle Style = Qt::SolidLine;
    // Renderers never draw a pen thinner than one device pixel, so 0 means "hairline".
    TInches Width;
    TPenMode Mode = TPenMode::pmCopy;
};

struct TBrushOp {
    QColor Color = Qt::white;
    Qt::BrushStyle Style = Qt::SolidPattern;
};

// Text whose baseline starts at (or is centred on, or ends at) Anchor in the current font.
struct TTextOp {
    TInchPoint Anchor;
    TTextAlign Align = TTextAlign::taLeft;
    QString Text;
};

// Text starting at Start (baseline) and cut off at the edges of Clip.
struct TClippedTextOp {
    TInchRect Clip;
    TInchPoint Start;
    QString Text;
};

struct TRectOp { TInchRect Rect; };
struct TRoundRectOp { TInchRect Rect; TInches CornerWidth; TInches CornerHeight; };
struct TEllipseOp { TInchRect Rect; };
struct TLineOp { TInchPoint From; TInchPoint To; };
// Fills without touching the pen and brush in force (tab shading).
struct TFillRectOp { TInchRect Rect; QColor Color; };
struct TImageOp { TInchRect Rect; QImage Image; };
// A vector picture whose Frame (in the picture's own units) is stretched onto Rect.
struct TPictureOp { TInchRect Rect; QPicture Picture; QRectF Frame; };

using TDisplayOp = std::variant<TFontOp, TPenOp, TBrushOp, TTextOp, TClippedTextOp, TRectOp, TRoundRectOp,
                                TEllipseOp, TLineOp, TFillRectOp, TImageOp, TPictureOp>;

class TDisplayList {
public:
    TDisplayList() = default;
    TDisplayList(TInches pageWidth, TInches pageHeight) : Width(pageWidth), Height(pageHeight) {}

    void Add(TDisplayOp op) { Ops.push_back(std::move(op)); }
    const std::vector<TDisplayOp>& Operations() const { return Ops; }
    TInches PageWidth() const { return Width; }
    TInches PageHeight() const { return Height; }

    // Every operation of kind T, in recording order (tests and inspectors).
    template <typename T> std::vector<T> OfKind() const
    {
        std::vector<T> found;
        for (const TDisplayOp& op : Ops)
            if (const T* typed = std::get_if<T>(&op))
                found.push_back(*typed);
        return found;
    }

private:
    TInches Width;
    TInches Height;
    std::vector<TDisplayOp> Ops;
};
