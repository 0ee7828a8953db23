// Another .DBF table as an import source: opened read-only in whatever dialect it was written
// (our engine tells them apart by the file's own header, so no second attempt is needed), its
// fields matched to address fields, its records in record order (flagged ones left out).
//
// OpenSourceTable also serves the imports of earlier releases: it refuses the open address
// table itself, a file that will not open and a table without records, with the messages the
// user sees.
#pragma once

#include "TImportMatch.h"
#include "TDbfRecordSource.h"

#include "data/TTableText.h"
#include "xbase/DbfTable.h"

#include <memory>

class TDbfImportSource final : public TDbfRecordSource {
public:
    // The source table, or nullptr with `message` set: "Cannot import a file to itself",
    // "Unable to open the file " + path, "There are no records in " + path.
    static std::unique_ptr<xbase::DbfTable> OpenSourceTable(const QString& path, const QString& currentDatabase,
                                                            QString& message);
    // A field's value as text: numbers as digits, logicals T or F (as ISDEL reads back), dates
    // in the short date format, memos as their text, characters from the table's code page.
    static QString FieldText(const xbase::DbfTable& table, int field, const TTableText& text);
    // The fields of a table as match sources, in table order: C, L, N, D and memo fields.
    static std::vector<TImportSourceColumn> SourceColumns(const xbase::DbfTable& table);
    static TImportMatch NewMatch(const xbase::DbfTable& table); // automatically matched

    TDbfImportSource(std::unique_ptr<xbase::DbfTable> table, const TImportMatch& match);

    TImportKind Kind() const override { return TImportKind::ikDbf; }
    void Prepare(TImportWriter& writer) override;
    void Transfer(TImportWriter& writer) override;

private:
    TImportMatch Match;
    struct TColumn {
        int Source;    // the source table's field
        int Target;    // the address table's field, -1 for MEMO
    };
    std::vector<TColumn> Columns;
};
