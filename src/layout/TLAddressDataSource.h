// The open address table as the data set of a layout panel: the address view's fields with
// their captions as display labels, values of the current record.
#pragma once

#include "TLDataSource.h"

class TAddressTable;

std::vector<TLDataField> AddressViewFields();

class TLAddressDataSource : public TLDataSource {
public:
    explicit TLAddressDataSource(TAddressTable& table);
    bool Active() const override { return true; }
    const std::vector<TLDataField>& Fields() const override { return FieldList; }
    QString FieldText(const QString& name) const override;
    bool MemoEmpty(const QString& name) const override;
    QString MemoText(const QString& name) const override;

private:
    TAddressTable& Table;
    std::vector<TLDataField> FieldList;
};
