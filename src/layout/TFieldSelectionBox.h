// "Select Field": the display labels of the fields a data text (string fields that are visible
// and not tagged negative) or a memo text (memo fields) can show, in data-set order. The
// object's current field is preselected, else the first.
#pragma once

#include "TLDataSource.h"

#include <QDialog>

#include <optional>
#include <vector>

class QListWidget;

class TFieldSelectionBox : public QDialog {
    Q_OBJECT
public:
    TFieldSelectionBox(std::vector<TLDataField> fields, const QString& currentLabel, QWidget* parent = nullptr);

    // The fields an object may bind to; none without a data set.
    static std::vector<TLDataField> Candidates(const TLDataSource* source, bool memo);

    std::optional<TLDataField> Selected() const;
    QListWidget* List() const { return FieldList; }

private:
    std::vector<TLDataField> Fields;
    QListWidget* FieldList;
};
