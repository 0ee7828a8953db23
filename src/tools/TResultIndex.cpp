#include "TResultIndex.h"

#include "data/TAddressTable.h"
#include "xbase/IdxIndex.h"

#include <algorithm>

TResultIndex::TResultIndex(TAddressTable& table, const QString& path, const QString& keyExpression)
    : Table(table), FilePath(path)
{
    xbase::FileSystem& fs = xbase::FileSystem::native();
    xbase::IdxIndex::remove(fs, path.toStdString());
    xbase::WorkArea& area = table.Area();
    Index = xbase::IdxIndex::create(fs, path.toStdString(), keyExpression.toStdString(), area.compiler(), area.table());
    area.table().addListener(Index.get());
    SavedOrder = area.order();
}

TResultIndex::~TResultIndex()
{
    try {
        xbase::WorkArea& area = Table.Area();
        area.table().commit(); // the last edit reaches the index while it still listens
        if (IsInstalled)
            area.setOrder(SavedOrder);
        area.table().removeListener(Index.get());
    } catch (...) {
        // Nothing can be reported from a destructor; the file goes below in any case.
    }
    Index.reset();
    try {
        xbase::IdxIndex::remove(xbase::FileSystem::native(), FilePath.toStdString());
    } catch (...) {
    }
}

void TResultIndex::Add(std::vector<uint32_t> recnos)
{
    std::sort(recnos.begin(), recnos.end());
    recnos.erase(std::unique(recnos.begin(), recnos.end()), recnos.end());
    xbase::DbfTable& records = Table.Table();
    records.commit();
    const bool hidden = records.flaggedHidden();
    records.setFlaggedHidden(false);
    for (const uint32_t recno : recnos) {
        records.go(recno);
        Index->addKey(records);
    }
    records.setFlaggedHidden(hidden);
}

void TResultIndex::Install()
{
    Table.Area().setExternalOrder(&Index->order());
    IsInstalled = true;
    Table.Table().goTop();
}

std::vector<uint32_t> TResultIndex::Records()
{
    std::vector<uint32_t> recnos;
    xbase::DbfTable& records = Table.Table();
    records.commit();
    if (IsInstalled) {
        // Through the cursor: records deleted since they were listed drop out of the set.
        for (records.goTop(); !records.eof(); records.skip())
            recnos.push_back(records.recordNumber());
        records.goTop();
        return recnos;
    }
    xbase::RecordOrder& order = Index->order();
    for (uint32_t recno = order.first(); recno != 0;) {
        recnos.push_back(recno);
        records.go(recno);
        recno = order.next(recno, records);
    }
    return recnos;
}
