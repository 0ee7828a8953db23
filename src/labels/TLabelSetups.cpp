#include "TLabelSetups.h"

#include "data/TAddressFiles.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TLLabelPanel.h"
#include "data/TSetupStore.h"
#include "layout/TLayoutUnits.h"
#include "settings/TProgramFolder.h"
#include "xbase/WorkArea.h"

#include <QFile>

#include <cmath>
#include <stdexcept>

std::unique_ptr<TLabelSetups> TLabelSetups::Open()
{
    auto area = TAddressFiles::OpenSystemTable(TSystemTable::stLabel);
    if (!area)
        return nullptr;
    return std::make_unique<TLabelSetups>(std::move(area));
}

TLabelSetups::TLabelSetups(std::unique_ptr<xbase::WorkArea> area) : TSetupStore(std::move(area), LayoutExtension) {}

TLabelSetups::~TLabelSetups() = default;

TLabelSetup TLabelSetups::Current() const
{
    const xbase::DbfTable& table = Area->table();
    return {table.recordNumber(), TSetupStore::Text(table, "DESCRIPT"), TLabelStock::ReadRow(table), TSetupStore::Text(table, "BINARY")};
}

std::vector<TLabelSetup> TLabelSetups::Setups()
{
    xbase::DbfTable& table = Area->table();
    std::vector<TLabelSetup> setups;
    const int deletedField = table.fieldIndex("DELETED");
    for (table.goTop(); !table.eof(); table.skip())
        if (deletedField < 0 || !table.logical(deletedField))
            setups.push_back(Current());
    return setups;
}

QString TLabelSetups::FirstFreeLayoutName(const QString& folder, const QSet<QString>& used)
{
    return TSetupStore::FirstFreeName(folder, QLatin1Char('L'), used, QStringLiteral("label"));
}

void TLabelSetups::WriteNewLabelLayout(const TLabelStock& stock, const QString& path)
{
    const int ppi = TLayoutUnits::PixelsPerInch();
    TLLabelPanel panel;
    panel.SetSize(int(std::lround(stock.LabelWidth.Value() * ppi)), int(std::lround(stock.LabelHeight.Value() * ppi)));
    AddNewLabelObject(panel);
    panel.SaveToFile(path);
}

void TLabelSetups::AddNewLabelObject(TLLabelPanel& panel)
{
    const QRect area(5, 5, panel.Width - 15, panel.Height - 15);
    panel.AddObject(panel.CreateObject(TLPanelState::psAddressLabel), area);
}

TLabelSetup TLabelSetups::Add(const QString& description, const TLabelStock& stock, const TLayoutWriter& writeLayout)
{
    const QString folder = TProgramFolder::SysdataFolder();
    const QString name = FirstFreeLayoutName(folder, UsedLayoutNames());
    writeLayout(folder + name); // throws before any row exists
    xbase::DbfTable& table = Area->table();
    table.appendBlank();
    TSetupStore::SetText(table, "DESCRIPT", description, SavedDescriptionWidth);
    stock.WriteRow(table);
    TSetupStore::SetText(table, "BINARY", name, 12);
    table.commit();
    return Current();
}

std::optional<TLabelSetup> TLabelSetups::Find(uint32_t recordNumber)
{
    if (!Go(recordNumber))
        return std::nullopt;
    return Current();
}

TLabelSetup TLabelSetups::Update(uint32_t recordNumber, const QString& description, const TLabelStock& stock,
                                 const TLayoutWriter& writeLayout)
{
    if (!Go(recordNumber))
        throw std::runtime_error("No label setup at record " + std::to_string(recordNumber));
    const QString folder = TProgramFolder::SysdataFolder();
    QString name = TSetupStore::Text(Area->table(), "BINARY");
    if (!name.isEmpty())
        RowLayoutPath(); // a row naming a file elsewhere is refused before anything is written
    if (name.isEmpty() || !QFile::exists(folder + name)) {
        name = FirstFreeLayoutName(folder, UsedLayoutNames());
        Go(recordNumber);
    }
    writeLayout(folder + name); // throws before the row changes
    xbase::DbfTable& table = Area->table();
    TSetupStore::SetText(table, "DESCRIPT", description, SavedDescriptionWidth);
    stock.WriteRow(table);
    TSetupStore::SetText(table, "BINARY", name, 12);
    table.commit();
    return Current();
}

QString TLabelSetups::CloneDescription(const QString& description)
{
    return (QStringLiteral("Clone of :") + description).left(CloneDescriptionWidth);
}

TLabelSetup TLabelSetups::Clone(uint32_t recordNumber)
{
    if (!Go(recordNumber))
        throw std::runtime_error("No label setup at record " + std::to_string(recordNumber));
    const TLabelSetup original = Current();
    QByteArray bytes;
    const bool hasFile = !original.LayoutFile.isEmpty() && TLLabelObjectFiler::ReadFile(LayoutPath(original), bytes);
    return Add(CloneDescription(original.Description), original.Stock, [&](const QString& path) {
        if (hasFile)
            TLLabelObjectFiler::WriteFile(path, bytes);
        else
            WriteNewLabelLayout(original.Stock, path);
    });
}
