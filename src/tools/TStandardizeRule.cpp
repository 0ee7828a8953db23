#include "TStandardizeRule.h"

#include <vector>

QStringList TStandardizeRule::DefaultFields()
{
    return {QStringLiteral("STREET"), QStringLiteral("STREET2"), QStringLiteral("STATE"), QStringLiteral("ZIP")};
}

QStringList TStandardizeRule::OfferedFields()
{
    return {QStringLiteral("STREET"), QStringLiteral("STREET2"), QStringLiteral("CITY"), QStringLiteral("STATE"), QStringLiteral("ZIP")};
}

QString TStandardizeRule::CaptionOf(const QString& field)
{
    const QString upper = field.toUpper();
    if (upper == QLatin1String("STREET"))
        return QStringLiteral("Address 1");
    if (upper == QLatin1String("STREET2"))
        return QStringLiteral("Address 2");
    if (upper == QLatin1String("CITY"))
        return QStringLiteral("City");
    if (upper == QLatin1String("STATE"))
        return QStringLiteral("State/Province");
    if (upper == QLatin1String("ZIP"))
        return QStringLiteral("Zip/Postal Code");
    return field;
}

QStringList TStandardizeRule::FieldsNamed(const QString& list, QString* error)
{
    QStringList wanted;
    for (const QString& typed : list.split(u',', Qt::SkipEmptyParts)) {
        const QString name = typed.trimmed();
        QString found;
        for (const QString& field : OfferedFields())
            if (name.compare(field, Qt::CaseInsensitive) == 0 || name.compare(CaptionOf(field), Qt::CaseInsensitive) == 0)
                found = field;
        if (found.isEmpty()) {
            if (error)
                *error = name + QStringLiteral(" is not one of the fields standardization works on (STREET, STREET2, CITY, STATE, ZIP)");
            return {};
        }
        if (!wanted.contains(found))
            wanted << found;
    }
    QStringList ordered;
    for (const QString& field : OfferedFields())
        if (wanted.contains(field))
            ordered << field;
    return ordered;
}

TFieldRewrite::TRule TStandardizeRule::Rule(std::shared_ptr<const TAddressStandardizer> tables, const QStringList& fields, bool upper)
{
    std::vector<TStandardField> kinds;
    for (const QString& field : fields) {
        TStandardField kind = TStandardField::sfStreet;
        TAddressStandardizer::FieldOf(field, &kind);
        kinds.push_back(kind);
    }
    return [tables = std::move(tables), kinds, upper](size_t field, std::string_view value) {
        return tables->Standard(kinds[field], value, upper);
    };
}
