// The pages of one index file: reads and writes of 512-byte pages at checked offsets, the
// free-page list kept in the file header (offset 4), so pages freed by one tag serve the next,
// and a write-back cache of changed tree pages.
//
// Changed pages are held decoded (the trees hand them over with hold()) and encoded and
// written once each, in file order, by writeBack(): at commit(), or early when more pages are
// held than the cap allows. Small header writes, freed pages and bulk builds go to the file at
// once. With marking on (the compound index of a table), the file header's being-written byte
// is set and synced before the first write after a commit and cleared after commit()'s sync,
// so a file left marked tells its next opener that the index may be behind its table.
//
// Contract: the first header of the file sits at offset 0 (the compound header of a .CDX, the
// only header of an .IDX). Every offset read from the file is checked before use; a bad one
// throws InvalidIndexError. Raw writes never target a held page; trees hand in only pages in
// a consistent state (at the end of an insert or remove) by calling afterChange().
#pragma once

#include "CdxNode.h"
#include "CdxNodeCodec.h"
#include "FileIO.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

namespace xbase {

class CdxPageStore {
public:
    using NodePtr = std::shared_ptr<CdxNode>;

    // About 16 MB of pages once encoded; decoded they take a few times that.
    static constexpr size_t kDefaultHeldLimit = 16384;

    enum class Marking { Off, On };

    // Takes an open file; for an existing file, validates its size and free list. With marking
    // on, a file that carries the mark is not validated: markedAtOpen() says it is suspect.
    CdxPageStore(std::unique_ptr<File> file, bool freshFile, Marking marking = Marking::Off);

    const std::string& path() const { return file_->path(); }
    uint64_t size() const { return size_; }

    bool isPageOffset(uint32_t offset) const;
    void readPage(uint32_t offset, uint8_t* page) const;
    void readHeader(uint32_t offset, uint8_t* header) const;
    void write(uint32_t offset, const uint8_t* bytes, size_t count);

    uint32_t allocatePage();
    // Reserves `count` contiguous pages at the end of the file (tag headers, bulk builds).
    uint32_t appendPages(uint32_t count);
    void freePage(uint32_t offset);
    // Bumps the change counter other engines compare to see that the file moved on.
    void touch();

    // --- the write-back cache
    // Off: every afterChange() writes the held pages at once (the file is whole between calls).
    void setDeferred(bool deferred) { deferred_ = deferred; }
    void setHeldLimit(size_t pages) { heldLimit_ = pages; }
    // Keeps a changed page until the next write-back; the codec encodes it then.
    void hold(const NodePtr& node, const CdxNodeCodec& codec);
    // The held page at `offset`, or null.
    NodePtr held(uint32_t offset) const;
    // Forgets a held page without writing it (the page was freed).
    void forget(uint32_t offset);
    size_t heldCount() const { return held_.size(); }
    // A tree finished a change: write back when not deferring or when the cap is reached.
    void afterChange();
    // Encodes and writes every held page, in file order.
    void writeBack();
    // Writes back, syncs and clears the being-written mark; nothing when nothing changed.
    void commit();
    // Pages written by write-backs since the store was made (for tests and benchmarks).
    uint64_t pagesWritten() const { return pagesWritten_; }

    // --- the being-written mark (file header byte kHeaderWriting)
    // Sets and syncs the mark unless it is set already.
    void markWriting();
    // Whether the file carried the mark when it was opened.
    bool markedAtOpen() const { return markedAtOpen_; }

private:
    struct Held {
        NodePtr node;
        CdxNodeCodec codec;
    };

    void checkFreeList() const;
    void beforeWrite();
    void writeFile(uint64_t offset, const void* bytes, size_t count);

    std::unique_ptr<File> file_;
    uint64_t size_ = 0;
    uint32_t freeHead_ = 0;
    std::unordered_map<uint32_t, Held> held_;
    size_t heldLimit_ = kDefaultHeldLimit;
    bool deferred_ = false;
    bool marking_ = false;
    bool marked_ = false;
    bool markedAtOpen_ = false;
    bool unsynced_ = false;
    uint64_t pagesWritten_ = 0;
};

} // namespace xbase
