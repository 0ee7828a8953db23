#include "CdxPageStore.h"

#include "CdxFormat.h"
#include "InvalidIndexError.h"

#include <cstring>
#include <vector>

namespace xbase {

using namespace cdx;

namespace {
bool isEmptyFreeList(uint32_t head) { return head == 0 || head == kNoPage; }
} // namespace

CdxPageStore::CdxPageStore(std::unique_ptr<File> file, bool freshFile) : file_(std::move(file))
{
    size_ = file_->size();
    if (freshFile)
        return;
    if (size_ % kPageSize != 0 || size_ < kHeaderSize + kPageSize || size_ > 0xFFFFFE00u)
        throw InvalidIndexError(path() + ": index file size " + std::to_string(size_) + " is not a valid index size");
    uint8_t head[4];
    file_->readAt(kHeaderFreeList, head, 4);
    freeHead_ = readLe32(head);
    if (isEmptyFreeList(freeHead_))
        freeHead_ = 0;
    checkFreeList();
}

bool CdxPageStore::isPageOffset(uint32_t offset) const
{
    return offset >= kHeaderSize && offset % kPageSize == 0 && uint64_t(offset) + kPageSize <= size_;
}

void CdxPageStore::checkFreeList() const
{
    // A free list longer than the file has pages must loop.
    uint64_t steps = 0;
    for (uint32_t page = freeHead_; !isEmptyFreeList(page); ++steps) {
        if (!isPageOffset(page) || steps > size_ / kPageSize)
            throw InvalidIndexError(path() + ": damaged free page list");
        uint8_t next[4];
        file_->readAt(page, next, 4);
        page = readLe32(next);
    }
}

void CdxPageStore::readPage(uint32_t offset, uint8_t* page) const
{
    if (!isPageOffset(offset))
        throw InvalidIndexError(path() + ": page offset " + std::to_string(offset) + " lies outside the index");
    if (file_->readAt(offset, page, kPageSize) != kPageSize)
        throw InvalidIndexError(path() + ": index file cut short");
}

void CdxPageStore::readHeader(uint32_t offset, uint8_t* header) const
{
    if (offset % kPageSize != 0 || uint64_t(offset) + kHeaderSize > size_)
        throw InvalidIndexError(path() + ": header offset " + std::to_string(offset) + " lies outside the index");
    if (file_->readAt(offset, header, kHeaderSize) != kHeaderSize)
        throw InvalidIndexError(path() + ": index file cut short");
}

void CdxPageStore::write(uint32_t offset, const uint8_t* bytes, size_t count)
{
    file_->writeAt(offset, bytes, count);
    if (offset + count > size_)
        size_ = offset + count;
}

uint32_t CdxPageStore::allocatePage()
{
    if (isEmptyFreeList(freeHead_))
        return appendPages(1);
    const uint32_t page = freeHead_;
    uint8_t next[4];
    file_->readAt(page, next, 4);
    uint32_t following = readLe32(next);
    if (isEmptyFreeList(following))
        following = 0;
    else if (!isPageOffset(following) || following == page)
        throw InvalidIndexError(path() + ": damaged free page list");
    freeHead_ = following;
    uint8_t head[4];
    writeLe32(head, freeHead_);
    file_->writeAt(kHeaderFreeList, head, 4);
    return page;
}

uint32_t CdxPageStore::appendPages(uint32_t count)
{
    const uint64_t offset = size_;
    if (offset + uint64_t(count) * kPageSize > 0xFFFFFE00u)
        throw XbaseError(path() + ": index file would exceed 4 GB");
    std::vector<uint8_t> zeros(size_t(count) * kPageSize, 0);
    write(uint32_t(offset), zeros.data(), zeros.size());
    return uint32_t(offset);
}

void CdxPageStore::freePage(uint32_t offset)
{
    uint8_t page[kPageSize] = {};
    writeLe32(page, freeHead_);
    file_->writeAt(offset, page, kPageSize);
    freeHead_ = offset;
    uint8_t head[4];
    writeLe32(head, freeHead_);
    file_->writeAt(kHeaderFreeList, head, 4);
}

void CdxPageStore::touch()
{
    uint8_t counter[4];
    file_->readAt(kHeaderChangeCounter, counter, 4);
    writeLe32(counter, readLe32(counter) + 1);
    file_->writeAt(kHeaderChangeCounter, counter, 4);
}

} // namespace xbase
