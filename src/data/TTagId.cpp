#include "TTagId.h"

QString TTagId::Base36(long long value)
{
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString text;
    while (value > 0) {
        text.prepend(QLatin1Char(digits[value % 36]));
        value /= 36;
    }
    return text;
}

QString TTagId::NewTagId(const QDateTime& now)
{
    const QDate date = now.date();
    const QTime time = now.time();
    const long long monthDayTime = date.month() * 100000000LL + date.day() * 1000000LL + time.hour() * 10000LL
                                   + time.minute() * 100LL + time.second();
    return Base36(date.year() - 1995) + Base36(monthDayTime);
}
