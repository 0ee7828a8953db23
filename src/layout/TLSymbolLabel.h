// One symbol character (Wingdings 24 points, "[" on creation). It sizes itself to its character
// after every change of bounds and keeps its own font when the panel's font is applied.
#pragma once

#include "TLBaseLabel.h"

class TLSymbolLabel : public TLBaseLabel {
public:
    TLSymbolLabel();
    QByteArray ClassName() const override { return QByteArrayLiteral("TLSymbolLabel"); }

    void ApplyFont(const TLFont&) override {}
    void BoundsChanged() override;
    // The position of the caption in the symbol selector's list (character code − 32).
    int ListPosition() const;

private:
    bool Sizing = false;
};
