#include "TLDataSource.h"

#include "data/TAddressSchema.h"

#include <stdexcept>

const TLDataField* TLDataSource::FieldByLabel(const QString& label) const
{
    if (label.isEmpty())
        return nullptr;
    const TLDataField* found = nullptr;
    for (const TLDataField& field : Fields())
        if (field.DisplayLabel == label)
            found = &field;
    return found;
}

std::vector<TLDataField> AddressViewFields()
{
    std::vector<TLDataField> fields;
    for (const TViewFieldDef& def : TAddressSchema::ViewFields()) {
        TLDataField field;
        field.Name = QString::fromLatin1(def.Name);
        field.DisplayLabel = QString::fromLatin1(def.Caption);
        field.Visible = def.Shown;
        field.Kind = field.Name == QLatin1String("MEMO")    ? TLDataField::TKind::Memo
                     : field.Name == QLatin1String("ISDEL") ? TLDataField::TKind::Other
                                                            : TLDataField::TKind::String;
        fields.push_back(field);
    }
    return fields;
}

TLRecordDataSource::TLRecordDataSource() : FieldList(AddressViewFields()) {}

QString TLRecordDataSource::FieldText(const QString& name) const
{
    for (const TLDataField& field : FieldList)
        if (field.Name == name)
            return Values.value(name);
    throw std::runtime_error("Field not found: " + name.toStdString());
}

void TLRecordDataSource::RemoveField(const QString& name)
{
    std::erase_if(FieldList, [&](const TLDataField& field) { return field.Name == name; });
}
