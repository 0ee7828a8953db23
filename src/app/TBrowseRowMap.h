// Maps the rows of the browse grid to record numbers of a work area's current record set, in
// its current order, without keeping a copy of the set.
//
// Rebuild() counts the set and lays a checkpoint (the record number) every BlockRows rows. It
// reads no records for that: it walks the current tag's keys (or the record numbers, in record
// order) and asks the set's filter which records belong, which the count has just brought up to
// date. A row is then found by going to its block's checkpoint and skipping forward, so no
// lookup walks more than BlockRows records; the blocks last visited are kept. When the quick
// walk cannot be trusted (no filter installed, a damaged index, a total that disagrees with the
// count), checkpoints are laid by skipping from the top as rows are asked for instead.
//
// Contract: the area outlives the map. Call Rebuild() after the set, its order or any record in
// it changed. RecordAt() moves the table's cursor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace xbase {
class WorkArea;
}

class TBrowseRowMap {
public:
    static constexpr int BlockRows = 8;

    explicit TBrowseRowMap(xbase::WorkArea& area) : Area(area) {}

    // Returns the row of `focusRecno` in the set, or -1 when it is no member.
    int Rebuild(uint32_t focusRecno = 0);
    int RowCount() const { return Rows; }
    // The record number on `row`, or 0 for a row outside the set.
    uint32_t RecordAt(int row);
    // Whether the checkpoints came from the quick walk (false: laid by skipping).
    bool QuickWalk() const { return Quick; }

private:
    bool WalkCheckpoints(uint32_t focusRecno, int& focusRow);
    int SkipToRow(uint32_t focusRecno);
    void LayCheckpointsThrough(size_t block);
    const std::vector<uint32_t>& Block(size_t block);

    xbase::WorkArea& Area;
    int Rows = 0;
    bool Quick = false;
    std::vector<uint32_t> Checkpoints; // record number of rows 0, BlockRows, 2*BlockRows, ...
    std::unordered_map<size_t, std::vector<uint32_t>> Blocks;
};
