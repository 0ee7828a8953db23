#include "TUndoFile.h"

#include "TRecordWalk.h"

#include "data/TAddressTable.h"
#include "data/TCp1252.h"
#include "settings/TProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <charconv>

namespace {

// A line longer than this holds no field value of an address table (254 bytes, escaped three
// to one, twice, plus the number and the name).
constexpr qint64 kMaxLine = 2048;
constexpr size_t kMaxFieldName = 10;
constexpr size_t kMaxValue = 254;

const char kHex[] = "0123456789ABCDEF";

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QString RecordField(const TUndoEntry& entry)
{
    return QStringLiteral("record %1, %2").arg(entry.Recno).arg(QString::fromLatin1(entry.Field));
}

} // namespace

QString TUndoFile::DefaultPath(const char* fileName) { return TProgramFolder::SysdataFolder() + QLatin1String(fileName); }

std::string TUndoFile::Escaped(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7F || u == '%') {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 15];
        } else {
            out += c;
        }
    }
    return out;
}

bool TUndoFile::Unescaped(std::string_view text, std::string* bytes)
{
    bytes->clear();
    for (size_t i = 0; i < text.size(); ++i) {
        const auto u = static_cast<unsigned char>(text[i]);
        if (u < 0x20 || u >= 0x7F)
            return false;
        if (text[i] != '%') {
            *bytes += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return false;
        const int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return false;
        *bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

std::string TUndoFile::FieldBytes(TAddressTable& table, const std::string& field)
{
    xbase::DbfTable& rows = table.Table();
    const std::string_view raw = rows.fieldBytes(rows.fieldIndex(field));
    size_t length = raw.size();
    while (length > 0 && raw[length - 1] == ' ')
        --length;
    return std::string(raw.substr(0, length));
}

bool TUndoFile::Save(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("Cannot write the undo file %1: %2").arg(path, file.errorString());
        return false;
    }
    std::string head = std::string(Magic) + "\r\n";
    head += "KIND\t" + Escaped(Kind.toStdString()) + "\r\n";
    head += "TABLE\t" + Escaped(TCp1252::Encode(TableName)) + "\r\n";
    head += "COUNT\t" + std::to_string(Entries.size()) + "\r\n";
    file.write(head.data(), static_cast<qint64>(head.size()));
    std::string line;
    for (const TUndoEntry& entry : Entries) {
        line = std::to_string(entry.Recno) + '\t' + entry.Field + '\t' + Escaped(entry.Before) + '\t' + Escaped(entry.After) + "\r\n";
        file.write(line.data(), static_cast<qint64>(line.size()));
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write the undo file %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool TUndoFile::Load(const QString& path, QString* error)
{
    const auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("The undo file %1 %2").arg(path, why);
        Entries.clear();
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot be read"));
    Entries.clear();
    std::vector<std::string> head;
    uint64_t count = 0;
    int lineNumber = 0;
    while (!file.atEnd()) {
        QByteArray bytes = file.readLine(kMaxLine + 1);
        ++lineNumber;
        if (bytes.size() > kMaxLine)
            return fail(QStringLiteral("is damaged: line %1 is too long").arg(lineNumber));
        while (bytes.endsWith('\n') || bytes.endsWith('\r'))
            bytes.chop(1);
        const std::string_view line(bytes.constData(), static_cast<size_t>(bytes.size()));
        if (lineNumber == 1) {
            if (line != Magic)
                return fail(QStringLiteral("is not an undo file"));
            continue;
        }
        std::vector<std::string_view> parts;
        size_t start = 0;
        for (size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1)
            parts.push_back(line.substr(start, tab - start));
        parts.push_back(line.substr(start));
        if (lineNumber <= 4) {
            const char* const names[] = {"KIND", "TABLE", "COUNT"};
            std::string value;
            if (parts.size() != 2 || parts[0] != names[lineNumber - 2] || !Unescaped(parts[1], &value))
                return fail(QStringLiteral("is damaged: line %1 should give %2").arg(lineNumber).arg(QLatin1String(names[lineNumber - 2])));
            if (lineNumber == 2)
                Kind = QString::fromLatin1(value);
            else if (lineNumber == 3)
                TableName = TCp1252::Decode(value);
            else if (std::from_chars(value.data(), value.data() + value.size(), count).ec != std::errc() || count > 100000000)
                return fail(QStringLiteral("is damaged: the count is not a number"));
            continue;
        }
        TUndoEntry entry;
        const auto [end, ec] = parts.empty() ? std::from_chars_result{nullptr, std::errc::invalid_argument}
                                             : std::from_chars(parts[0].data(), parts[0].data() + parts[0].size(), entry.Recno);
        if (parts.size() != 4 || ec != std::errc() || end != parts[0].data() + parts[0].size() || entry.Recno == 0 ||
            parts[1].empty() || parts[1].size() > kMaxFieldName || !Unescaped(parts[2], &entry.Before) ||
            !Unescaped(parts[3], &entry.After) || entry.Before.size() > kMaxValue || entry.After.size() > kMaxValue)
            return fail(QStringLiteral("is damaged at line %1").arg(lineNumber));
        entry.Field = std::string(parts[1]);
        Entries.push_back(std::move(entry));
    }
    if (lineNumber < 4)
        return fail(QStringLiteral("is damaged: its header is cut short"));
    if (Entries.size() != count)
        return fail(QStringLiteral("is damaged: it gives %1 values but holds %2").arg(count).arg(Entries.size()));
    return true;
}

TUndoFile::TRestore TUndoFile::Restore(TAddressTable& table, const TToolProgress& progress) const
{
    TRestore result;
    if (QFileInfo(table.Path()).fileName().compare(TableName, Qt::CaseInsensitive) != 0) {
        result.Message = QStringLiteral("This undo file belongs to the table %1, not to %2. Nothing was put back.")
                             .arg(TableName, QFileInfo(table.Path()).fileName());
        return result;
    }
    TRecordWalk walk(table); // condition, order and record put back
    xbase::DbfTable& rows = table.Table(); // go() reaches every record, deleted or filtered out
    const auto finish = [](TRestore r) { return r; };
    // First every value is checked, so that a refusal leaves the table as it is.
    for (const TUndoEntry& entry : Entries) {
        if (entry.Recno > rows.recordCount()) {
            result.Message = QStringLiteral("The table has no record %1 any more. Nothing was put back.").arg(entry.Recno);
            return finish(result);
        }
        if (rows.fieldIndex(entry.Field) < 0 || table.FieldWidth(QString::fromLatin1(entry.Field)) <= 0) {
            result.Message = QStringLiteral("The table has no field %1. Nothing was put back.").arg(QString::fromLatin1(entry.Field));
            return finish(result);
        }
        rows.go(entry.Recno);
        if (FieldBytes(table, entry.Field) != entry.After) {
            result.Message = QStringLiteral("The value of %1 was changed since. Nothing was put back.").arg(RecordField(entry));
            return finish(result);
        }
    }
    uint32_t done = 0;
    for (const TUndoEntry& entry : Entries) {
        rows.go(entry.Recno);
        rows.setText(rows.fieldIndex(entry.Field), entry.Before);
        ++done;
        if (done % 10000 == 0)
            rows.commit(); // bulk writes commit in batches
        if (progress)
            progress({done, static_cast<uint32_t>(Entries.size()), done}); // an undo is not stopped half-way
    }
    rows.commit();
    result.Done = true;
    result.Restored = done;
    return finish(result);
}
