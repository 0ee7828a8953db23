#include "TLabelCatalogue.h"

#include "data/TAddressFiles.h"
#include "xbase/WorkArea.h"

std::unique_ptr<TLabelCatalogue> TLabelCatalogue::Open()
{
    auto area = TAddressFiles::OpenSystemTable(TSystemTable::stLblTpl);
    if (!area)
        return nullptr;
    return std::unique_ptr<TLabelCatalogue>(new TLabelCatalogue(std::move(area)));
}

TLabelCatalogue::TLabelCatalogue(std::unique_ptr<xbase::WorkArea> table) : Table(std::move(table))
{
    Table->table().setFlaggedHidden(true);
}

TLabelCatalogue::~TLabelCatalogue() = default;

TLabelStock TLabelCatalogue::NewSetupStock()
{
    TLabelStock stock = TLabelStock::NewStock();
    if (auto catalogue = Open())
        if (const std::optional<TLabelStock> row = catalogue->Find(QLatin1String(NewSetupTemplate)))
            stock.TakeTemplate(*row);
    return stock;
}

int TLabelCatalogue::SetQuery(const std::string& condition)
{
    Table->setCondition(condition);
    Table->table().goTop();
    return int(Table->count());
}

std::vector<TLabelStock> TLabelCatalogue::Rows()
{
    std::vector<TLabelStock> rows;
    xbase::DbfTable& table = Table->table();
    for (table.goTop(); !table.eof(); table.skip())
        rows.push_back(TLabelStock::ReadRow(table));
    table.goTop();
    return rows;
}

std::optional<TLabelStock> TLabelCatalogue::Find(const QString& description)
{
    for (const TLabelStock& row : Rows())
        if (row.TemplateName == description)
            return row;
    return std::nullopt;
}
