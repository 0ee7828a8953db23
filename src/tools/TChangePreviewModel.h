// The preview grid of a value-rewriting tool: one row per change found (record, field, value
// before, value after), with a box per row that leaves the change out when cleared. Rows are
// added in batches while the pass runs, so the first changes show at once.
//
// Contract: `fields` names the fields the changes' indexes refer to; captions are shown.
#pragma once

#include "TFieldRewrite.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <vector>

class TChangePreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { pcInclude, pcRecord, pcField, pcBefore, pcAfter, pcColumns };

    explicit TChangePreviewModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Empties the grid for a new pass over `fields`, whose captions `caption` gives.
    void Reset(const QStringList& fields, std::function<QString(const QString&)> caption);
    // Appends changes found (all included).
    void Append(std::vector<TValueChange>&& changes);

    const std::vector<TValueChange>& Changes() const { return Rows; }
    const std::vector<bool>& Included() const { return Include; }
    uint32_t IncludedCount() const;
    void SetIncluded(int row, bool included);

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : static_cast<int>(Rows.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : pcColumns; }
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList Fields;
    QStringList Captions;
    std::vector<TValueChange> Rows;
    std::vector<bool> Include;
};
