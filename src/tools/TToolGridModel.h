// The editable grid of the list tools: rows are chosen records of a table (a result index's
// records in key order, or every row of the state/province table), columns are fields by name.
// An edit stays pending on its row until it is saved ("Save", or moving to another row, as in
// any data grid) or undone; deleting marks the record and drops its row. A "Tagged" column
// shows as a check mark (Qt::CheckStateRole) whether TAG holds the current tag id.
//
// Contract: the table outlives the model and no one else moves its cursor while an edit is
// pending. Engine errors while saving reach the caller as xbase::XbaseError.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <map>
#include <vector>

namespace xbase {
class DbfTable;
}

struct TGridColumn {
    QString Field;   // field name, or "Tagged"
    QString Caption;
};

class TToolGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TToolGridModel(xbase::DbfTable& table, std::vector<TGridColumn> columns, QObject* parent = nullptr);

    // The columns of an address grid: Tagged and the shown stored fields, in view order.
    static std::vector<TGridColumn> AddressColumns();

    void SetRecords(std::vector<uint32_t> recnos);
    uint32_t RecordAt(int row) const { return Records.at(static_cast<size_t>(row)); }
    int RowCount() const { return static_cast<int>(Records.size()); }
    int ColumnOf(const QString& field) const;

    bool Editing() const { return PendingRow >= 0; }
    void Post();   // writes the pending edit
    void Cancel(); // drops it
    // Sets the delete flag (and ISDEL when the table has it) and drops the row.
    void DeleteRow(int row);
    // Tags the row's record or untags it; returns whether it is tagged now.
    bool ToggleTag(int row);
    // Appends a blank record and a row for it; returns the row.
    int AppendRow();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QString Stored(uint32_t recno, const QString& field) const;
    bool IsTagged(uint32_t recno) const;

    xbase::DbfTable& Table;
    std::vector<TGridColumn> Columns;
    std::vector<uint32_t> Records;
    int PendingRow = -1;
    std::map<QString, QString> Pending; // field -> new text
};
