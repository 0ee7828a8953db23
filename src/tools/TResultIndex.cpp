#include "TResultIndex.h"

#include "data/TAddressTable.h"
#include "xbase/BufferRecordView.h"
#include "xbase/IdxIndex.h"
#include "xbase/IndexRecordSource.h"

#include <algorithm>

namespace {
// The listed records, as written, for a bulk build of the result index.
class TListedRecords final : public xbase::IndexRecordSource {
public:
    TListedRecords(xbase::DbfTable& table, const std::vector<uint32_t>& recnos) : Table(table), Recnos(recnos), View(table) {}
    const xbase::RecordView& layout() const override { return Table; }
    uint32_t recordCount() const override { return static_cast<uint32_t>(Recnos.size()); }
    void forEachRecord(const std::function<void(const xbase::RecordView&)>& visit) override
    {
        for (const uint32_t recno : Recnos) {
            View.point(Table.peek(recno), recno);
            visit(View);
        }
    }

private:
    xbase::DbfTable& Table;
    const std::vector<uint32_t>& Recnos;
    xbase::BufferRecordView View;
};
} // namespace

TResultIndex::TResultIndex(TAddressTable& table, const QString& path, const QString& keyExpression)
    : Table(table), FilePath(path), KeyExpression(keyExpression)
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
    if (!Filled && !IsInstalled) {
        // The first (and usual only) batch: the file is built afresh from the sorted keys.
        xbase::WorkArea& area = Table.Area();
        xbase::FileSystem& fs = xbase::FileSystem::native();
        records.removeListener(Index.get());
        Index.reset();
        TListedRecords listed(records, recnos);
        Index = xbase::IdxIndex::build(fs, FilePath.toStdString(), KeyExpression.toStdString(), area.compiler(), listed);
        records.addListener(Index.get());
        Filled = !recnos.empty();
        return;
    }
    for (const uint32_t recno : recnos) {
        records.go(recno);
        Index->addKey(records);
    }
    Filled = Filled || !recnos.empty();
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
