// How the stored DATE (eight digits YYYYMMDD) is shown: with the system's short date pattern,
// widened to a four-digit year. The pattern is made once per run; tests make their own.
#pragma once

#include <QString>

class TDisplayDate {
public:
    // The widening rule on an old-style pattern (d, m, y letters, any case): a pattern with
    // "yyyy" stays; "yyy" gets one more y, "yy" two more, "y" three more; no year at all gets
    // the separator and "yyyy" appended. The result is lower case.
    static QString WidenPattern(const QString& shortDatePattern, QChar separator);
    // The same, starting from a Qt date format such as "M/d/yy" or "dd.MM.yy"; gives a Qt format.
    static QString WidenQtFormat(const QString& qtShortFormat);
    // The pattern of this run, from QLocale::system(), made on first use.
    static const QString& SessionFormat();
    static void SetSessionFormat(const QString& qtFormat); // tests

    // Empty when `stored` is empty or its first eight characters are not a valid date.
    static QString Format(const QString& stored, const QString& qtFormat = SessionFormat());
};
