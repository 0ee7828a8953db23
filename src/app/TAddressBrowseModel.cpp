#include "TAddressBrowseModel.h"

#include "data/TAddressSchema.h"
#include "data/TAddressTable.h"
#include "data/TTagger.h"

namespace {
// Rows whose values are kept: several screens, so scrolling back and forth reads nothing again.
constexpr size_t kKeptRows = 2048;
const QString TaggedField = QStringLiteral("Tagged");
} // namespace

TAddressBrowseModel::TAddressBrowseModel(TAddressTable& table, const QStringList& fields, QObject* parent)
    : QAbstractTableModel(parent), Table(table), FieldNames(fields), Rows(table.Area())
{
    TaggedColumn = static_cast<int>(FieldNames.indexOf(TaggedField));
}

int TAddressBrowseModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Rows.RowCount(); }

int TAddressBrowseModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(FieldNames.size());
}

const std::vector<QString>& TAddressBrowseModel::RowValues(int row) const
{
    if (auto found = Cache.find(row); found != Cache.end())
        return found->second;
    if (Cache.size() >= kKeptRows)
        Cache.clear();
    std::vector<QString> values;
    try {
        if (const uint32_t recno = Rows.RecordAt(row); recno != 0) {
            Table.Table().go(recno);
            values.reserve(static_cast<size_t>(FieldNames.size()));
            for (const QString& field : FieldNames)
                values.push_back(Table.Value(field));
        }
    } catch (const xbase::XbaseError& error) {
        // The view asks while painting, where nothing may be thrown: the row stays empty.
        values.clear();
        if (!ReadFailureTold) {
            ReadFailureTold = true;
            emit ReadFailed(QString::fromStdString(error.what()));
        }
    }
    return Cache.emplace(row, std::move(values)).first->second;
}

QVariant TAddressBrowseModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::CheckStateRole))
        return {};
    const std::vector<QString>& values = RowValues(index.row());
    const auto column = static_cast<size_t>(index.column());
    if (column >= values.size())
        return {};
    if (index.column() == TaggedColumn) {
        if (role != Qt::CheckStateRole)
            return {};
        return values[column] == QLatin1String("T") ? Qt::Checked : Qt::Unchecked;
    }
    return role == Qt::DisplayRole ? QVariant(values[column]) : QVariant();
}

QVariant TAddressBrowseModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= FieldNames.size())
        return {};
    const TViewFieldDef* field = TAddressSchema::FindViewField(FieldNames[section]);
    return field ? QString::fromUtf8(field->Caption) : FieldNames[section];
}

Qt::ItemFlags TAddressBrowseModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

int TAddressBrowseModel::ColumnWidthInCharacters(int column) const
{
    if (column < 0 || column >= FieldNames.size())
        return 0;
    const TViewFieldDef* field = TAddressSchema::FindViewField(FieldNames[column]);
    if (field == nullptr)
        return 10;
    return field->GridWidth > 0 ? field->GridWidth : Table.FieldWidth(FieldNames[column]);
}

int TAddressBrowseModel::Reload(uint32_t focusRecno)
{
    beginResetModel();
    Cache.clear();
    const int row = Rows.Rebuild(focusRecno);
    endResetModel();
    return row;
}

int TAddressBrowseModel::ToggleTag(int row)
{
    const uint32_t recno = Rows.RecordAt(row);
    if (recno == 0)
        return -1;
    Table.Table().go(recno);
    TTagger::ToggleTag(Table);
    // Tagging may move the record (in TAG order) or take it out of the set (a Tagged filter).
    return Reload(recno);
}
