// The envelope sizes a setup can have. A size code is the printer's paper code of the envelope
// (19 to 38), so the same number asks the printer for the paper; code 0 is a custom size whose
// length and width the setup keeps itself. The design surface is `Length` wide and `Width` high.
//
// Metric envelopes are converted at 25 millimetres to the inch, as their setups always were:
// DL is 8.8 x 4.4 inches. A code outside the table is "Unknown" with length and width -1.
#pragma once

#include <QString>

#include <vector>

struct TEnvelopeSize {
    int Code = 0;
    QString Choice; // the size dialog's entry
    QString Name;   // the design screen's Layout caption
    double Length = -1.0;
    double Width = -1.0;

    bool Known() const { return Length > 0 && Width > 0; }
};

class TEnvelopeSizes {
public:
    static constexpr int DefaultCode = 20;
    static constexpr int CustomCode = 0;
    static constexpr const char* DefaultDescription = "Envelope #10";
    static constexpr const char* CustomChoice = "Custom size";
    static constexpr double MinimumLength = 3.0;
    static constexpr double MaximumLength = 15.0;
    static constexpr double MinimumWidth = 2.0;
    static constexpr double MaximumWidth = 12.0;

    // The sixteen sizes in the size dialog's order.
    static const std::vector<TEnvelopeSize>& Table();
    // The size of a table code; "Unknown", -1 x -1 for any other (also 0: see Custom).
    static TEnvelopeSize Find(int code);
    // A custom size, measures rounded to thousandths: "CUSTOM 9.000 X 4.000 INCHES".
    static TEnvelopeSize Custom(double length, double width);
    // Why a custom length and width cannot be taken, or empty when they can.
    static QString CustomProblem(double length, double width);
    // The row index of `code` in Table(), 0 for a code not in it.
    static int RowOf(int code);
    // Inches as stored and shown: three decimals.
    static QString Inches(double inches) { return QString::number(inches, 'f', 3); }
};
