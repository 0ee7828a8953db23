// "Symbol Selector": the characters 32 to 255 of the object's font in a grid (fewer columns for
// larger fonts), a large preview of the chosen one, and a button, captioned with the font, that
// picks another font through the font dialog.
#pragma once

#include "TLFont.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

class TGetSymbol : public QDialog {
    Q_OBJECT
public:
    TGetSymbol(const TLFont& font, const QString& caption, QWidget* parent = nullptr);

    // The chosen character as stored (one Windows-1252 character), and the font.
    QString Caption() const;
    TLFont Font() const { return SymbolFont; }

    // The grid position of a character (code − 32), −1 for one outside 32..255.
    static int Position(const QString& caption);
    static int Columns(const TLFont& font);

    QTableWidget* Grid() const { return Characters; }
    QLabel* Preview() const { return PreviewLabel; }
    QPushButton* FontButton() const { return FontChoice; }
    void FontButtonClick();

private:
    void Fill();
    void GridChange();

    TLFont SymbolFont;
    QTableWidget* Characters;
    QLabel* PreviewLabel;
    QPushButton* FontChoice;
};
