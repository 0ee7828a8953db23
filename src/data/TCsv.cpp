#include "TCsv.h"

#include <stdexcept>

QString TCsv::QuoteField(const QString& field)
{
    const bool needsQuotes = field.contains(u',') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r');
    if (!needsQuotes)
        return field;
    QString quoted = field;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

QString TCsv::FormatRecord(const QStringList& fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += u',';
        line += QuoteField(fields[i]);
    }
    return line + QLatin1String("\r\n");
}

std::vector<QStringList> TCsv::Parse(const QString& text, bool skipCommentLines)
{
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool inQuotes = false;
    bool atRecordStart = true;
    int line = 1;
    int recordLine = 1;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (atRecordStart && skipCommentLines && c == u'#') {
            while (i < n && text[i] != u'\n')
                ++i;
            ++line;
            continue;
        }
        if (atRecordStart)
            recordLine = line;
        atRecordStart = false;
        if (inQuotes) {
            if (c == u'"' && i + 1 < n && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
        } else if (c == u',') {
            record << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
            continue; // the LF ends the record
        } else if (c == u'\n') {
            record << field;
            records.push_back(record);
            record.clear();
            field.clear();
            atRecordStart = true;
            ++line;
        } else {
            field += c;
        }
    }
    if (inQuotes)
        throw std::runtime_error("unterminated quoted field in the record starting on line " + std::to_string(recordLine));
    if (!atRecordStart) {
        record << field;
        records.push_back(record);
    }
    return records;
}
