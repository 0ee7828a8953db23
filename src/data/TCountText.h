// A count with its noun as people write it: "1 record", "0 records", "12 records".
#pragma once

#include <QString>

class TCountText {
public:
    static QString Of(qint64 count, const QString& one, const QString& many)
    {
        return QString::number(count) + u' ' + (count == 1 ? one : many);
    }
    static QString Records(qint64 count) { return Of(count, QStringLiteral("record"), QStringLiteral("records")); }
};
