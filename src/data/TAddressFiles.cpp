#include "TAddressFiles.h"

#include "TAddressTable.h"

#include "prompts/TUserPrompts.h"
#include "settings/TProgramFolder.h"
#include "xbase/DbfCreator.h"
#include "xbase/WorkArea.h"
#include "xbase/XbaseError.h"

#include <QFileInfo>

namespace {

void Tell(const char* message) { TUserPrompts::Current().Information(QLatin1String(message)); }

std::vector<xbase::TagSpec> AddressTagSpecs()
{
    std::vector<xbase::TagSpec> specs;
    for (const auto& tag : TAddressSchema::Tags())
        specs.push_back({tag.Name, tag.KeyExpression});
    return specs;
}

} // namespace

bool TAddressFiles::CreateAddressFile(const QString& path, const TFieldLengths& widths)
{
    try {
        xbase::DbfCreator creator;
        for (const auto& field : TAddressSchema::StoredFields())
            creator.addField(field.Name, field.Type,
                             static_cast<uint16_t>(field.Type == 'C' ? widths.Width(QLatin1String(field.Name)) : 0));
        creator.create(TAddressTable::Files(), path.toStdString());
    } catch (const xbase::XbaseError&) {
        Tell("Create failed");
        return false;
    }
    std::unique_ptr<xbase::WorkArea> area;
    try {
        area = xbase::WorkArea::open(TAddressTable::Files(), path.toStdString());
    } catch (const xbase::XbaseError&) {
        Tell("File creation failed");
        return false;
    }
    if (!BuildAddressTags(*area)) {
        Tell("File creation failed");
        return false;
    }
    area->close();
    return true;
}

bool TAddressFiles::BuildAddressTags(xbase::WorkArea& area, const TProgress& tagProgress)
{
    try {
        area.deleteIndex();
        area.createTags(AddressTagSpecs(), tagProgress);
    } catch (const xbase::XbaseError&) {
        Tell("Unable to create index files");
        return false;
    }
    return true;
}

bool TAddressFiles::RebuildAddressTable(xbase::WorkArea& area, const TProgress& packProgress, const TProgress& tagProgress)
{
    try {
        area.deleteIndex(); // packing with the index open would rebuild it only to throw it away
    } catch (const xbase::XbaseError&) {
        Tell("Unable to create index files");
        return false;
    }
    try {
        area.pack(packProgress);
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QStringLiteral("Unable to pack ") +
                                            QFileInfo(QString::fromStdString(area.table().path())).fileName() +
                                            QStringLiteral(": ") + QString::fromLocal8Bit(error.what()));
        return false;
    }
    return BuildAddressTags(area, tagProgress);
}

QString TAddressFiles::SystemTablePath(TSystemTable table)
{
    return TProgramFolder::SysdataFolder() + QLatin1String(TAddressSchema::SystemTableDef(table).FileName);
}

void TAddressFiles::CreateSystemTableFile(const TSystemTableDef& definition, const QString& path)
{
    xbase::DbfCreator creator;
    for (const auto& field : definition.Fields)
        creator.addField(field.Name, field.Type, static_cast<uint16_t>(field.Type == 'M' || field.Type == 'L' ? 0 : field.Width),
                         static_cast<uint8_t>(field.Decimals));
    creator.create(xbase::FileSystem::native(), path.toStdString());
}

std::unique_ptr<xbase::WorkArea> TAddressFiles::OpenSystemTable(TSystemTable table)
{
    const TSystemTableDef& definition = TAddressSchema::SystemTableDef(table);
    const QString path = SystemTablePath(table);
    const QString failure = definition.Table == TSystemTable::stLblTpl
                                ? QStringLiteral("Unable to Open LBLTPL.DBF")
                                : QStringLiteral("Unable to Open or Create %1").arg(QLatin1String(definition.FileName));
    std::unique_ptr<xbase::WorkArea> area;
    try {
        area = xbase::WorkArea::open(xbase::FileSystem::native(), path.toStdString());
    } catch (const xbase::XbaseError&) {
        if (!definition.CreatedBySystem || QFileInfo::exists(path)) {
            // A file that exists but cannot be opened is never replaced by an empty one.
            TUserPrompts::Current().Information(failure);
            return nullptr;
        }
        try {
            CreateSystemTableFile(definition, path);
            area = xbase::WorkArea::open(xbase::FileSystem::native(), path.toStdString());
        } catch (const xbase::XbaseError&) {
            TUserPrompts::Current().Information(failure);
            return nullptr;
        }
    }
    try {
        if (!area->index() || area->tagNumber(definition.Tag.Name) == 0)
            area->createTags({{definition.Tag.Name, definition.Tag.KeyExpression}});
        area->setOrder(area->tagNumber(definition.Tag.Name));
    } catch (const xbase::XbaseError&) {
        // The table works without its tag; the next rebuild makes it.
    }
    return area;
}

void TAddressFiles::RebuildSystemTags(const std::function<void(TSystemTable)>& beforeTable, const TProgress& progress)
{
    // The order in which the rebuild has always gone through the tables.
    const TSystemTable order[] = {TSystemTable::stLetter, TSystemTable::stLabel,    TSystemTable::stCsz,
                                  TSystemTable::stLblTpl, TSystemTable::stEnvelope, TSystemTable::stReport};
    for (TSystemTable table : order) {
        if (beforeTable)
            beforeTable(table);
        const TSystemTableDef& definition = TAddressSchema::SystemTableDef(table);
        try {
            auto area = xbase::WorkArea::open(xbase::FileSystem::native(), SystemTablePath(table).toStdString());
            area->deleteIndex();
            area->pack(progress);
            area->createTags({{definition.Tag.Name, definition.Tag.KeyExpression}}, progress);
            area->close();
        } catch (const xbase::XbaseError&) {
            // A table that cannot be rebuilt is left as it is; the others still get their turn.
        }
    }
}
