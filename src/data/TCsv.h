// Comma-separated text as RFC 4180 has it: fields with a comma, a quote or a line break are
// quoted, quotes inside doubled, records end with CR LF. The reader also takes LF endings and
// skips lines starting with '#' when asked (the delivered data's comments).
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class TCsv {
public:
    static QString FormatRecord(const QStringList& fields); // with the CR LF
    static QString QuoteField(const QString& field);
    // Throws std::runtime_error on an unterminated quote, naming the record's line number.
    static std::vector<QStringList> Parse(const QString& text, bool skipCommentLines = false);
};
