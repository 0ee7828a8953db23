// Builds tag trees bottom-up from sorted keys: one pass over the table computes the keys of a
// group of tags (as many as the memory budget holds), each tag's keys are sorted, and its
// leaves are filled page by page, then the interior levels above them.
//
// Progress goes out per tag as a percentage that ends at 100 for each tag; a new tag starts
// again from 0. Contract: the targets' headers already exist in the store; build() writes the
// trees at the end of the file and points each header at its root.
#pragma once

#include <cstdint>
#include <functional>
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

    CdxTagBuilder(CdxPageStore& store, IndexRecordSource& source, size_t keyMemoryBudget = size_t(128) << 20);
    void build(const std::vector<CdxBuildTarget>& targets, const Progress& progress);

private:
    struct Keys {
        std::vector<uint8_t> bytes;
        std::vector<uint32_t> recnos;
    };

    void buildGroup(const std::vector<CdxBuildTarget>& group, const Progress& progress);
    static std::vector<uint32_t> sortedSlots(const Keys& keys, uint16_t keyLength);
    uint32_t writeTree(const CdxBuildTarget& target, const Keys& keys, const std::vector<uint32_t>& order);

    CdxPageStore& store_;
    IndexRecordSource& source_;
    size_t budget_;
};

} // namespace xbase
