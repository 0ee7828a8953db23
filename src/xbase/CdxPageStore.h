// The pages of one index file: reads and writes of 512-byte pages at checked offsets, and the
// free-page list kept in the file header (offset 4), so pages freed by one tag serve the next.
//
// Contract: the first header of the file sits at offset 0 (the compound header of a .CDX, the
// only header of an .IDX). Every offset read from the file is checked before use; a bad one
// throws InvalidIndexError.
#pragma once

#include "FileIO.h"

#include <cstdint>
#include <memory>
#include <string>

namespace xbase {

class CdxPageStore {
public:
    // Takes an open file; for an existing file, validates its size and free list.
    CdxPageStore(std::unique_ptr<File> file, bool freshFile);

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

private:
    void checkFreeList() const;

    std::unique_ptr<File> file_;
    uint64_t size_ = 0;
    uint32_t freeHead_ = 0;
};

} // namespace xbase
