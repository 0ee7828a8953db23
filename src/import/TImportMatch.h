// Which source column or field fills which address field. The rows are the address fields an
// import may fill (by their captions); each row holds at most one source, and a source stands
// in at most one row. Shared by the delimited-text and the DBF import, their match windows and
// the command line.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct TImportTarget {
    QString Field;   // "LNAME"
    QString Caption; // "Last Name"
};

struct TImportSourceColumn {
    QString Name;    // "Field 3", a name from the file's first line, or a DBF field name
    char Type = 'C'; // a DBF field's type; C for text columns
};

class TImportMatch {
public:
    // The shown text fields of an address table, in table order.
    static std::vector<TImportTarget> TextTargets();
    // The same, plus MEMO, which a source memo field may fill.
    static std::vector<TImportTarget> DbfTargets();
    // Every caption and field name of the targets (for recognising a line of column names).
    static QStringList TargetNames(const std::vector<TImportTarget>& targets);

    TImportMatch() = default;
    TImportMatch(std::vector<TImportTarget> targets, std::vector<TImportSourceColumn> sources);

    const std::vector<TImportTarget>& Targets() const { return TargetRows; }
    const std::vector<TImportSourceColumn>& Sources() const { return SourceColumns; }
    int RowOfField(const QString& fieldOrCaption) const; // by field name or caption, any case; -1
    int SourceIndex(const QString& name) const;           // by name or "Field N", any case; -1

    // The source of a row, -1 for none.
    int SourceOfRow(int row) const { return Rows[static_cast<size_t>(row)]; }
    // The row a source fills, -1 for none.
    int RowOfSource(int source) const;
    // Puts the source in the row and takes it out of any other row; -1 empties the row.
    void Assign(int row, int source);
    void ClearRow(int row) { Assign(row, -1); }
    void ClearAll();
    // Whether a source may stand in a row: memo fields only in MEMO, MEMO only memo or text.
    bool Fits(int row, int source) const;
    int AssignedCount() const;

    // Sources in their order each take the first free row whose caption or field name equals
    // the source's name, ignoring case; a memo field can only take MEMO. Earlier assignments go.
    void AutoMatch();

private:
    std::vector<TImportTarget> TargetRows;
    std::vector<TImportSourceColumn> SourceColumns;
    std::vector<int> Rows;
};
