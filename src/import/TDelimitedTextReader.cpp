#include "TDelimitedTextReader.h"

#include "data/TCp1252.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

constexpr qint64 BlockBytes = 65536;

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

// Valid UTF-8 throughout, a sequence cut off by the end of the head excepted.
bool IsUtf8(const QByteArray& bytes)
{
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
            if (i + k >= n)
                return true; // cut off by the end of the head
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
    Text.clear();
    Position = 0;
    while (Text.isEmpty()) {
        if (!Device || AtEnd)
            return false;
        Bytes.resize(BlockBytes);
        const qint64 got = Device->read(Bytes.data(), BlockBytes);
        if (got < 0)
            throw std::runtime_error("the file could not be read");
        if (got == 0) {
            AtEnd = true;
            return false;
        }
        Bytes.resize(got);
        Text = Encoding == TTextEncoding::teCp1252 ? TCp1252::Decode({Bytes.constData(), static_cast<size_t>(got)})
                                                   : Decoder.decode(Bytes);
    }
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
    for (;;) {
        if (Position >= Text.size() && !Fill()) {
            if (!started)
                return false;
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
                if (!started)
                    continue; // an empty line is no record
                EndValue(values);
                return true;
            }
            started = true;
            if (c == Delimiter) {
                EndValue(values);
            } else if (c == u'"') {
                add(Raw, c);
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

QChar TDelimitedTextReader::DetectDelimiter(const QString& sample)
{
    constexpr std::array<char16_t, 3> candidates = {u',', u';', u'\t'};
    QChar best = u',';
    qsizetype bestCount = 1;
    bool bestConsistent = false;
    for (char16_t candidate : candidates) {
        const auto records = SplitText(sample, QChar(candidate), 10);
        if (records.empty())
            continue;
        const qsizetype count = records.front().size();
        // The last record of a head may be cut short; it only has to stay within the count.
        bool consistent = count > 1;
        for (size_t i = 1; i < records.size() && consistent; ++i)
            consistent = i + 1 < records.size() ? records[i].size() == count : records[i].size() <= count;
        if (count <= 1)
            continue;
        if ((consistent && !bestConsistent) || (consistent == bestConsistent && count > bestCount)) {
            best = QChar(candidate);
            bestCount = count;
            bestConsistent = consistent;
        }
    }
    return best;
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

TDelimitedTextFormat TDelimitedTextReader::DetectFormat(const QByteArray& head, const QStringList& knownNames)
{
    TDelimitedTextFormat format;
    format.Encoding = DetectEncoding(head);
    const QString text = DecodeHead(head, format.Encoding);
    format.Delimiter = DetectDelimiter(text);
    format.HeaderLine = LooksLikeHeader(SplitText(text, format.Delimiter, 11), knownNames);
    return format;
}
