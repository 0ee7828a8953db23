// The template dialog's search of the catalogue: the manufacturer and product-type choices, the
// xBase condition they make, and which choices the dialog opens on for a stock.
#pragma once

#include <QString>
#include <QStringList>

#include <string>

class TLabelStock;

class TLabelTemplateQuery {
public:
    // "Avery Laserjet", "Avery Inkjet", "Avery Dot Matrix", "Costar LabelPrinter".
    static const QStringList& ManufacturerChoices();
    // The six product types as the dialog writes them, then "All".
    static const QStringList& ProductTypeChoices();
    static constexpr int AllProductTypes = 6;

    // The condition for a manufacturer choice text (empty: none chosen), a product-type index
    // (0..5 a type, AllProductTypes or -1 none) and the European check. Empty when no clause applies.
    static std::string Build(const QString& manufacturerChoice, int productTypeIndex, bool european);

    struct TOpening {
        QString ManufacturerChoice; // empty when the stock's combination has no choice
        int ProductTypeIndex = AllProductTypes;
        bool LookForTemplate = true; // a user-defined stock does not look for its row
    };
    // The choices the dialog opens on for `stock`.
    static TOpening Opening(const TLabelStock& stock);
    // The row the template list opens on for a stock's template name: the row of that name;
    // else the first whose name begins with it, blanks and case aside (a setup stores
    // "Avery 5160  Address" for the catalogue's "Avery 5160  Address Labels"); else the last.
    static int RowOfTemplate(const QStringList& names, const QString& templateName);
};
