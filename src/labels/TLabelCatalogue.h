// The template catalogue LBLTPL.DBF of the sysdata folder, opened read-only in the order of its
// DESCRIPT tag (made when the index is missing). The program never writes it.
#pragma once

#include "TLabelStock.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace xbase {
class WorkArea;
}

class TLabelCatalogue {
public:
    // The catalogue row a new setup takes its stock from: the sheet NewStock() names.
    static constexpr const char* NewSetupTemplate = "Avery 5160  Address Labels";

    // nullptr after "Unable to Open LBLTPL.DBF" (through the prompt service).
    static std::unique_ptr<TLabelCatalogue> Open();
    // What a new setup starts with: NewStock() with the geometry, description and template
    // name of the catalogue's 5160 row, so it prints on the real sheet (pitch 2.75 x 1.0, not
    // NewStock's 2.765 x 1.01) and the template list opens on that row. NewStock() alone when
    // the catalogue cannot be opened or lacks the row.
    static TLabelStock NewSetupStock();
    ~TLabelCatalogue();

    // Installs a template query (empty: every row) and answers how many rows match.
    int SetQuery(const std::string& condition);
    // The matching rows in DESCRIPT order (a catalogue row's DESCRIPT is its TemplateName).
    std::vector<TLabelStock> Rows();
    // The row whose DESCRIPT is `description` exactly, among the rows of the query in force.
    std::optional<TLabelStock> Find(const QString& description);
    xbase::WorkArea& Area() { return *Table; }

private:
    explicit TLabelCatalogue(std::unique_ptr<xbase::WorkArea> table);
    std::unique_ptr<xbase::WorkArea> Table;
};
