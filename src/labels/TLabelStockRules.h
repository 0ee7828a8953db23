// The rules of a typed-in ("user defined") stock: the values as the dialog holds them, in inches
// or millimetres, their display patterns, the paper presets, and the check that runs before a
// stock takes them. The dialog and the command line both go through ApplyEntry, so a stock
// never holds values that broke a rule.
#pragma once

#include "EValid.h"
#include "TLabelStock.h"

enum class TLengthUnit { luInches, luMillimetres };

// The user-defined dialog's fields, in the dialog's unit.
struct TLabelEntry {
    TLengthUnit Unit = TLengthUnit::luInches;
    double LabelWidth = 0;
    double LabelHeight = 0;
    double HorizontalPitch = 0;
    double VerticalPitch = 0;
    double LeftMargin = 0;
    double TopMargin = 0;
    double PaperWidth = 0;
    double PaperHeight = 0;
    int Across = 1;
    int Down = 1;
    QString PaperSize; // the code chosen; empty when no choice was made
    QString Shape;     // shape code

    // The stock's values in inches; the paper choice starts empty.
    static TLabelEntry FromStock(const TLabelStock& stock);
};

class TLabelStockRules {
public:
    static constexpr double MillimetresPerInch = 25.4;
    // A length column (N 6.3) holds at most 99.999 inches.
    static constexpr double MaximumThousandths = 100000.0;

    // Throws EValid with the first rule the stock breaks; after the dialog's six rules, a length
    // its column cannot hold (100 inches or more).
    static void Validate(const TLabelStock& stock);
    // `stock` as the user-defined dialog's Ok leaves it: the typed values (millimetres turned
    // into inches to three decimals), the paper code when one was chosen, the shape; the
    // template columns cleared and the manufacturer "USER". Throws EValid, leaving `stock`
    // untouched, when a rule fails.
    static TLabelStock ApplyEntry(const TLabelStock& stock, const TLabelEntry& entry);

    // A user-defined stock from typed inches "W,H,ACROSS,DOWN,TOP,LEFT,HPITCH,VPITCH,PAPER" (the
    // paper one of the preset codes, whose page it takes), checked by the same rules as the dialog.
    // Throws EValid for a value that is not a number, a count out of range, an unknown paper code
    // or a broken rule.
    static TLabelStock StockFromValues(const QString& values);

    // A length in `unit` from inches and back (back rounds to three decimals of an inch).
    static double FromInches(TInches length, TLengthUnit unit);
    static TInches ToInches(double value, TLengthUnit unit);
    // The display patterns: whole millimetres ("##0"), inches with one to three decimals ("#0.0##").
    static QString Format(double value, TLengthUnit unit);
    // The preset page of a paper code in `unit`; false for the "Other" codes.
    static bool Preset(const QString& paperCode, TLengthUnit unit, double& width, double& height);
};
