#include "TLDateTimeLabel.h"

#include "TLStreamWriter.h"
#include "TLValueRead.h"

#include <QLocale>

std::function<QDateTime()>& TLDateTimeLabel::Clock()
{
    static std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
    return clock;
}

QString TLDateTimeLabel::DateTimeText() const
{
    const QLocale locale = QLocale::system();
    const QDateTime now = Clock()();
    QString text;
    if (DateFormat == TDateFormat::dtfDateShort)
        text = locale.toString(now.date(), QLocale::ShortFormat);
    else if (DateFormat == TDateFormat::dtfDateLong)
        text = locale.toString(now.date(), QLocale::LongFormat);
    if (TimeFormat != TTimeFormat::dtfTimeNone)
        text += u' ' + locale.toString(now.time(), TimeFormat == TTimeFormat::dtfTimeShort ? QLocale::ShortFormat
                                                                                            : QLocale::LongFormat);
    return text;
}

void TLDateTimeLabel::PrepareCaption()
{
    const QString text = DateTimeText();
    if (text != Caption)
        SetCaption(text);
}

void TLDateTimeLabel::WriteProperties(TLStreamWriter& writer) const
{
    TLBaseLabel::WriteProperties(writer);
    writer.Ident("DateFormat", kDateFormatNames, int(DateFormat));
    writer.Ident("TimeFormat", kTimeFormatNames, int(TimeFormat));
}

bool TLDateTimeLabel::ReadProperty(const QByteArray& name, const TLValue& value)
{
    if (name == "DateFormat")
        DateFormat = TLValueRead::EnumOf<TDateFormat>(value, kDateFormatNames);
    else if (name == "TimeFormat")
        TimeFormat = TLValueRead::EnumOf<TTimeFormat>(value, kTimeFormatNames);
    else
        return TLBaseLabel::ReadProperty(name, value);
    return true;
}
