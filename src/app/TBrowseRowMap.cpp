#include "TBrowseRowMap.h"

#include "xbase/WorkArea.h"

#include <algorithm>

namespace {
// Blocks kept between lookups: a few screens of rows either side of where the grid stands.
constexpr size_t kKeptBlocks = 256;
} // namespace

int TBrowseRowMap::Rebuild(uint32_t focusRecno)
{
    Blocks.clear();
    Checkpoints.clear();
    Rows = static_cast<int>(Area.count()); // also folds recent writes into the set's filter
    int focusRow = -1;
    Quick = WalkCheckpoints(focusRecno, focusRow);
    if (!Quick) {
        Checkpoints.clear();
        focusRow = SkipToRow(focusRecno);
    }
    return focusRow;
}

bool TBrowseRowMap::WalkCheckpoints(uint32_t focusRecno, int& focusRow)
{
    xbase::DbfTable& table = Area.table();
    xbase::RecordFilter* filter = table.filter();
    if (filter == nullptr)
        return false; // delete flags could only be told by reading every record
    const uint32_t recordCount = table.recordCount();
    int row = 0;
    auto visit = [&](uint32_t recno) {
        // Right after a count the filter's first look is exact: set membership, flags included.
        if (recno == 0 || recno > recordCount || !filter->mayAccept(recno))
            return;
        if (row % BlockRows == 0)
            Checkpoints.push_back(recno);
        if (recno == focusRecno)
            focusRow = row;
        ++row;
    };
    try {
        xbase::CdxTag* tag = Area.index() ? Area.index()->currentTag() : nullptr;
        if (tag == nullptr) {
            for (uint32_t recno = 1; recno <= recordCount; ++recno)
                visit(recno);
        } else if (tag->descending()) {
            xbase::CdxTree& tree = tag->tree();
            for (auto p = tree.last(); p.valid(); p = tree.previous(p))
                visit(p.recno());
        } else {
            // A leaf page at a time: the tree is asked only for the next page.
            xbase::CdxTree& tree = tag->tree();
            for (auto p = tree.first(); p.valid(); p = tree.next(p)) {
                const std::vector<uint32_t>& recnos = p.leaf->recnos;
                for (; p.index < recnos.size(); ++p.index)
                    visit(recnos[p.index]);
                p.index = recnos.size() - 1;
            }
        }
    } catch (const xbase::XbaseError&) {
        return false;
    }
    return row == Rows;
}

int TBrowseRowMap::SkipToRow(uint32_t focusRecno)
{
    if (focusRecno == 0)
        return -1;
    xbase::DbfTable& table = Area.table();
    int row = 0;
    for (table.goTop(); !table.eof(); table.skip(), ++row) {
        if (row % BlockRows == 0 && static_cast<size_t>(row / BlockRows) == Checkpoints.size())
            Checkpoints.push_back(table.recordNumber());
        if (table.recordNumber() == focusRecno)
            return row;
    }
    return -1;
}

void TBrowseRowMap::LayCheckpointsThrough(size_t block)
{
    xbase::DbfTable& table = Area.table();
    if (Checkpoints.empty()) {
        table.goTop();
        if (table.eof())
            return;
        Checkpoints.push_back(table.recordNumber());
    }
    while (Checkpoints.size() <= block) {
        table.go(Checkpoints.back());
        table.skip(BlockRows);
        if (table.eof())
            return;
        Checkpoints.push_back(table.recordNumber());
    }
}

const std::vector<uint32_t>& TBrowseRowMap::Block(size_t block)
{
    if (auto found = Blocks.find(block); found != Blocks.end())
        return found->second;
    if (Blocks.size() >= kKeptBlocks)
        Blocks.clear();
    LayCheckpointsThrough(block);
    std::vector<uint32_t> recnos;
    if (block < Checkpoints.size()) {
        xbase::DbfTable& table = Area.table();
        const size_t wanted = std::min<size_t>(BlockRows, static_cast<size_t>(Rows) - block * BlockRows);
        table.go(Checkpoints[block]);
        recnos.push_back(table.recordNumber());
        while (recnos.size() < wanted) {
            table.skip();
            if (table.eof())
                break;
            recnos.push_back(table.recordNumber());
        }
    }
    return Blocks.emplace(block, std::move(recnos)).first->second;
}

uint32_t TBrowseRowMap::RecordAt(int row)
{
    if (row < 0 || row >= Rows)
        return 0;
    const std::vector<uint32_t>& recnos = Block(static_cast<size_t>(row / BlockRows));
    const size_t index = static_cast<size_t>(row % BlockRows);
    return index < recnos.size() ? recnos[index] : 0;
}
