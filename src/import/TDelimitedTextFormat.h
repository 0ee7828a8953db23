// How a delimited text file is to be read: its encoding, the character between values, and
// whether its first line names the columns. Detected from the head of the file and shown in
// the import dialog, where the user may change each of them.
#pragma once

#include <QChar>
#include <QString>

enum class TTextEncoding { teUtf8, teUtf16LE, teUtf16BE, teCp1252 };

struct TDelimitedTextFormat {
    TTextEncoding Encoding = TTextEncoding::teUtf8;
    QChar Delimiter = u',';
    bool HeaderLine = false;

    static QString EncodingName(TTextEncoding encoding);  // "UTF-8", "UTF-16 LE", ...
    static QString DelimiterName(QChar delimiter);        // "Comma", "Semicolon", "Tab"
};
