// Reads the records of a delimited text file one at a time, in bounded memory whatever the
// bytes: the file is decoded a block at a time and no value or record grows past fixed limits.
//
// Values follow the comma-separated conventions spreadsheets write: a value enclosed in double
// quotes may hold the delimiter, line breaks and doubled quotes standing for one. Anything a
// file without doubled quotes or quoted line breaks holds reads as the import always read it:
// a quote inside an unquoted value keeps the delimiters up to the next quote on the line in
// that value, and a value that both starts and ends with a quote loses those two quotes.
// Lines end with CR LF, LF or CR; an empty line is no record.
//
// DetectEncoding, DetectDelimiter and LooksLikeHeader look at the head of a file so the dialog
// can propose a format before anything is imported.
#pragma once

#include "TDelimitedTextFormat.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringList>

#include <vector>

class QIODevice;

class TDelimitedTextReader {
public:
    static constexpr int MaxColumns = 255;       // values past this in a record are dropped
    static constexpr int MaxValueLength = 4096;  // characters past this in a value are dropped
    static constexpr qint64 HeadBytes = 65536;   // what the detection looks at

    // Reads from the device's current position; a byte-order mark is skipped.
    TDelimitedTextReader(QIODevice& device, TTextEncoding encoding, QChar delimiter);

    // The next record's values; false at the end of the input. Throws std::runtime_error when
    // the device reports a read error.
    bool ReadRecord(QStringList& values);
    // Moves over the next record without keeping its values.
    bool SkipRecord();

    // From the first bytes of a file: UTF-16 or UTF-8 by their byte-order mark, else UTF-8 when
    // the bytes are valid UTF-8, else Windows-1252.
    static TTextEncoding DetectEncoding(const QByteArray& head);
    // Comma, semicolon or tab: the one that splits the sample's records into the same number
    // of values (more than one), the most values winning; comma when none does.
    static QChar DetectDelimiter(const QString& sample);
    // The first record looks like column names: at least two records, every name filled in,
    // different and holding a letter, and either one of them is a known name or the names hold
    // no digit while a column below them mostly does.
    static bool LooksLikeHeader(const std::vector<QStringList>& records, const QStringList& knownNames);
    // Every record of a text (tests, previews).
    static std::vector<QStringList> SplitText(const QString& text, QChar delimiter, int maxRecords = -1);
    // Detects the whole format from the head of a file.
    static TDelimitedTextFormat DetectFormat(const QByteArray& head, const QStringList& knownNames);
    // The head decoded as text (a byte-order mark dropped, an incomplete last character too).
    static QString DecodeHead(const QByteArray& head, TTextEncoding encoding);

private:
    explicit TDelimitedTextReader(QChar delimiter);
    bool Fill();
    bool Parse(QStringList* values);
    void EndValue(QStringList* values);

    enum class TState { tsValueStart, tsUnquoted, tsProtected, tsQuoted, tsQuotedQuote };

    QIODevice* Device = nullptr;
    TTextEncoding Encoding = TTextEncoding::teUtf8;
    QChar Delimiter;
    QStringDecoder Decoder;
    QByteArray Bytes;
    QString Text;       // decoded characters not yet parsed
    qsizetype Position = 0;
    bool AtEnd = false;
    bool SkipLineFeed = false; // the last line ended with CR: a LF right after it belongs to it

    QString Value;
    QString Raw;              // a quoted value as written, in case text follows its closing quote
    bool StripQuotes = false;
    int ValueCount = 0;
};
