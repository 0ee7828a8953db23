#include "TReportSetups.h"

#include "data/TAddressFiles.h"
#include "layout/TLLabelObjectFiler.h"
#include "data/TSetupStore.h"
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

TReportSetups::TReportSetups(std::unique_ptr<xbase::WorkArea> area) : TSetupStore(std::move(area), LayoutExtension)
{
    if (const size_t tag = Area->tagNumber("DESCRIPT"))
        Area->setOrder(tag);
}

TReportSetups::~TReportSetups() = default;

TReportEntry TReportSetups::Current() const
{
    const xbase::DbfTable& table = Area->table();
    return {table.recordNumber(), TSetupStore::Text(table, "DESCRIPT"), TSetupStore::Text(table, "LAYOUT"),
            TSetupStore::Text(table, "BINARY")};
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

QString TReportSetups::LayoutPath(const TReportEntry& report)
{
    return TSetupStore::LayoutPath(report.LayoutFile, LayoutExtension);
}

QString TReportSetups::CloneDescription(const QString& description) { return QStringLiteral("Clone of ") + description; }

QString TReportSetups::FirstFreeLayoutName(const QString& folder)
{
    return TSetupStore::FirstFreeName(folder, QLatin1Char('R'), {}, QStringLiteral("report"));
}

TReportEntry TReportSetups::Save(const TReportEntry& report, const TLayoutWriter& writeLayout)
{
    xbase::DbfTable& table = Area->table();
    const QString folder = TProgramFolder::SysdataFolder();
    const bool existing = report.RecordNumber != 0 && Go(report.RecordNumber);
    QString name = existing ? TSetupStore::Text(table, "BINARY") : QString();
    if (name.isEmpty())
        name = TSetupStore::FirstFreeName(folder, LayoutExtension, TSetupStore::UsedNames(table), QStringLiteral("report"));
    writeLayout(TSetupStore::LayoutPath(name, LayoutExtension)); // throws (a bad name too) before any new row exists
    if (existing)
        Go(report.RecordNumber);
    else
        table.appendBlank();
    TSetupStore::SetText(table, "BINARY", name, 12);
    TSetupStore::SetText(table, "DESCRIPT", report.Description, DescriptionWidth);
    TSetupStore::SetText(table, "LAYOUT", report.Layout, 60);
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
