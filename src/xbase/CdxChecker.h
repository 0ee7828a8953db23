// Verifies index trees completely: every page's structure and links, key order, parent
// entries equal to their child's last key, and for a tag every record present exactly once
// (unless the tag is unique or conditional) with the key its expression gives today.
// Faults are collected as messages, up to a limit; a damaged page stops that tree's walk.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace xbase {

class CdxTag;
class CdxTree;
class IndexRecordSource;

class CdxChecker {
public:
    using EntryVisitor = std::function<void(const uint8_t* key, uint32_t recno)>;

    CdxChecker(IndexRecordSource& source, size_t maxFaults) : source_(source), maxFaults_(maxFaults) {}

    // Walks the tree level by level; false when a fault stopped the walk.
    bool checkTree(CdxTree& tree, const std::string& label, const EntryVisitor& visit);
    void checkTag(CdxTag& tag);
    const std::vector<std::string>& faults() const { return faults_; }

private:
    void fault(const std::string& label, const std::string& message);
    bool full() const { return faults_.size() >= maxFaults_; }

    IndexRecordSource& source_;
    size_t maxFaults_;
    std::vector<std::string> faults_;
};

} // namespace xbase
