#include "TLAddressDataSource.h"

#include "data/TAddressTable.h"

TLAddressDataSource::TLAddressDataSource(TAddressTable& table) : Table(table), FieldList(AddressViewFields()) {}

QString TLAddressDataSource::FieldText(const QString& name) const { return Table.Value(name); }

bool TLAddressDataSource::MemoEmpty(const QString&) const { return Table.Memo().isEmpty(); }

QString TLAddressDataSource::MemoText(const QString&) const { return Table.Memo(); }
