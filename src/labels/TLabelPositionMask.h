// Which positions of a sheet get a label: one flag per position of the stock, in position order
// (the top row left to right, then the next row). A set flag prints on that position, a clear
// one leaves it blank. The mask is sized to the stock, so a 10 x 30 sheet has all 300 flags.
#pragma once

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

private:
    std::vector<bool> Flags;
};
