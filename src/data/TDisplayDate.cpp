#include "TDisplayDate.h"

#include <QDate>
#include <QLocale>

namespace {
QString sessionFormat;

// Qt writes months with M and minutes with m; the old-style pattern has only dates, so its m is
// always a month.
QString ToQtFormat(const QString& lowerPattern)
{
    QString format = lowerPattern;
    format.replace(u'm', u'M');
    return format;
}

QChar SeparatorOf(const QString& qtFormat)
{
    for (QChar c : qtFormat)
        if (!c.isLetter() && c != u'\'')
            return c;
    return u'/';
}
} // namespace

QString TDisplayDate::WidenPattern(const QString& shortDatePattern, QChar separator)
{
    QString pattern = shortDatePattern.toUpper();
    if (!pattern.contains(QLatin1String("YYYY"))) {
        if (const int at = pattern.indexOf(QLatin1String("YYY")); at >= 0)
            pattern.insert(at, QLatin1String("Y"));
        else if (const int at2 = pattern.indexOf(QLatin1String("YY")); at2 >= 0)
            pattern.insert(at2, QLatin1String("YY"));
        else if (const int at3 = pattern.indexOf(u'Y'); at3 >= 0)
            pattern.insert(at3, QLatin1String("YYY"));
        else
            pattern += separator + QLatin1String("YYYY");
    }
    return pattern.toLower();
}

QString TDisplayDate::WidenQtFormat(const QString& qtShortFormat)
{
    return ToQtFormat(WidenPattern(qtShortFormat, SeparatorOf(qtShortFormat)));
}

const QString& TDisplayDate::SessionFormat()
{
    if (sessionFormat.isEmpty())
        sessionFormat = WidenQtFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
    return sessionFormat;
}

void TDisplayDate::SetSessionFormat(const QString& qtFormat) { sessionFormat = qtFormat; }

QString TDisplayDate::Format(const QString& stored, const QString& qtFormat)
{
    if (stored.size() < 8)
        return QString();
    for (int i = 0; i < 8; ++i)
        if (!stored[i].isDigit())
            return QString();
    bool yearOk = false, monthOk = false, dayOk = false;
    const QDate date(stored.mid(0, 4).toInt(&yearOk), stored.mid(4, 2).toInt(&monthOk), stored.mid(6, 2).toInt(&dayOk));
    if (!yearOk || !monthOk || !dayOk || !date.isValid())
        return QString();
    return QLocale::system().toString(date, qtFormat);
}
