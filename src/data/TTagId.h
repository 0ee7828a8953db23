// Tag ids: a record is tagged when its TAG field holds the current id, so clearing every tag is
// just making a new id. An id is the years since 1995 and the month-day-time "mmddhhnnss", each
// written in base 36 without leading zeros: 15 March 2024 10:20:30 gives T57LQA6.
#pragma once

#include <QDateTime>
#include <QString>

class TTagId {
public:
    static QString NewTagId(const QDateTime& now = QDateTime::currentDateTime());
    static QString Base36(long long value);
};
