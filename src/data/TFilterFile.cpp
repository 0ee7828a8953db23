#include "TFilterFile.h"

#include "TCp1252.h"

#include <QFile>
#include "TSafeFileWriter.h"

namespace {
const char* Flag(bool on) { return on ? "T" : "F"; }
} // namespace

bool TFilterFile::Save(const QString& path, const TQueryValues& values)
{
    QByteArray text;
    for (const QString& value : values.Values) {
        const std::string bytes = TCp1252::Encode(value);
        text.append(bytes.data(), static_cast<qsizetype>(bytes.size())).append("\r\n");
    }
    text.append(Flag(values.Tagged)).append("\r\n").append(Flag(values.Reverse)).append("\r\n");
    return TSafeFileWriter::WriteWhole(path, text);
}

std::optional<TQueryValues> TFilterFile::Restore(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes)
        return std::nullopt;
    QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    auto line = [&lines](int i) { return i < lines.size() ? TCp1252::Decode(lines[i].toStdString()) : QString(); };
    TQueryValues values;
    for (int i = 0; i < TQueryValues::EntryCount; ++i)
        values.Values[i] = line(i);
    values.Tagged = line(TQueryValues::EntryCount).trimmed().compare(QLatin1String("T"), Qt::CaseInsensitive) == 0;
    values.Reverse = line(TQueryValues::EntryCount + 1).trimmed().compare(QLatin1String("T"), Qt::CaseInsensitive) == 0;
    return values;
}
