#include "TEnvelopeSetups.h"

#include "data/TAddressFiles.h"
#include "layout/TLLabelObjectFiler.h"
#include "data/TSetupStore.h"
#include "settings/TProgramFolder.h"
#include "xbase/DbfCreator.h"
#include "xbase/DbfTable.h"
#include "xbase/FileIO.h"
#include "xbase/WorkArea.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace {

std::runtime_error Error(const QString& text) { return std::runtime_error(text.toStdString()); }

} // namespace

TEnvelopeSize TEnvelopeSetup::Size() const
{
    if (Code == TEnvelopeSizes::CustomCode && Length > 0 && Width > 0 && SizeProblem().isEmpty())
        return TEnvelopeSizes::Custom(Length, Width);
    return TEnvelopeSizes::Find(Code);
}

QString TEnvelopeSetup::SizeProblem() const
{
    // The table may have been edited elsewhere: its sizes meet the same limits as typed ones.
    if (Code != TEnvelopeSizes::CustomCode || Length <= 0 || Width <= 0)
        return QString();
    return TEnvelopeSizes::CustomProblem(Length, Width);
}

void TEnvelopeSetup::SetSize(const TEnvelopeSize& size)
{
    Code = size.Code;
    Length = size.Code == TEnvelopeSizes::CustomCode ? size.Length : 0.0;
    Width = size.Code == TEnvelopeSizes::CustomCode ? size.Width : 0.0;
}

std::unique_ptr<TEnvelopeSetups> TEnvelopeSetups::Open()
{
    auto area = TAddressFiles::OpenSystemTable(TSystemTable::stEnvelope);
    if (!area)
        return nullptr;
    return std::make_unique<TEnvelopeSetups>(std::move(area));
}

TEnvelopeSetups::TEnvelopeSetups(std::unique_ptr<xbase::WorkArea> area) : TSetupStore(std::move(area), LayoutExtension) {}

TEnvelopeSetups::~TEnvelopeSetups() = default;

bool TEnvelopeSetups::HasCustomColumns() const
{
    return Area->table().fieldIndex("LENGTH") >= 0 && Area->table().fieldIndex("WIDTH") >= 0;
}

TEnvelopeSetup TEnvelopeSetups::Current() const
{
    const xbase::DbfTable& table = Area->table();
    TEnvelopeSetup setup;
    setup.RecordNumber = table.recordNumber();
    setup.Description = TSetupStore::Text(table, "DESCRIPT");
    setup.Code = int(table.number(table.fieldIndex("NUMBER")));
    if (HasCustomColumns()) {
        setup.Length = table.number(table.fieldIndex("LENGTH"));
        setup.Width = table.number(table.fieldIndex("WIDTH"));
    }
    setup.LayoutFile = TSetupStore::Text(table, "BINARY");
    return setup;
}

std::vector<TEnvelopeSetup> TEnvelopeSetups::Setups()
{
    xbase::DbfTable& table = Area->table();
    std::vector<TEnvelopeSetup> setups;
    for (table.goTop(); !table.eof(); table.skip())
        setups.push_back(Current());
    return setups;
}

std::optional<TEnvelopeSetup> TEnvelopeSetups::Find(uint32_t recordNumber)
{
    if (!Go(recordNumber))
        return std::nullopt;
    return Current();
}

std::optional<TEnvelopeSetup> TEnvelopeSetups::FindByDescription(const QString& description)
{
    for (const TEnvelopeSetup& setup : Setups())
        if (setup.Description.compare(description, Qt::CaseInsensitive) == 0)
            return setup;
    return std::nullopt;
}

QString TEnvelopeSetups::FirstFreeLayoutName()
{
    return TSetupStore::FirstFreeName(TProgramFolder::SysdataFolder(), QLatin1Char('E'), UsedLayoutNames(),
                                       QStringLiteral("envelope"));
}

