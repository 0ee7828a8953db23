// The browse grid's model: one row per record of the address table's current record set, in
// its current order, one column per shown field (read-only). Rows are found through a
// TBrowseRowMap and read from the table only when the view asks for them; the values of the
// rows last read are kept, so the many calls a view makes per cell cost one record read per row.
//
// Contract: the table outlives the model and nothing else moves its records while the model is
// in use without calling Reload(). Reading a row moves the table's cursor.
#pragma once

#include "TBrowseRowMap.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <unordered_map>
#include <vector>

class TAddressTable;

class TAddressBrowseModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The column of "Tagged" (-1 when the field list leaves it out).
    int TaggedColumnIndex() const { return TaggedColumn; }
    // `fields` are view field names ("Tagged", "LNAME", ...), one column each. The model holds
    // no rows until the first Reload().
    TAddressBrowseModel(TAddressTable& table, const QStringList& fields, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const QStringList& Fields() const { return FieldNames; }
    // Grid width of a column in characters (the field's own width where the view says so).
    int ColumnWidthInCharacters(int column) const;
    uint32_t RecordAt(int row) const { return Rows.RecordAt(row); }
    // Reads the set afresh (at the start, and after a record changed); returns the row of `focusRecno` or -1.
    int Reload(uint32_t focusRecno);
    // Tags or untags the record on `row`, then reloads; returns the record's row afterwards
    // (-1 when it left the set).
    int ToggleTag(int row);

signals:
    // The engine refused to read a row (a damaged file); said once per model, the row stays empty.
    void ReadFailed(const QString& message) const;

private:
    const std::vector<QString>& RowValues(int row) const;

    TAddressTable& Table;
    QStringList FieldNames;
    int TaggedColumn = -1;
    mutable TBrowseRowMap Rows;
    mutable std::unordered_map<int, std::vector<QString>> Cache;
    mutable bool ReadFailureTold = false;
};
