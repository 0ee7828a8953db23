#include "TFieldLengths.h"
#include "TAddressSchema.h"
#include "settings/TIniFile.h"

namespace {
const TAddressFieldDef* Find(const QString& fieldName)
{
    for (const auto& field : TAddressSchema::StoredFields())
        if (fieldName.compare(QLatin1String(field.Name), Qt::CaseInsensitive) == 0)
            return &field;
    return nullptr;
}
} // namespace

TFieldLengths::TFieldLengths()
{
    for (const auto& field : TAddressSchema::StoredFields())
        if (field.WidthKey)
            Widths[QLatin1String(field.Name)] = field.DefaultWidth;
}

int TFieldLengths::Corrected(const QString& fieldName, int width)
{
    const TAddressFieldDef* field = Find(fieldName);
    if (!field)
        return width;
    return width < MinimumWidth || width > MaximumWidth ? field->DefaultWidth : width;
}

TFieldLengths TFieldLengths::Read(const TIniFile& settings)
{
    TFieldLengths lengths;
    for (const auto& field : TAddressSchema::StoredFields())
        if (field.WidthKey)
            lengths.SetWidth(QLatin1String(field.Name),
                             settings.ReadInteger(QLatin1String(Section), QLatin1String(field.WidthKey), field.DefaultWidth));
    return lengths;
}

void TFieldLengths::Write(TIniFile& settings) const
{
    for (const auto& field : TAddressSchema::StoredFields())
        if (field.WidthKey)
            settings.WriteInteger(QLatin1String(Section), QLatin1String(field.WidthKey), Width(QLatin1String(field.Name)));
}

int TFieldLengths::Width(const QString& fieldName) const
{
    const TAddressFieldDef* field = Find(fieldName);
    if (!field)
        return 0;
    const auto it = Widths.find(QLatin1String(field->Name));
    return it != Widths.end() ? it->second : field->DefaultWidth;
}

void TFieldLengths::SetWidth(const QString& fieldName, int width)
{
    const TAddressFieldDef* field = Find(fieldName);
    if (field && field->WidthKey)
        Widths[QLatin1String(field->Name)] = Corrected(fieldName, width);
}
