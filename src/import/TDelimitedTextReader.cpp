#include "TDelimitedTextReader.h"

#include "data/TCp1252.h"

#include <QIODevice>

#include <algorithm>
#include <optional>
#include <array>
#include <stdexcept>

namespace {

constexpr qint64 BlockBytes = 65536;
// How much of a record is kept so that it can be read again after an unclosed quote.
constexpr qsizetype RewindLimit = 1 << 20;

QStringConverter::Encoding QtEncoding(TTextEncoding encoding)
{
    switch (encoding) {
    case TTextEncoding::teUtf16LE:
        return QStringConverter::Utf16LE;
    case TTextEncoding::teUtf16BE:
        return QStringConverter::Utf16BE;
    default:
        return QStringConverter::Utf8;
    }
}

// Valid UTF-8 throughout, a sequence cut off by the end of the bytes excepted; `cut` (when
// given) receives where such a sequence starts, else the size.
bool IsUtf8(const QByteArray& bytes, qsizetype* cut = nullptr)
{
    if (cut)
        *cut = bytes.size();
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char lead = p[i];
        int follow = 0;
        if (lead < 0x80)
            follow = 0;
        else if (lead >= 0xC2 && lead <= 0xDF)
            follow = 1;
        else if (lead >= 0xE0 && lead <= 0xEF)
            follow = 2;
        else if (lead >= 0xF0 && lead <= 0xF4)
            follow = 3;
        else
            return false;
        for (int k = 1; k <= follow; ++k) {
            if (i + k >= n) {
                if (cut)
                    *cut = i;
                return true; // cut off by the end of the head
            }
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += follow + 1;
    }
    return true;
}

bool HasLetter(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

bool HasDigit(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

QString TDelimitedTextFormat::EncodingName(TTextEncoding encoding)
{
    switch (encoding) {
    case TTextEncoding::teUtf8:
        return QStringLiteral("UTF-8");
    case TTextEncoding::teUtf16LE:
        return QStringLiteral("UTF-16 LE");
    case TTextEncoding::teUtf16BE:
        return QStringLiteral("UTF-16 BE");
    case TTextEncoding::teCp1252:
        break;
    }
    return QStringLiteral("Windows-1252");
}

QString TDelimitedTextFormat::DelimiterName(QChar delimiter)
{
    if (delimiter == u';')
        return QStringLiteral("Semicolon");
    if (delimiter == u'\t')
        return QStringLiteral("Tab");
    return QStringLiteral("Comma");
}

TDelimitedTextReader::TDelimitedTextReader(QChar delimiter) : Delimiter(delimiter) {}

TDelimitedTextReader::TDelimitedTextReader(QIODevice& device, TTextEncoding encoding, QChar delimiter)
    : Device(&device), Encoding(encoding), Delimiter(delimiter), Decoder(QtEncoding(encoding))
{
}

bool TDelimitedTextReader::Fill()
{
    // The current record's start stays with the new characters while it may be read again.
    QString carry;
    if (RecordBegin >= 0 && Text.size() - RecordBegin <= RewindLimit)
        carry = Text.mid(RecordBegin);
    else
        RecordBegin = -1;
    const auto withCarry = [&](bool filled) {
        if (RecordBegin >= 0) {
            Text.prepend(carry);
            Position = carry.size();
            RecordBegin = 0;
        }
        return filled;
    };
    Text.clear();
    Position = 0;
    while (Text.isEmpty()) {
        if (!Device || AtEnd)
            return withCarry(false);
        Bytes.resize(BlockBytes);
        const qint64 got = Device->read(Bytes.data(), BlockBytes);
        if (got < 0)
            throw std::runtime_error("the file could not be read");
        if (got == 0) {
            AtEnd = true;
            return withCarry(false);
        }
        Bytes.resize(got);
        Text = Encoding == TTextEncoding::teCp1252 ? TCp1252::Decode({Bytes.constData(), static_cast<size_t>(got)})
                                                   : Decoder.decode(Bytes);
    }
    return withCarry(true);
}

bool TDelimitedTextReader::RewindUnclosed()
{
    if (UnclosedNotice.isEmpty())
        UnclosedNotice = QStringLiteral("A quoted value opened on line %1 is never closed: from that line on, "
                                        "every line was read as one record.")
                             .arg(RecordStartLine);
    LineBreaksEndRecords = true;
    if (RecordBegin < 0)
        return false;
    Position = RecordBegin;
    Line = RecordStartLine;
    SkipLineFeed = RecordStartSkipsLineFeed;
    return true;
}

void TDelimitedTextReader::EndValue(QStringList* values)
{
    if (values && ValueCount < MaxColumns) {
        // What a quoted start turned into an ordinary value keeps the old rule: both enclosing
        // quotes go.
        if (StripQuotes && !Value.isEmpty() && Value.front() == u'"' && Value.back() == u'"')
            values->append(Value.size() < 2 ? QString() : Value.mid(1, Value.size() - 2));
        else
            values->append(Value);
    }
    ++ValueCount;
    Value.clear();
    Raw.clear();
    StripQuotes = false;
}

bool TDelimitedTextReader::Parse(QStringList* values)
{
    if (values)
        values->clear();
    Value.clear();
    Raw.clear();
    StripQuotes = false;
    ValueCount = 0;
    const bool keep = values != nullptr;
    auto add = [keep](QString& to, QChar c) {
        if (keep && to.size() < MaxValueLength)
            to.append(c);
    };
    TState state = TState::tsValueStart;
    bool started = false; // the record holds something, be it only a delimiter
    const auto beginRecord = [&] {
        RecordBegin = Position;
        RecordStartLine = Line;
        RecordStartSkipsLineFeed = SkipLineFeed;
    };
    const auto restart = [&] {
        if (values)
            values->clear();
        Value.clear();
        Raw.clear();
        StripQuotes = false;
        ValueCount = 0;
        state = TState::tsValueStart;
        started = false;
    };
    // The unclosed value keeps what its line holds, as the old rule read it.
    const auto endUnclosed = [&] {
        Value = Raw;
        StripQuotes = true;
        EndValue(values);
    };
    beginRecord();
    for (;;) {
        if (Position >= Text.size() && !Fill()) {
            if (!started)
                return false;
            if (state == TState::tsQuoted) {
                if (!LineBreaksEndRecords && RewindUnclosed()) {
                    restart();
                    continue;
                }
                endUnclosed();
                return true;
            }
            EndValue(values);
            return true;
        }
        // Plain characters of an unquoted value go over in one piece.
        if (state == TState::tsUnquoted) {
            const qsizetype from = Position;
            const QChar* data = Text.constData();
            const qsizetype n = Text.size();
            while (Position < n) {
                const QChar c = data[Position];
                if (c == Delimiter || c == u'"' || c == u'\n' || c == u'\r')
                    break;
                ++Position;
            }
            if (keep && Value.size() < MaxValueLength)
                Value.append(data + from, std::min<qsizetype>(Position - from, MaxValueLength - Value.size()));
            if (Position >= n)
                continue;
        }
        const QChar c = Text[Position++];
        if (SkipLineFeed) {
            SkipLineFeed = false;
            if (c == u'\n')
                continue;
        }
        const bool lineBreak = c == u'\n' || c == u'\r';
        switch (state) {
        case TState::tsValueStart:
            if (lineBreak) {
                SkipLineFeed = c == u'\r';
                CountLine();
                if (!started) {
                    beginRecord(); // an empty line is no record
                    continue;
                }
                EndValue(values);
                return true;
            }
            started = true;
            if (c == Delimiter) {
                EndValue(values);
            } else if (c == u'"') {
                add(Raw, c);
                QuotedLines = 0;
                QuotedCharacters = 0;
                state = TState::tsQuoted;
            } else {
                add(Value, c);
                state = TState::tsUnquoted;
            }
            break;
        case TState::tsUnquoted:
        case TState::tsProtected:
            if (lineBreak) {
                SkipLineFeed = c == u'\r';
                CountLine();
                EndValue(values);
                return true;
            }
            if (c == u'"') {
                add(Value, c);
                state = state == TState::tsUnquoted ? TState::tsProtected : TState::tsUnquoted;
            } else if (c == Delimiter && state == TState::tsUnquoted) {
                EndValue(values);
                state = TState::tsValueStart;
            } else {
                add(Value, c);
            }
            break;
        case TState::tsQuoted:
            if (lineBreak) {
                if (LineBreaksEndRecords) {
                    SkipLineFeed = c == u'\r';
                    CountLine();
                    endUnclosed();
                    return true;
                }
                // A CR LF pair is one line break; the LF is counted with its CR.
                if (c == u'\r' || Position < 2 || Text[Position - 2] != u'\r') {
                    CountLine();
                    ++QuotedLines;
                }
            }
            // Once line breaks end records, a long quoted value on one line is just long.
            if (!LineBreaksEndRecords && (++QuotedCharacters > MaxQuotedCharacters || QuotedLines > MaxQuotedLines)) {
                if (RewindUnclosed()) {
                    restart();
                    continue;
                }
                endUnclosed(); // too long to read again: the record ends here
                return true;
            }
            add(Raw, c);
            if (c == u'"')
                state = TState::tsQuotedQuote;
            else
                add(Value, c);
            break;
        case TState::tsQuotedQuote:
            if (c == u'"') {
                add(Raw, c);
                add(Value, c);
                state = TState::tsQuoted;
            } else if (c == Delimiter) {
                EndValue(values);
                state = TState::tsValueStart;
            } else if (lineBreak) {
                SkipLineFeed = c == u'\r';
                CountLine();
                EndValue(values);
                return true;
            } else {
                // Text after the closing quote: the value is what was written, quotes and all,
                // read on as an unquoted value.
                Value = Raw;
                StripQuotes = true;
                --Position;
                state = TState::tsUnquoted;
            }
            break;
        }
    }
}

bool TDelimitedTextReader::ReadRecord(QStringList& values) { return Parse(&values); }

bool TDelimitedTextReader::SkipRecord() { return Parse(nullptr); }

TTextEncoding TDelimitedTextReader::DetectEncoding(const QByteArray& head)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        return TTextEncoding::teUtf8;
    if (head.startsWith("\xFF\xFE"))
        return TTextEncoding::teUtf16LE;
    if (head.startsWith("\xFE\xFF"))
        return TTextEncoding::teUtf16BE;
    // Text in UTF-16 without a mark shows itself by the zero bytes of its ASCII characters.
    qsizetype evenZeros = 0;
    qsizetype oddZeros = 0;
    for (qsizetype i = 0; i < head.size(); ++i)
        if (head[i] == '\0')
            ++(i % 2 == 0 ? evenZeros : oddZeros);
    const qsizetype pairs = head.size() / 2;
    if (pairs > 0 && oddZeros * 4 > pairs * 3 && evenZeros == 0)
        return TTextEncoding::teUtf16LE;
    if (pairs > 0 && evenZeros * 4 > pairs * 3 && oddZeros == 0)
        return TTextEncoding::teUtf16BE;
    return IsUtf8(head) ? TTextEncoding::teUtf8 : TTextEncoding::teCp1252;
}

TTextEncoding TDelimitedTextReader::DetectEncoding(QIODevice& device)
{
    QByteArray block = device.read(HeadBytes);
    if (block.size() < 0)
        throw std::runtime_error("the file could not be read");
    const TTextEncoding fromHead = DetectEncoding(block);
    // A byte-order mark or UTF-16 decides; UTF-8 without a mark must hold to the last byte.
    if (fromHead != TTextEncoding::teUtf8 || block.startsWith("\xEF\xBB\xBF"))
        return fromHead;
    for (;;) {
        qsizetype cut = 0;
        if (!IsUtf8(block, &cut))
            return TTextEncoding::teCp1252;
        QByteArray next = device.read(BlockBytes);
        if (next.isEmpty()) // the end (a read error shows again when the import reads the file)
            return cut == block.size() ? TTextEncoding::teUtf8 : TTextEncoding::teCp1252;
        block = block.mid(cut) + next; // a sequence cut by the block's end is checked whole
    }
}

QString TDelimitedTextReader::DecodeHead(const QByteArray& head, TTextEncoding encoding)
{
    if (encoding == TTextEncoding::teCp1252)
        return TCp1252::Decode({head.constData(), static_cast<size_t>(head.size())});
    QStringDecoder decoder(QtEncoding(encoding));
    return decoder.decode(head);
}

std::vector<QStringList> TDelimitedTextReader::SplitText(const QString& text, QChar delimiter, int maxRecords)
{
    TDelimitedTextReader reader(delimiter);
    reader.Text = text;
    std::vector<QStringList> records;
    QStringList values;
    while ((maxRecords < 0 || static_cast<int>(records.size()) < maxRecords) && reader.ReadRecord(values))
        records.push_back(values);
    return records;
}

QChar TDelimitedTextReader::DetectDelimiter(const QString& sample, bool cutShort)
{
    constexpr std::array<char16_t, 3> candidates = {u',', u';', u'\t'};
    constexpr int SampleRecords = 100;
    QChar widest = u',';
    qsizetype widestCount = 1;
    std::array<qsizetype, 3> consistentCount{}; // per candidate, 0 when its counts differ
    for (size_t c = 0; c < candidates.size(); ++c) {
        const auto records = SplitText(sample, QChar(candidates[c]), SampleRecords);
        if (records.empty())
            continue;
        const qsizetype count = records.front().size();
        if (count <= 1)
            continue;
        // The last record of a head cut off by its end only has to stay within the count.
        bool consistent = true;
        for (size_t i = 1; i < records.size() && consistent; ++i)
            consistent = cutShort && i + 1 == records.size() ? records[i].size() <= count : records[i].size() == count;
        if (consistent)
            consistentCount[c] = count;
        if (count > widestCount) {
            widest = QChar(candidates[c]);
            widestCount = count;
        }
    }
    // A comma file whose values hold semicolons stays a comma file; tabs, which values hardly
    // ever hold, win over commas that split names like "Smith, John" only when they give more
    // columns.
    const auto [comma, semicolon, tab] = consistentCount;
    if (tab > 0 && tab > comma)
        return u'\t';
    if (comma > 0)
        return u',';
    if (semicolon > 0)
        return u';';
    return widest;
}

bool TDelimitedTextReader::LooksLikeHeader(const std::vector<QStringList>& records, const QStringList& knownNames)
{
    if (records.size() < 2)
        return false;
    const QStringList& names = records.front();
    QStringList seen;
    bool known = false;
    bool namesHoldDigits = false;
    for (const QString& value : names) {
        const QString name = value.trimmed();
        if (name.isEmpty() || !HasLetter(name) || seen.contains(name, Qt::CaseInsensitive) || name.size() > 40)
            return false;
        seen << name;
        known = known || knownNames.contains(name, Qt::CaseInsensitive);
        namesHoldDigits = namesHoldDigits || HasDigit(name);
    }
    if (known)
        return true;
    if (namesHoldDigits)
        return false;
    for (qsizetype column = 0; column < names.size(); ++column) {
        size_t withDigits = 0;
        for (size_t row = 1; row < records.size(); ++row)
            if (column < records[row].size() && HasDigit(records[row][column]))
                ++withDigits;
        if (withDigits * 2 > records.size() - 1)
            return true;
    }
    return false;
}

TDelimitedTextFormat TDelimitedTextReader::DetectFormat(const QByteArray& head, const QStringList& knownNames,
                                                       std::optional<TTextEncoding> encoding)
{
    TDelimitedTextFormat format;
    format.Encoding = encoding ? *encoding : DetectEncoding(head);
    const QString text = DecodeHead(head, format.Encoding);
    format.Delimiter = DetectDelimiter(text, head.size() >= HeadBytes);
    format.HeaderLine = LooksLikeHeader(SplitText(text, format.Delimiter, 11), knownNames);
    return format;
}