void TEnvelopeSetups::AddCustomColumns()
{
    // The new table is written beside the old one with every row in record order, and only then
    // renamed over it: a failure at any point leaves the old table as it was.
    const std::string path = Area->table().path();
    const std::string temporary = (QFileInfo(QString::fromStdString(path)).path() + QStringLiteral("/ENVUPGRD.DBF")).toStdString();
    {
        xbase::DbfTable& old = Area->table();
        xbase::DbfCreator creator = xbase::DbfCreator::copyStructureOf(old);
        creator.addField("LENGTH", 'N', 6, 3).addField("WIDTH", 'N', 6, 3);
        creator.create(xbase::FileSystem::native(), temporary);
        auto upgraded = xbase::DbfTable::open(xbase::FileSystem::native(), temporary);
        std::vector<uint8_t> bytes(upgraded->recordSize(), uint8_t(' '));
        for (uint32_t recno = 1; recno <= old.recordCount(); ++recno) {
            const uint8_t* row = old.peek(recno);
            std::copy(row, row + old.recordSize(), bytes.begin());
            upgraded->appendBlank();
            upgraded->putRecord(bytes.data());
            upgraded->setNumber(upgraded->fieldIndex("LENGTH"), 0.0);
            upgraded->setNumber(upgraded->fieldIndex("WIDTH"), 0.0);
            upgraded->commit();
        }
        upgraded->close();
    }
    Area->close();
    Area.reset();
    std::error_code failed;
    std::filesystem::rename(temporary, path, failed);
    // The old index points into the old rows' keys only by record number, but is rebuilt
    // anyway so that nothing depends on that.
    QString index = QString::fromStdString(path);
    index.replace(index.size() - 4, 4, QStringLiteral(".CDX"));
    QFile::remove(index);
    Area = TAddressFiles::OpenSystemTable(TSystemTable::stEnvelope);
    if (!Area)
        throw Error(QStringLiteral("Unable to Open or Create ENVELOPE.DBF"));
    Area->table().setFlaggedHidden(true);
    if (failed)
        throw Error(QStringLiteral("Cannot add the custom size columns to ENVELOPE.DBF: %1")
                        .arg(QString::fromStdString(failed.message())));
}

TEnvelopeSetup TEnvelopeSetups::Save(TEnvelopeSetup setup, const TLayoutWriter& writeLayout)
{
    if (setup.Code == TEnvelopeSizes::CustomCode && !HasCustomColumns())
        AddCustomColumns();
    if (setup.RecordNumber != 0 && !Go(setup.RecordNumber))
        throw Error(QStringLiteral("The envelope setup \"%1\" is no longer there").arg(setup.Description));
    if (setup.LayoutFile.isEmpty())
        setup.LayoutFile = FirstFreeLayoutName();
    writeLayout(LayoutPath(setup)); // throws (a bad name too) before any row changes
    xbase::DbfTable& table = Area->table();
    if (setup.RecordNumber == 0)
        table.appendBlank();
    else
        table.go(setup.RecordNumber);
    TSetupStore::SetText(table, "DESCRIPT", setup.Description, DescriptionWidth);
    table.setNumber(table.fieldIndex("NUMBER"), setup.Code);
    if (HasCustomColumns()) {
        const bool custom = setup.Code == TEnvelopeSizes::CustomCode;
        table.setNumber(table.fieldIndex("LENGTH"), custom ? setup.Length : 0.0);
        table.setNumber(table.fieldIndex("WIDTH"), custom ? setup.Width : 0.0);
    }
    TSetupStore::SetText(table, "BINARY", setup.LayoutFile, 12);
    table.commit();
    return Current();
}

QString TEnvelopeSetups::CloneDescription(const QString& description)
{
    return (QStringLiteral("Clone of ") + description).left(DescriptionWidth);
}

TEnvelopeSetup TEnvelopeSetups::Clone(uint32_t recordNumber)
{
    if (!Go(recordNumber))
        throw Error(QStringLiteral("No envelope setup at record %1").arg(recordNumber));
    TEnvelopeSetup clone = Current();
    QByteArray bytes;
    const bool hasFile = !clone.LayoutFile.isEmpty() && TLLabelObjectFiler::ReadFile(LayoutPath(clone), bytes);
    clone.RecordNumber = 0;
    clone.Description = CloneDescription(clone.Description);
    clone.LayoutFile = FirstFreeLayoutName();
    return Save(clone, [&](const QString& path) {
        if (hasFile)
            TLLabelObjectFiler::WriteFile(path, bytes);
    });
}
