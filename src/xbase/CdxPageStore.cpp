#include "CdxPageStore.h"

#include "CdxFormat.h"
#include "InvalidIndexError.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace xbase {

using namespace cdx;

namespace {
bool isEmptyFreeList(uint32_t head) { return head == 0 || head == kNoPage; }
} // namespace

CdxPageStore::CdxPageStore(std::unique_ptr<File> file, bool freshFile, Marking marking) : file_(std::move(file))
{
    size_ = file_->size();
    if (freshFile)
        return;
    if (marking == Marking::On) {
        // A marked file was caught between commits: what follows may be cut short or stale,
        // and the opener is told so before anything else is read.
        uint8_t mark = 0;
        file_->readAt(kHeaderWriting, &mark, 1);
        markedAtOpen_ = marked_ = mark != 0;
        marking_ = true;
        if (markedAtOpen_)
            return;
    }
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

void CdxPageStore::write(uint32_t offset, const uint8_t* bytes, size_t count) { writeFile(offset, bytes, count); }

void CdxPageStore::writeFile(uint64_t offset, const void* bytes, size_t count)
{
    beforeWrite();
    file_->writeAt(offset, bytes, count);
    if (offset + count > size_)
        size_ = offset + count;
}

void CdxPageStore::beforeWrite()
{
    markWriting();
    unsynced_ = true;
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
    writeFile(kHeaderFreeList, head, 4);
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
    forget(offset);
    writeLe32(page, freeHead_);
    writeFile(offset, page, kPageSize);
    freeHead_ = offset;
    uint8_t head[4];
    writeLe32(head, freeHead_);
    writeFile(kHeaderFreeList, head, 4);
}

void CdxPageStore::touch()
{
    uint8_t counter[4];
    file_->readAt(kHeaderChangeCounter, counter, 4);
    writeLe32(counter, readLe32(counter) + 1);
    writeFile(kHeaderChangeCounter, counter, 4);
}

// ---------------------------------------------------------------- write-back

void CdxPageStore::hold(const NodePtr& node, const CdxNodeCodec& codec)
{
    auto [it, added] = held_.try_emplace(node->offset, Held{node, codec});
    if (!added)
        it->second.node = node;
}

CdxPageStore::NodePtr CdxPageStore::held(uint32_t offset) const
{
    const auto it = held_.find(offset);
    return it == held_.end() ? nullptr : it->second.node;
}

void CdxPageStore::forget(uint32_t offset) { held_.erase(offset); }

void CdxPageStore::afterChange()
{
    if (!deferred_ || held_.size() >= heldLimit_)
        writeBack();
}

void CdxPageStore::writeBack()
{
    if (held_.empty())
        return;
    std::vector<uint32_t> offsets;
    offsets.reserve(held_.size());
    for (const auto& entry : held_)
        offsets.push_back(entry.first);
    std::sort(offsets.begin(), offsets.end());
    // Neighbouring pages go out as one write; a run is cut at 1 MB to bound the buffer.
    constexpr size_t kRunPages = 2048;
    std::vector<uint8_t> run;
    run.reserve(std::min(offsets.size(), kRunPages) * kPageSize);
    uint32_t runStart = 0;
    auto writeRun = [&] {
        if (!run.empty())
            writeFile(runStart, run.data(), run.size());
        run.clear();
    };
    for (const uint32_t offset : offsets) {
        if (run.empty() || offset != runStart + run.size() || run.size() >= kRunPages * kPageSize) {
            writeRun();
            runStart = offset;
        }
        const Held& page = held_.at(offset);
        run.resize(run.size() + kPageSize);
        page.codec.encode(*page.node, run.data() + run.size() - kPageSize);
    }
    writeRun();
    pagesWritten_ += offsets.size();
    held_.clear();
}

void CdxPageStore::commit()
{
    writeBack();
    if (unsynced_) {
        file_->flush();
        unsynced_ = false;
    }
    if (marked_ && marking_) {
        // Cleared without a sync of its own: losing the clear only costs a needless rebuild.
        const uint8_t clear = 0;
        file_->writeAt(kHeaderWriting, &clear, 1);
        marked_ = false;
    }
}

void CdxPageStore::markWriting()
{
    if (!marking_ || marked_)
        return;
    const uint8_t mark = 1;
    file_->writeAt(kHeaderWriting, &mark, 1);
    file_->flush(); // on disk before any page it guards
    marked_ = true;
}

} // namespace xbase
