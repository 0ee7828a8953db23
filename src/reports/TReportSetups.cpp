#include "TReportSetups.h"

#include "data/TAddressFiles.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TLSetupFiles.h"
#include "settings/TProgramFolder.h"
#include "xbase/WorkArea.h"

#include <QFile>

#include <stdexcept>

std::unique_ptr<TReportSetups> TReportSetups::Open()
{
    auto area = TAddressFiles::OpenSystemTable(TSystemTable::stReport);
    if (!area)
        return nullptr;
    return std::make_unique<TReportSetups>(std::move(area));
}

TReportSetups::TReportSetups(std::unique_ptr<xbase::WorkArea> area) : Area(std::move(area))
{
    // Deleted reports wait for the next rebuild; the list never shows them.
    Area->table().setFlaggedHidden(true);
    if (const size_t tag = Area->tagNumber("DESCRIPT"))
        Area->setOrder(tag);
}

TReportSetups::~TReportSetups() = default;

TReportEntry TReportSetups::Current() const
{
    const xbase::DbfTable& table = Area->table();
    return {table.recordNumber(), TLSetupFiles::Text(table, "DESCRIPT"), TLSetupFiles::Text(table, "LAYOUT"),
            TLSetupFiles::Text(table, "BINARY")};
}

std::vector<TReportEntry> TReportSetups::Reports()
{
    xbase::DbfTable& table = Area->table();
    std::vector<TReportEntry> reports;
    for (table.goTop(); !table.eof(); table.skip())
        reports.push_back(Current());
    return reports;
}

std::optional<TReportEntry> TReportSetups::Find(const QString& description)
{
    for (const TReportEntry& report : Reports())
        if (report.Description.compare(description.trimmed(), Qt::CaseInsensitive) == 0)
            return report;
    return std::nullopt;
}

bool TReportSetups::Go(uint32_t recordNumber)
{
    xbase::DbfTable& table = Area->table();
    if (recordNumber == 0 || recordNumber > table.recordCount())
        return false;
    table.go(recordNumber);
    return !table.isFlaggedDeleted();
}

QString TReportSetups::LayoutPath(const TReportEntry& report)
{
    return TProgramFolder::SysdataFolder() + report.LayoutFile;
}

QString TReportSetups::CloneDescription(const QString& description) { return QStringLiteral("Clone of ") + description; }

QString TReportSetups::FirstFreeLayoutName(const QString& folder)
{
    return TLSetupFiles::FirstFreeName(folder, QLatin1Char('R'), {}, QStringLiteral("report"));
}

TReportEntry TReportSetups::Save(const TReportEntry& report, const TLayoutWriter& writeLayout)
{
    xbase::DbfTable& table = Area->table();
    const QString folder = TProgramFolder::SysdataFolder();
    const bool existing = report.RecordNumber != 0 && Go(report.RecordNumber);
    QString name = existing ? TLSetupFiles::Text(table, "BINARY") : QString();
    if (name.isEmpty())
        name = TLSetupFiles::FirstFreeName(folder, QLatin1Char('R'), TLSetupFiles::UsedNames(table), QStringLiteral("report"));
    writeLayout(folder + name); // throws before any new row exists
    if (existing)
        Go(report.RecordNumber);
    else
        table.appendBlank();
    TLSetupFiles::SetText(table, "BINARY", name, 12);
    TLSetupFiles::SetText(table, "DESCRIPT", report.Description, DescriptionWidth);
    TLSetupFiles::SetText(table, "LAYOUT", report.Layout, 60);
    table.commit();
    return Current();
}

TReportEntry TReportSetups::Clone(uint32_t recordNumber)
{
    if (!Go(recordNumber))
        throw std::runtime_error("No report at record " + std::to_string(recordNumber));
    const TReportEntry original = Current();
    QByteArray bytes;
    if (original.LayoutFile.isEmpty() || !TLLabelObjectFiler::ReadFile(LayoutPath(original), bytes))
        throw std::runtime_error("Report definition file has been removed from the sysdata directory");
    TReportEntry clone{0, CloneDescription(original.Description), original.Layout, {}};
    return Save(clone, [&](const QString& path) { TLLabelObjectFiler::WriteFile(path, bytes); });
}

void TReportSetups::Delete(uint32_t recordNumber)
{
    if (!Go(recordNumber))
        return;
    const QString layout = TLSetupFiles::Text(Area->table(), "BINARY");
    Area->table().setDeleted(true);
    Area->table().commit();
    if (!layout.isEmpty())
        QFile::remove(TProgramFolder::SysdataFolder() + layout);
}
