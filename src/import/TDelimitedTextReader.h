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
// A quoted value that runs to the end of the input, or over MaxQuotedLines line breaks or
// MaxQuotedCharacters characters, was never meant to hold them: its quote was not closed. The
// record is read again from its line, and from there on a line break always ends a record
// (the old rule: the rest of the unclosed value's line stays in that value). Notice() says so.
//
// DetectEncoding, DetectDelimiter and LooksLikeHeader look at the head of a file so the dialog
// can propose a format before anything is imported.
#pragma once

#include "TDelimitedTextFormat.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringList>

#include <optional>
#include <vector>

class QIODevice;

class TDelimitedTextReader {
public:
    static constexpr int MaxColumns = 255;       // values past this in a record are dropped
    static constexpr int MaxValueLength = 4096;  // characters past this in a value are dropped
    static constexpr qint64 HeadBytes = 65536;   // what the detection looks at
    static constexpr int MaxQuotedLines = 100;   // line breaks a quoted value may hold
    static constexpr int MaxQuotedCharacters = 65536;

    // Reads from the device's current position; a byte-order mark is skipped.
    TDelimitedTextReader(QIODevice& device, TTextEncoding encoding, QChar delimiter);

    // The next record's values; false at the end of the input. Throws std::runtime_error when
    // the device reports a read error.
    bool ReadRecord(QStringList& values);
    // Moves over the next record without keeping its values.
    bool SkipRecord();
    // After an unclosed quote: what the user is told, with the line it opened on; else empty.
    const QString& Notice() const { return UnclosedNotice; }
    // The line the last record read started on, from 1.
    qint64 RecordLine() const { return RecordStartLine; }

    // From the first bytes of a file: UTF-16 or UTF-8 by their byte-order mark, else UTF-8 when
    // the bytes are valid UTF-8, else Windows-1252.
    static TTextEncoding DetectEncoding(const QByteArray& head);
    // The same decision over the whole of a file read from its start: a file that is valid
    // UTF-8 in its head but not further on is Windows-1252. Throws std::runtime_error on a
    // read error.
    static TTextEncoding DetectEncoding(QIODevice& device);
    // Comma, semicolon or tab: of those that split every record of the sample into the same
    // number of values (more than one) the comma, unless tabs give more values than commas, then
    // the semicolon; when none does, the one giving the first record the most values; comma
    // when none gives more than one. `cutShort`: the sample's last record may be incomplete.
    static QChar DetectDelimiter(const QString& sample, bool cutShort = false);
    // The first record looks like column names: at least two records, every name filled in,
    // different and holding a letter, and either one of them is a known name or the names hold
    // no digit while a column below them mostly does.
    static bool LooksLikeHeader(const std::vector<QStringList>& records, const QStringList& knownNames);
    // Every record of a text (tests, previews).
    static std::vector<QStringList> SplitText(const QString& text, QChar delimiter, int maxRecords = -1);
    // Detects the whole format from the head of a file (the encoding too, unless given).
    static TDelimitedTextFormat DetectFormat(const QByteArray& head, const QStringList& knownNames,
                                             std::optional<TTextEncoding> encoding = std::nullopt);
    // The head decoded as text (a byte-order mark dropped, an incomplete last character too).
    static QString DecodeHead(const QByteArray& head, TTextEncoding encoding);

private:
    explicit TDelimitedTextReader(QChar delimiter);
    bool Fill();
    bool Parse(QStringList* values);
    void EndValue(QStringList* values);
    void CountLine() { ++Line; }
    // Back to the start of the current record, which is read again under the old rule.
    bool RewindUnclosed();

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

    qsizetype RecordBegin = -1; // where the current record starts in Text, -1 when it cannot be read again
    qint64 Line = 1;            // the line the parser is on
    qint64 RecordStartLine = 1;
    bool RecordStartSkipsLineFeed = false;
    int QuotedLines = 0;
    int QuotedCharacters = 0;
    bool LineBreaksEndRecords = false; // after an unclosed quote
    QString UnclosedNotice;

    QString Value;
    QString Raw;              // a quoted value as written, in case text follows its closing quote
    bool StripQuotes = false;
    int ValueCount = 0;
};
