#include "TToolGridModel.h"

#include "data/TAddressSchema.h"
#include "data/TAddressTable.h"
#include "data/TCp1252.h"
#include "xbase/DbfTable.h"

namespace {
const QString TaggedColumn = QStringLiteral("Tagged");
}

TToolGridModel::TToolGridModel(xbase::DbfTable& table, std::vector<TGridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), Table(table), Columns(std::move(columns))
{
}

std::vector<TGridColumn> TToolGridModel::AddressColumns()
{
    std::vector<TGridColumn> columns;
    for (const auto& field : TAddressSchema::ViewFields()) {
        const bool tagged = TaggedColumn == QLatin1String(field.Name);
        if (field.Shown && (tagged || !field.Derived))
            columns.push_back({QLatin1String(field.Name), QLatin1String(field.Caption)});
    }
    return columns;
}

void TToolGridModel::SetRecords(std::vector<uint32_t> recnos)
{
    beginResetModel();
    Records = std::move(recnos);
    PendingRow = -1;
    Pending.clear();
    endResetModel();
}

int TToolGridModel::ColumnOf(const QString& field) const
{
    for (size_t i = 0; i < Columns.size(); ++i)
        if (Columns[i].Field == field)
            return static_cast<int>(i);
    return -1;
}

QString TToolGridModel::Stored(uint32_t recno, const QString& field) const
{
    const int index = Table.fieldIndex(field.toStdString());
    if (index < 0)
        return QString();
    Table.go(recno);
    return TCp1252::Decode(Table.textView(index));
}

bool TToolGridModel::IsTagged(uint32_t recno) const
{
    const QString id = TAddressTable::GlobalTagId();
    return !id.isEmpty() && Stored(recno, QStringLiteral("TAG")) == id;
}

void TToolGridModel::Post()
{
    if (PendingRow < 0)
        return;
    const int row = PendingRow;
    const std::map<QString, QString> edits = std::move(Pending);
    PendingRow = -1;
    Pending.clear();
    Table.go(RecordAt(row));
    for (const auto& [field, text] : edits)
        Table.setText(Table.fieldIndex(field.toStdString()), TCp1252::Encode(text));
    Table.commit();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void TToolGridModel::Cancel()
{
    if (PendingRow < 0)
        return;
    const int row = PendingRow;
    PendingRow = -1;
    Pending.clear();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void TToolGridModel::DeleteRow(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    if (PendingRow == row)
        Cancel();
    Post();
    const bool hidden = Table.flaggedHidden();
    Table.setFlaggedHidden(false); // ISDEL is written on a record that carries the flag
    Table.go(RecordAt(row));
    Table.setDeleted(true);
    if (const int isdel = Table.fieldIndex("ISDEL"); isdel >= 0)
        Table.setLogical(isdel, true);
    Table.commit();
    Table.setFlaggedHidden(hidden);
    beginRemoveRows({}, row, row);
    Records.erase(Records.begin() + row);
    if (PendingRow > row)
        --PendingRow;
    endRemoveRows();
}

bool TToolGridModel::ToggleTag(int row)
{
    Post();
    const uint32_t recno = RecordAt(row);
    const bool tagNow = !IsTagged(recno);
    Table.go(recno);
    Table.setText(Table.fieldIndex("TAG"), tagNow ? TCp1252::Encode(TAddressTable::GlobalTagId()) : std::string());
    Table.commit();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    return tagNow;
}

int TToolGridModel::AppendRow()
{
    Post();
    Table.appendBlank();
    Table.commit();
    const int row = RowCount();
    beginInsertRows({}, row, row);
    Records.push_back(Table.recordNumber());
    endInsertRows();
    return row;
}

int TToolGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : RowCount(); }
int TToolGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(Columns.size()); }

QVariant TToolGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const TGridColumn& column = Columns[static_cast<size_t>(index.column())];
    const uint32_t recno = RecordAt(index.row());
    // "Tagged" reads as a check mark, not as a word.
    if (column.Field == TaggedColumn)
        return role == Qt::CheckStateRole ? QVariant(IsTagged(recno) ? Qt::Checked : Qt::Unchecked) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (index.row() == PendingRow)
        if (const auto pending = Pending.find(column.Field); pending != Pending.end())
            return pending->second;
    return Stored(recno, column.Field);
}

QVariant TToolGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return Columns[static_cast<size_t>(section)].Caption;
    return section + 1;
}

Qt::ItemFlags TToolGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && Columns[static_cast<size_t>(index.column())].Field != TaggedColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TToolGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    if (PendingRow >= 0 && PendingRow != index.row())
        Post(); // leaving a row saves it, as in any data grid
    const QString field = Columns[static_cast<size_t>(index.column())].Field;
    const int fieldIndex = Table.fieldIndex(field.toStdString());
    if (fieldIndex < 0)
        return false;
    PendingRow = index.row();
    Pending[field] = value.toString().left(Table.field(fieldIndex).width);
    emit dataChanged(index, index);
    return true;
}
