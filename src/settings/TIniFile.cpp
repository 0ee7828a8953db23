#include "TIniFile.h"

#include "data/TSafeFileWriter.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QStringConverter>
#include <QTextStream>

#include <optional>

#include <sys/stat.h>
#include <time.h>

namespace {

struct TLineKind {
    std::optional<QString> Section; // the line is a "[section]" heading
    std::optional<QString> Key;     // the line is "key=value"
    QString Value;
};

TLineKind Classify(const QString& line)
{
    TLineKind kind;
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u'[')) {
        const int close = trimmed.indexOf(u']');
        if (close > 0)
            kind.Section = trimmed.mid(1, close - 1).trimmed();
        return kind;
    }
    if (trimmed.startsWith(u';'))
        return kind;
    const int equals = trimmed.indexOf(u'=');
    if (equals <= 0)
        return kind;
    kind.Key = trimmed.left(equals).trimmed();
    QString value = trimmed.mid(equals + 1).trimmed();
    // A value written in matching quotes reads without them, as profile files always did.
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    kind.Value = value;
    return kind;
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Index of the heading line of `section`, or -1.
int FindSection(const QStringList& lines, const QString& section)
{
    for (int i = 0; i < lines.size(); ++i) {
        const auto kind = Classify(lines[i]);
        if (kind.Section && SameName(*kind.Section, section))
            return i;
    }
    return -1;
}

// One past the last line that belongs to the section starting at `heading`.
int SectionEnd(const QStringList& lines, int heading)
{
    int end = heading + 1;
    while (end < lines.size() && !Classify(lines[end]).Section)
        ++end;
    return end;
}

int FindKey(const QStringList& lines, int heading, const QString& key)
{
    const int end = SectionEnd(lines, heading);
    for (int i = heading + 1; i < end; ++i) {
        const auto kind = Classify(lines[i]);
        if (kind.Key && SameName(*kind.Key, key))
            return i;
    }
    return -1;
}

// The lines of every settings file read in this run, with the size and time of the file they
// came from: a read parses the file again only when it changed on the disk, so a huge or often
// read file costs one parse, and a change by another program is still seen.
struct TFileStamp {
    long long Size = -1;
    long long Modified = 0; // nanoseconds
    unsigned long long Inode = 0;
    bool operator==(const TFileStamp&) const = default;
};

struct TCachedLines {
    TFileStamp Stamp;
    long long ParsedAt = 0; // nanoseconds
    QStringList Lines;
};

long long Now()
{
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// File times advance in coarse steps: a file changed shortly before it was parsed may change
// again without its time moving, so such a parse is not trusted.
constexpr long long TimeStep = 2000000000LL;

bool Trusted(const TCachedLines& cached, const TFileStamp& stamp)
{
    return cached.Stamp == stamp && cached.ParsedAt - stamp.Modified > TimeStep;
}

std::optional<TFileStamp> StampOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return TFileStamp{static_cast<long long>(st.st_size),
                      static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec,
                      static_cast<unsigned long long>(st.st_ino)};
}

QMutex CacheLock;
QHash<QString, TCachedLines>& Cache()
{
    static QHash<QString, TCachedLines> cache;
    return cache;
}

QStringList ParseFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    QStringList lines;
    QString line;
    while (stream.readLineInto(&line))
        lines << line;
    return lines;
}

} // namespace

QStringList TIniFile::ReadLines() const
{
    const std::optional<TFileStamp> stamp = StampOf(FilePath);
    if (!stamp)
        return {};
    {
        QMutexLocker lock(&CacheLock);
        const auto cached = Cache().constFind(FilePath);
        if (cached != Cache().constEnd() && Trusted(*cached, *stamp))
            return cached->Lines;
    }
    const long long parsedAt = Now();
    QStringList lines = ParseFile(FilePath);
    QMutexLocker lock(&CacheLock);
    Cache().insert(FilePath, {*stamp, parsedAt, lines});
    return lines;
}

void TIniFile::WriteLines(const QStringList& lines)
{
    QByteArray text;
    for (const QString& line : lines)
        text += line.toUtf8() + '\n';
    QString error;
    if (!TSafeFileWriter::WriteWhole(FilePath, text, &error)) {
        QMutexLocker lock(&CacheLock);
        Cache().remove(FilePath);
        throw TIniError(QStringLiteral("Unable to write the settings file %1: %2").arg(FilePath, error).toStdString());
    }
    const std::optional<TFileStamp> stamp = StampOf(FilePath);
    QMutexLocker lock(&CacheLock);
    if (stamp)
        Cache().insert(FilePath, {*stamp, Now(), lines});
    else
        Cache().remove(FilePath);
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const QStringList lines = ReadLines();
    const int heading = FindSection(lines, section);
    if (heading < 0)
        return defaultValue;
    const int at = FindKey(lines, heading, key);
    if (at < 0)
        return defaultValue;
    return Classify(lines[at]).Value.left(MaxValueLength);
}

QStringList TIniFile::ReadSectionKeys(const QString& section) const
{
    const QStringList lines = ReadLines();
    const int heading = FindSection(lines, section);
    QStringList keys;
    if (heading < 0)
        return keys;
    const int end = SectionEnd(lines, heading);
    for (int i = heading + 1; i < end; ++i)
        if (const auto kind = Classify(lines[i]); kind.Key)
            keys << *kind.Key;
    return keys;
}

int TIniFile::ParseInteger(const QString& text, int defaultValue)
{
    bool ok = false;
    int value = 0;
    if (text.size() > 2 && (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X"))))
        value = static_cast<int>(text.mid(2).toUInt(&ok, 16));
    else
        value = text.toInt(&ok, 10);
    return ok ? value : defaultValue;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const QString text = ReadString(section, key, QString());
    return text.isEmpty() ? defaultValue : ParseInteger(text, defaultValue);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    QStringList lines = ReadLines();
    const QString entry = key + u'=' + value;
    const int heading = FindSection(lines, section);
    if (heading < 0) {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
            lines << QString();
        lines << u'[' + section + u']' << entry;
    } else if (const int at = FindKey(lines, heading, key); at >= 0) {
        lines[at] = entry;
    } else {
        // After the section's last non-blank line, so blank separators stay where they were.
        int insertAt = SectionEnd(lines, heading);
        while (insertAt > heading + 1 && lines[insertAt - 1].trimmed().isEmpty())
            --insertAt;
        lines.insert(insertAt, entry);
    }
    WriteLines(lines);
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::DeleteKey(const QString& section, const QString& key)
{
    QStringList lines = ReadLines();
    const int heading = FindSection(lines, section);
    if (heading < 0)
        return;
    const int at = FindKey(lines, heading, key);
    if (at < 0)
        return;
    lines.removeAt(at);
    WriteLines(lines);
}

void TIniFile::EraseSection(const QString& section)
{
    QStringList lines = ReadLines();
    const int heading = FindSection(lines, section);
    if (heading < 0)
        return;
    const int end = SectionEnd(lines, heading);
    lines.erase(lines.begin() + heading, lines.begin() + end);
    WriteLines(lines);
}
