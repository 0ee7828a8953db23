#include "TXbaseLiteral.h"

std::optional<QString> TXbaseLiteral::Quote(const QString& value)
{
    if (!value.contains(QLatin1Char('"')))
        return QLatin1Char('"') + value + QLatin1Char('"');
    if (!value.contains(QLatin1Char('\'')))
        return QLatin1Char('\'') + value + QLatin1Char('\'');
    if (!value.contains(QLatin1Char(']')))
        return QLatin1Char('[') + value + QLatin1Char(']');
    return std::nullopt;
}

QString TXbaseLiteral::RefusedMessage(const QString& value)
{
    return QStringLiteral("The value %1 holds all three quote characters (\", ' and ]) and cannot be searched for.")
        .arg(value);
}
