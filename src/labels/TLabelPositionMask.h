// Which positions of a sheet get a label: one flag per position of the stock, in position order
// (the top row left to right, then the next row). A set flag prints on that position, a clear
// one leaves it blank. The mask is sized to the stock, so a 10 x 30 sheet has all 300 flags.
#pragma once

#include <QString>

#include <vector>

class TLabelStock;

class TLabelPositionMask {
public:
    static constexpr int MaximumPositions = 10 * 30;

    TLabelPositionMask() = default;
    // All positions of `stock` set (at most MaximumPositions).
    explicit TLabelPositionMask(const TLabelStock& stock);

    int Size() const { return int(Flags.size()); }
    // Positions outside the sheet read as clear and ignore writes.
    bool IsSet(int position) const;
    void Set(int position, bool printed);
    void SetAll(bool printed);
    int CountSet() const;

    // The positions named by `text` ("1,2,5-9", 1-based) set, all others clear. Throws
    // std::runtime_error for text it cannot read or a position outside the sheet.
    static TLabelPositionMask FromText(const TLabelStock& stock, const QString& text);

private:
    std::vector<bool> Flags;
};
