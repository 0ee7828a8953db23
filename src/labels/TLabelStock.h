// One kind of label sheet: the size of a label, the grid of labels on the sheet, the page and
// its orientation, the label shape and an optional middle gap. A saved label setup is a stock
// plus a description and a layout file (a row of LABEL.DBF); the template catalogue LBLTPL.DBF
// holds stocks of real sheets. All lengths are inches, kept to three decimals when stored.
//
// Entry points: NewStock() (what a new setup starts with), Placement() (where a label stands on
// the page), ReadRow()/WriteRow() (the LABEL.DBF and LBLTPL.DBF columns), TakeTemplate().
#pragma once

#include "output/TInches.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace xbase {
class DbfTable;
}

// A paper size code with the choice text of the user-defined dialog and its page in inches.
struct TLabelPaperSize {
    QString Code;
    QString ChoiceText;
    TInches Width;  // as the labels are laid out: the long side for a landscape code
    TInches Height;
    bool Landscape = false;
    bool UserDefined = false; // "Other": the page is as entered
};

// Shape codes and their texts, in the order of the dialog's choice.
struct TLabelShape {
    QString Code;
    QString Text;
};

class TLabelStock {
public:
    QString PrinterKind;       // PRINTER: "LJ", "IJ", "DM", "LP"; empty for user-defined
    TInches LabelHeight;       // LBLHEIGHT
    TInches LabelWidth;        // LBLWIDTH
    int Across = 0;            // NBRACROSS
    int Down = 0;              // NBRDOWN
    TInches TopMargin;         // TOPMARG: page top to the first row's top
    TInches LeftMargin;        // LEFTMARG: page left to the first column's left
    TInches HorizontalPitch;   // HORIZPITCH: left edge to the next label's left edge
    TInches VerticalPitch;     // VERTPITCH: top edge to the next label's top edge
    TInches SheetWidth;        // SHEETWIDTH: page width as laid out
    TInches SheetDepth;        // SHEETDEPTH: page height as laid out
    QString PaperSize;         // PAPERSIZE code
    QString Shape;             // LBLSHAPE code
    QString TemplateName;      // TPLDESCRIP: empty for a user-defined stock
    QString Manufacturer;      // MANUFAC: "USER" for a user-defined stock
    QString ProductType;       // PRODTYPE, upper case
    TInches MiddleExtraX;      // MIDEXTRAX: gap added at the middle of each row
    TInches MiddleExtraY;      // MIDEXTRAY: gap added at the middle of each column
    QString Art;               // ART: picture of the pre-printed design, empty for none

    static TLabelStock NewStock();

    // The label at column `column` (0..Across-1) and row `row` (0..Down-1), from the page's
    // top-left corner in the orientation PAPERSIZE names.
    TInchRect Placement(int column, int row) const;
    // Position number c + r x Across: the top row left to right, then the next row.
    int Positions() const { return Across * Down; }
    int PositionNumber(int column, int row) const { return column + row * Across; }
    bool Landscape() const;
    bool UserDefined() const { return Manufacturer == QLatin1String("USER"); }
    // The setup's sheet name as the setup list shows it.
    QString SheetName() const;

    // Reads the stock columns of the current row of LABEL.DBF or LBLTPL.DBF (a catalogue row's
    // DESCRIPT is its template name).
    static TLabelStock ReadRow(const xbase::DbfTable& table);
    // Writes every stock column of LABEL.DBF to the current row, lengths to three decimals.
    void WriteRow(xbase::DbfTable& table) const;
    // Takes a catalogue stock: every sheet value, and the template's name as TPLDESCRIP.
    void TakeTemplate(const TLabelStock& catalogueRow);

    // The code tables.
    static const std::vector<TLabelPaperSize>& PaperSizes();
    static const TLabelPaperSize* FindPaperSize(const QString& code);
    static const std::vector<TLabelShape>& Shapes();
    static const QStringList& ProductTypes();
    // The 25 pictures of pre-printed designs the program ships.
    static const QStringList& ArtNames();

    bool operator==(const TLabelStock&) const = default;
};

// Lengths kept as the tables keep them: three decimals.
TInches RoundToThousandths(TInches length);
