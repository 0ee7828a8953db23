// What an encoder hands to whoever draws a barcode: the bars as rectangles in inches measured
// from the barcode's top-left corner, the digits they carry, and the bars as text for scripts
// and tests. An empty list carries the reason there is no barcode (a ZIP too short, a tracking
// code with a letter in it); drawing an empty list draws nothing.
#pragma once

#include <string>
#include <vector>

struct TBar {
    // Inches from the barcode's top-left corner.
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    bool operator==(const TBar&) const = default;
};

struct TBarList {
    std::string Digits;       // the digits encoded
    std::string Pattern;      // one character per bar position (see each encoder)
    std::vector<TBar> Bars;
    std::string Reason;       // why there is no barcode; empty when there is one

    bool Empty() const { return Bars.empty(); }
    static TBarList None(std::string reason)
    {
        TBarList list;
        list.Reason = std::move(reason);
        return list;
    }
};
