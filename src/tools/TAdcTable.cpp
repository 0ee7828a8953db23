#include "TAdcTable.h"

#include "data/TCp1252.h"
#include "data/TCsv.h"
#include "settings/TProgramFolder.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace {

// Far beyond any real table; a file larger than this is not an ADC table.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

std::runtime_error Fault(const QString& origin, const QString& text)
{
    return std::runtime_error(((origin.isEmpty() ? QStringLiteral("ADC table") : origin) + ": " + text).toStdString());
}

} // namespace

TAdcTable TAdcTable::Load()
{
    const QString own = TProgramFolder::SysdataFolder() + QLatin1String(FileName);
    if (QFileInfo::exists(own))
        return LoadFrom(own);
    const QString delivered = TProgramFolder::DeliveredSysdata() + QLatin1String(FileName);
    if (QFileInfo::exists(delivered))
        return LoadFrom(delivered);
    throw std::runtime_error(
        QStringLiteral("The file %1 has been removed from the SYSDATA directory. Unable to continue.").arg(QLatin1String(FileName)).toStdString());
}

TAdcTable TAdcTable::LoadFrom(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Fault(path, QStringLiteral("cannot be read"));
    if (file.size() > kMaxFileSize)
        throw Fault(path, QStringLiteral("is too large for an ADC table"));
    return Parse(QString::fromUtf8(file.readAll()), path);
}

TAdcTable TAdcTable::Parse(const QString& csvText, const QString& origin)
{
    std::vector<QStringList> records;
    try {
        records = TCsv::Parse(csvText, true);
    } catch (const std::exception& error) {
        throw Fault(origin, QString::fromLocal8Bit(error.what()));
    }
    if (records.empty())
        throw Fault(origin, QStringLiteral("no header line"));
    const QStringList& header = records.front();
    const qsizetype nameColumn = header.indexOf(QStringLiteral("NAME"));
    const qsizetype prefixColumn = header.indexOf(QStringLiteral("PREFIXES"));
    if (nameColumn < 0 || prefixColumn < 0)
        throw Fault(origin, QStringLiteral("the header line must name NAME and PREFIXES"));

    TAdcTable table;
    for (size_t r = 1; r < records.size(); ++r) {
        const QStringList& record = records[r];
        if (record.size() == 1 && record.front().trimmed().isEmpty())
            continue; // a blank line
        if (record.size() <= std::max(nameColumn, prefixColumn))
            throw Fault(origin, QStringLiteral("row %1 has too few values").arg(r));
        TAdcRow row;
        row.Name = record[nameColumn];
        if (row.Name.trimmed().isEmpty())
            throw Fault(origin, QStringLiteral("row %1 has no name").arg(r));
        for (const QString& prefix : record[prefixColumn].split(u' ', Qt::SkipEmptyParts)) {
            bool lossy = false;
            std::string bytes = TCp1252::Encode(prefix, &lossy);
            if (bytes.size() != 3 || lossy)
                throw Fault(origin, QStringLiteral("row %1: \"%2\" is not a 3-character prefix").arg(r).arg(prefix));
            table.FirstRow.try_emplace(bytes, int(table.AdcRows.size()));
            row.Prefixes.push_back(std::move(bytes));
        }
        table.AdcRows.push_back(std::move(row));
    }
    return table;
}

int TAdcTable::RowOf(std::string_view prefix) const
{
    const auto found = FirstRow.find(std::string(prefix));
    return found == FirstRow.end() ? -1 : found->second;
}
