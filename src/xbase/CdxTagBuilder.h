// Builds tag trees bottom-up from sorted keys: one pass over the table computes the keys of a
// group of tags (as many as the memory budget holds), each tag's keys are sorted, and its
// leaves are filled page by page, then the interior levels above them.
//
// Progress goes out per tag as a percentage that ends at 100 for each tag; a new tag starts
// again from 0. Contract: the targets' headers already exist in the store; build() writes the
// trees at the end of the file and points each header at its root.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace xbase {

class CdxPageStore;
class IndexRecordSource;
class KeyCondition;
class KeyExpression;

struct CdxBuildTarget {
    const KeyExpression* key = nullptr;
    const KeyCondition* condition = nullptr; // nullptr: every record
    uint16_t keyLength = 0;
    uint8_t filler = ' ';
    bool unique = false;
    uint32_t headerOffset = 0;
};

class CdxTagBuilder {
public:
    using Progress = std::function<void(int percent)>;

    CdxTagBuilder(CdxPageStore& store, IndexRecordSource& source, size_t keyMemoryBudget = size_t(256) << 20);
    void build(const std::vector<CdxBuildTarget>& targets, const Progress& progress);

private:
    struct Keys {
        uint8_t* bytes = nullptr; // inside the arena, room for one key per record
        size_t count = 0;
        std::vector<uint32_t> recnos;
    };

public:
    struct SortItem {
        uint64_t chunk; // eight key bytes from the current depth, big-endian
        uint32_t slot;
        uint32_t recno;
    };

private:

    void buildGroup(const std::vector<CdxBuildTarget>& group, const Progress& progress);
    const std::vector<SortItem>& sortKeys(const Keys& keys, uint16_t keyLength);
    uint32_t writeTree(const CdxBuildTarget& target, const Keys& keys, const std::vector<SortItem>& order);

    CdxPageStore& store_;
    IndexRecordSource& source_;
    size_t budget_;
    // Reused from tag to tag and group to group: fresh memory costs a page fault per 4 KB.
    struct FreeMemory {
        void operator()(uint8_t* p) const { std::free(p); }
    };
    std::unique_ptr<uint8_t, FreeMemory> arena_;
    size_t arenaSize_ = 0;
    std::vector<SortItem> items_;
    std::vector<SortItem> spare_;
    std::vector<uint8_t> pages_;
};

} // namespace xbase
