#include "TLSymbolLabel.h"

#include "TLSymbolFonts.h"

#include "data/TCp1252.h"

#include <QFontMetrics>

#include <cmath>

TLSymbolLabel::TLSymbolLabel()
{
    Font = TLFont::Make(QStringLiteral("Wingdings"), 24);
    Caption = QStringLiteral("[");
}

int TLSymbolLabel::ListPosition() const
{
    const std::string code = TCp1252::Encode(Caption.left(1));
    return code.empty() ? -1 : static_cast<unsigned char>(code[0]) - 32;
}

void TLSymbolLabel::BoundsChanged()
{
    TLBaseLabel::BoundsChanged();
    if (Reading || Sizing)
        return;
    Sizing = true;
    const TLTextLayout& layout = Layout();
    const QFontMetrics metrics(Font.ToQFont());
    const QString drawn = TLSymbolFonts::DrawingText(Font.Name, Caption);
    const int maxX = std::max({layout.MainOrigin.x(), layout.ShadowOrigin.x(), layout.HighlightOrigin.x()});
    const int maxY = std::max({layout.MainOrigin.y(), layout.ShadowOrigin.y(), layout.HighlightOrigin.y()});
    const int width = int(std::lround(1.1 * metrics.horizontalAdvance(drawn))) + maxX;
    const int height = int(std::lround(1.1 * metrics.height())) + maxY;
    if (width != Width() || height != Height())
        SetBounds(Left(), Top(), width, height);
    Sizing = false;
}
