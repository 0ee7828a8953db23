// One B+tree of a compact index: a tag's keys, or the tag directory of a compound file. Pages
// are decoded into CdxNode values on demand and changed in memory; changed pages go to the
// page store's write-back cache, which writes them at the end of every insert or remove or,
// when deferring, at its commit (the file is whole after a write-back).
//
// Entries are ordered by (key bytes, record number). Positions stay usable only while
// changeCount() is unchanged; after a change a caller finds its place again by key.
// Navigation checks every sibling step (back link, rising keys), so a damaged chain ends in
// InvalidIndexError, never in an endless walk.
#pragma once

#include "CdxNode.h"
#include "CdxNodeCodec.h"

#include <functional>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace xbase {

class CdxPageStore;

class CdxTree {
public:
    using NodePtr = std::shared_ptr<CdxNode>;

    // Compares entries with `length` leading bytes and, when withRecno, the record number.
    struct Probe {
        const uint8_t* bytes = nullptr;
        size_t length = 0;
        bool withRecno = false;
        uint32_t recno = 0;
    };

    struct Position {
        NodePtr leaf;
        size_t index = 0;
        bool valid() const { return leaf && index < leaf->count(); }
        const uint8_t* key() const { return leaf->key(index); }
        uint32_t recno() const { return leaf->recnos[index]; }
    };

    CdxTree(CdxPageStore& store, uint32_t headerOffset, uint16_t keyLength, uint8_t filler);

    uint32_t rootOffset() const { return root_; }
    uint32_t headerOffset() const { return headerOffset_; }
    const CdxNodeCodec& codec() const { return codec_; }
    uint16_t keyLength() const { return codec_.keyLength(); }
    uint64_t changeCount() const { return changeCount_; }

    Position first();
    Position last();
    // First entry at or after (lowerBound) / strictly after (upperBound) the probe.
    Position lowerBound(const Probe& probe);
    Position upperBound(const Probe& probe);
    Position next(const Position& position);
    Position previous(const Position& position);
    // The entry before `position`, where an invalid position stands for the end.
    Position before(const Position& position);

    // False when the entry is already there (insert) or absent (remove).
    bool insert(const uint8_t* key, uint32_t recno);
    bool remove(const uint8_t* key, uint32_t recno);

    NodePtr load(uint32_t offset);
    // Returns every page of the tree to the free list (the header pages excepted).
    void freeAllPages();
    // Empties the tree: every page freed, a new empty root leaf.
    void clear();

    int compare(const uint8_t* key, uint32_t recno, const Probe& probe) const;

private:
    using Path = std::vector<std::pair<NodePtr, size_t>>;

    Position bound(const Probe& probe, bool strict);
    NodePtr loadChild(const CdxNode& parent, size_t index, size_t depth);
    NodePtr descendToLeaf(const Probe& probe, Path& path);
    NodePtr split(const NodePtr& node);
    size_t splitPoint(const CdxNode& node) const;
    void growRoot(const NodePtr& left, const NodePtr& right);
    bool mergeIntoLeft(CdxNode& parent, size_t index, const NodePtr& node);
    void collapseRoot(NodePtr root);
    void unlink(const CdxNode& node);
    void release(const CdxNode& node);
    NodePtr createNode(bool leaf);
    void markDirty(const NodePtr& node);
    void writeRootPointer();
    void flush();
    [[noreturn]] void damaged(uint32_t offset, const char* what) const;

    CdxPageStore& store_;
    uint32_t headerOffset_;
    CdxNodeCodec codec_;
    uint32_t root_ = 0;
    uint64_t changeCount_ = 0;
    std::unordered_map<uint32_t, NodePtr> cache_;
    size_t cachedLeaves_ = 0; // an estimate: leaves created or released in place are not counted
};

} // namespace xbase
