#include "TChangePreviewModel.h"

#include "data/TCp1252.h"

#include <algorithm>

void TChangePreviewModel::Reset(const QStringList& fields, std::function<QString(const QString&)> caption)
{
    beginResetModel();
    Fields = fields;
    Captions.clear();
    for (const QString& field : fields)
        Captions << (caption ? caption(field) : field);
    Rows.clear();
    Include.clear();
    endResetModel();
}

void TChangePreviewModel::Append(std::vector<TValueChange>&& changes)
{
    if (changes.empty())
        return;
    const int first = static_cast<int>(Rows.size());
    beginInsertRows({}, first, first + static_cast<int>(changes.size()) - 1);
    Rows.insert(Rows.end(), std::make_move_iterator(changes.begin()), std::make_move_iterator(changes.end()));
    Include.resize(Rows.size(), true);
    endInsertRows();
    changes.clear();
}

uint32_t TChangePreviewModel::IncludedCount() const { return static_cast<uint32_t>(std::count(Include.begin(), Include.end(), true)); }

void TChangePreviewModel::SetIncluded(int row, bool included)
{
    if (row < 0 || row >= rowCount())
        return;
    Include[static_cast<size_t>(row)] = included;
    const QModelIndex cell = index(row, pcInclude);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
}

QVariant TChangePreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TValueChange& change = Rows[static_cast<size_t>(index.row())];
    if (role == Qt::CheckStateRole && index.column() == pcInclude)
        return Include[static_cast<size_t>(index.row())] ? Qt::Checked : Qt::Unchecked;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case pcRecord: return change.Recno;
    case pcField: return change.Field < Captions.size() ? Captions[change.Field] : QString();
    case pcBefore: return TCp1252::Decode(change.Before);
    case pcAfter: return TCp1252::Decode(change.After);
    default: return {};
    }
}

bool TChangePreviewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != pcInclude || role != Qt::CheckStateRole)
        return false;
    SetIncluded(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags TChangePreviewModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == pcInclude)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant TChangePreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case pcInclude: return QStringLiteral("Change");
    case pcRecord: return QStringLiteral("Record");
    case pcField: return QStringLiteral("Field");
    case pcBefore: return QStringLiteral("Before");
    case pcAfter: return QStringLiteral("After");
    default: return {};
    }
}
