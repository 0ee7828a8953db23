// The paragraphs of a memo as every printout breaks it: at each line break (CR LF, LF or CR).
// A line break that ends the memo ends its last paragraph and starts no empty one, so "Note\r\n"
// prints one row and a memo that is only a line break prints nothing; an empty line typed
// inside the memo stays.
#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

class TMemoParagraphs {
public:
    static QStringList Split(const QString& memo)
    {
        static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
        QString text = memo;
        if (text.endsWith(QLatin1String("\r\n")))
            text.chop(2);
        else if (text.endsWith(u'\n') || text.endsWith(u'\r'))
            text.chop(1);
        return text.split(lineBreak);
    }
};
