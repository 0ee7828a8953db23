#include "CdxTagBuilder.h"

#include "CdxFormat.h"
#include "CdxNodeCodec.h"
#include "CdxPageStore.h"
#include "IndexRecordSource.h"
#include "KeyExpression.h"
#include "RecordView.h"
#include "XbaseError.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <new>
#ifdef __linux__
#include <sys/mman.h>
#endif
#include <bit>
#include <cstring>
#include <string>

namespace xbase {

using namespace cdx;

CdxTagBuilder::CdxTagBuilder(CdxPageStore& store, IndexRecordSource& source, size_t keyMemoryBudget)
    : store_(store), source_(source), budget_(keyMemoryBudget)
{
}

void CdxTagBuilder::build(const std::vector<CdxBuildTarget>& targets, const Progress& progress)
{
    const size_t records = std::max<size_t>(1, source_.recordCount());
    std::vector<CdxBuildTarget> group;
    size_t groupBytes = 0;
    for (const CdxBuildTarget& target : targets) {
        const size_t bytes = size_t(target.keyLength) * records;
        if (!group.empty() && groupBytes + bytes > budget_) {
            buildGroup(group, progress);
            group.clear();
            groupBytes = 0;
        }
        group.push_back(target);
        groupBytes += bytes;
    }
    if (!group.empty())
        buildGroup(group, progress);
}

void CdxTagBuilder::buildGroup(const std::vector<CdxBuildTarget>& group, const Progress& progress)
{
    const uint32_t records = source_.recordCount();
    std::vector<Keys> keys(group.size());
    size_t arenaBytes = 0;
    for (const CdxBuildTarget& target : group)
        arenaBytes += size_t(target.keyLength) * records;
    if (arenaSize_ < arenaBytes) {
        // Left unfilled (every byte used is written first), and in large pages where the system
        // offers them: a quarter gigabyte of small pages costs tens of thousands of faults.
        constexpr size_t kLargePage = size_t(2) << 20;
        const size_t rounded = (arenaBytes + kLargePage - 1) / kLargePage * kLargePage;
        arena_.reset(static_cast<uint8_t*>(std::aligned_alloc(kLargePage, rounded)));
        if (!arena_)
            throw std::bad_alloc();
#ifdef __linux__
        madvise(arena_.get(), rounded, MADV_HUGEPAGE);
#endif
        arenaSize_ = arenaBytes;
    }
    for (size_t t = 0, at = 0; t < group.size(); ++t) {
        keys[t].bytes = arena_.get() + at;
        at += size_t(group[t].keyLength) * records;
        keys[t].recnos.reserve(records);
    }
    // One read of the table serves the whole group; its progress is shown on the group's
    // first tag, which then finishes while the others run through sort and write.
    int shown = -1;
    auto report = [&](int percent) {
        if (progress && percent != shown) {
            shown = percent;
            progress(percent);
        }
    };
    report(0);
    std::string key;
    uint32_t visited = 0;
    source_.forEachRecord([&](const RecordView& record) {
        for (size_t t = 0; t < group.size(); ++t) {
            const CdxBuildTarget& target = group[t];
            if (target.condition && !target.condition->test(record))
                continue;
            if (keys[t].count == records)
                throw XbaseError("the table grew while its index was being built");
            target.key->computeKey(record, key);
            key.resize(target.keyLength, char(target.filler));
            std::memcpy(keys[t].bytes + keys[t].count * target.keyLength, key.data(), target.keyLength);
            ++keys[t].count;
            keys[t].recnos.push_back(record.recordNumber());
        }
        ++visited;
        if (records > 0 && visited % 4096 == 0)
            report(int(uint64_t(visited) * 90 / records));
    });
    for (size_t t = 0; t < group.size(); ++t) {
        if (t > 0)
            report(0);
        const std::vector<SortItem>& order = sortKeys(keys[t], group[t].keyLength);
        if (t > 0)
            report(50);
        const uint32_t root = writeTree(group[t], keys[t], order);
        uint8_t bytes[4];
        writeLe32(bytes, root);
        store_.write(group[t].headerOffset + kHeaderRoot, bytes, 4);
        std::vector<uint32_t>().swap(keys[t].recnos);
        report(100);
    }
}

namespace {

using SortItem = CdxTagBuilder::SortItem;

uint64_t chunkAt(const uint8_t* key, size_t depth, size_t keyLength)
{
    if (depth + 8 <= keyLength) {
        uint64_t chunk;
        std::memcpy(&chunk, key + depth, 8);
        if constexpr (std::endian::native == std::endian::little)
            chunk = __builtin_bswap64(chunk);
        return chunk;
    }
    uint64_t chunk = 0;
    for (size_t b = 0; b < 8; ++b)
        chunk = (chunk << 8) | (depth + b < keyLength ? key[depth + b] : 0);
    return chunk;
}

// Stable LSD radix sort of items by the low `bytes` bytes of their chunk; byte positions where
// all items agree cost nothing.
void lsdRadixSort(SortItem* items, SortItem* spare, size_t n, size_t bytes)
{
    std::array<std::array<uint32_t, 256>, 8> counts{};
    for (size_t i = 0; i < n; ++i)
        for (size_t b = 0; b < bytes; ++b)
            ++counts[b][(items[i].chunk >> (8 * b)) & 0xFF];
    SortItem* from = items;
    SortItem* to = spare;
    for (size_t b = 0; b < bytes; ++b) {
        auto& count = counts[b];
        if (count[(from[0].chunk >> (8 * b)) & 0xFF] == n)
            continue;
        uint32_t start = 0;
        for (auto& c : count) {
            const uint32_t here = c;
            c = start;
            start += here;
        }
        for (size_t i = 0; i < n; ++i)
            to[count[(from[i].chunk >> (8 * b)) & 0xFF]++] = from[i];
        std::swap(from, to);
    }
    if (from != items)
        std::copy(from, from + n, items);
}

// Large inputs first split on the top byte, so the remaining passes run on buckets that fit
// the processor cache; small ones go straight to the LSD passes.
void radixSort(SortItem* items, SortItem* spare, size_t n)
{
    constexpr size_t kCacheSized = 32768;
    if (n <= kCacheSized) {
        lsdRadixSort(items, spare, n, 8);
        return;
    }
    std::array<uint32_t, 257> start{};
    for (size_t i = 0; i < n; ++i)
        ++start[(items[i].chunk >> 56) + 1];
    for (size_t b = 1; b < start.size(); ++b)
        start[b] += start[b - 1];
    std::array<uint32_t, 256> next;
    std::copy(start.begin(), start.end() - 1, next.begin());
    for (size_t i = 0; i < n; ++i)
        spare[next[items[i].chunk >> 56]++] = items[i];
    std::copy(spare, spare + n, items);
    for (size_t b = 0; b < 256; ++b)
        if (start[b + 1] - start[b] > 1)
            lsdRadixSort(items + start[b], spare, start[b + 1] - start[b], 7);
}

// Items are sorted by the chunk at `depth`; orders each run of equal chunks by the bytes after.
void refineRuns(SortItem* items, SortItem* spare, size_t n, size_t depth, const uint8_t* keys, size_t keyLength)
{
    const size_t next = depth + 8;
    if (next >= keyLength)
        return;
    for (size_t begin = 0; begin < n;) {
        size_t end = begin + 1;
        while (end < n && items[end].chunk == items[begin].chunk)
            ++end;
        const size_t runLength = end - begin;
        if (runLength > 1 && runLength <= 32) {
            std::stable_sort(items + begin, items + end, [&](const SortItem& a, const SortItem& b) {
                return std::memcmp(keys + size_t(a.slot) * keyLength + next, keys + size_t(b.slot) * keyLength + next,
                                   keyLength - next) < 0;
            });
        } else if (runLength > 32) {
            for (size_t i = begin; i < end; ++i) {
                if (i + 16 < end)
                    __builtin_prefetch(keys + size_t(items[i + 16].slot) * keyLength + next);
                items[i].chunk = chunkAt(keys + size_t(items[i].slot) * keyLength, next, keyLength);
            }
            radixSort(items + begin, spare, runLength);
            refineRuns(items + begin, spare, runLength, next, keys, keyLength);
        }
        begin = end;
    }
}

} // namespace

const std::vector<CdxTagBuilder::SortItem>& CdxTagBuilder::sortKeys(const Keys& keys, uint16_t keyLength)
{
    // Radix sort eight key bytes at a time, most significant chunk first; the radix passes are
    // stable, so equal keys keep record number order.
    const size_t n = keys.count;
    items_.resize(n);
    spare_.resize(std::max(spare_.size(), n));
    if (n == 0)
        return items_;
    for (size_t i = 0; i < n; ++i)
        items_[i] = {chunkAt(keys.bytes + i * keyLength, 0, keyLength), uint32_t(i), keys.recnos[i]};
    radixSort(items_.data(), spare_.data(), n);
    refineRuns(items_.data(), spare_.data(), n, 0, keys.bytes, keyLength);
    return items_;
}

namespace {

// Collects finished pages of one level and links them as siblings.
class LevelWriter {
public:
    LevelWriter(std::vector<uint8_t>& pages, uint32_t base, uint16_t keyLength)
        : pages_(pages), base_(base), keyLength_(keyLength)
    {
    }

    uint8_t* pageAt(size_t index) { return pages_.data() + index * kPageSize; }

    // Appends a zeroed page for the next node and links it; returns its index.
    size_t startPage(uint32_t& offset)
    {
        const size_t index = pages_.size() / kPageSize;
        offset = base_ + uint32_t(index * kPageSize);
        pages_.resize(pages_.size() + kPageSize);
        uint8_t* page = pages_.data() + index * kPageSize;
        writeLe32(page + kNodeLeft, previous_ == SIZE_MAX ? kNoPage : base_ + uint32_t(previous_ * kPageSize));
        writeLe32(page + kNodeRight, kNoPage);
        if (previous_ != SIZE_MAX)
            writeLe32(pages_.data() + previous_ * kPageSize + kNodeRight, offset);
        previous_ = index;
        return index;
    }
    void finished(uint32_t offset, const uint8_t* lastKey, uint32_t lastRecno)
    {
        lastKeys.insert(lastKeys.end(), lastKey, lastKey + keyLength_);
        lastRecnos.push_back(lastRecno);
        offsets.push_back(offset);
    }

    std::vector<uint8_t> lastKeys;
    std::vector<uint32_t> lastRecnos;
    std::vector<uint32_t> offsets;

private:
    std::vector<uint8_t>& pages_;
    uint32_t base_;
    uint16_t keyLength_;
    size_t previous_ = SIZE_MAX;
};

// Fills one leaf page at a time: key bytes go straight into place from the end of the page;
// the packed entries are written when the page is full, once its widest record number is known.
class LeafFiller {
public:
    LeafFiller(const CdxNodeCodec& codec, LevelWriter& level) : codec_(codec), level_(level) {}

    void add(const uint8_t* key, uint32_t recno)
    {
        const uint16_t keyLength = codec_.keyLength();
        const size_t trailing = codec_.trailingCount(key);
        size_t dup = entries_.empty() ? 0 : codec_.duplicateCount(lastKey_, lastTrailing_, key, trailing);
        uint32_t widest = std::max(maxRecno_, recno);
        const size_t width = widest == maxRecno_ ? entryBytes_ : codec_.entryBytesFor(widest);
        if (!entries_.empty() && (entries_.size() + 1) * width + stored_ + keyLength - dup - trailing > kLeafSpace) {
            flush();
            dup = 0;
            widest = recno;
        }
        if (widest != maxRecno_)
            entryBytes_ = codec_.entryBytesFor(widest);
        if (page_ == kNone)
            page_ = level_.startPage(offset_);
        const size_t fresh = keyLength - dup - trailing;
        stored_ += fresh;
        std::memcpy(level_.pageAt(page_) + kPageSize - stored_, key + dup, fresh);
        entries_.push_back({recno, uint8_t(dup), uint8_t(trailing)});
        maxRecno_ = widest;
        lastKey_ = key;
        lastTrailing_ = trailing;
    }

    void flush()
    {
        if (page_ == kNone)
            page_ = level_.startPage(offset_); // an empty tag is one empty root leaf
        uint8_t* page = level_.pageAt(page_);
        const unsigned bits = codec_.countBits();
        const unsigned k = codec_.entryBytesFor(maxRecno_);
        const unsigned recordBits = 8 * k - 2 * bits;
        const auto mask = [](unsigned b) { return b >= 32 ? 0xFFFFFFFFu : (uint32_t(1) << b) - 1; };
        writeLe16(page + kNodeAttributes, kAttributeLeaf);
        writeLe16(page + kNodeKeyCount, uint16_t(entries_.size()));
        writeLe16(page + kLeafFreeBytes, uint16_t(kLeafSpace - stored_ - entries_.size() * k));
        writeLe32(page + kLeafRecordMask, mask(recordBits));
        page[kLeafDuplicateMask] = page[kLeafTrailingMask] = uint8_t(mask(bits));
        page[kLeafRecordBits] = uint8_t(recordBits);
        page[kLeafDuplicateBits] = page[kLeafTrailingBits] = uint8_t(bits);
        page[kLeafEntryBytes] = uint8_t(k);
        uint8_t* e = page + kLeafHeaderSize;
        for (const Entry& entry : entries_) {
            const uint64_t v = uint64_t(entry.recno) | (uint64_t(entry.dup) << recordBits)
                               | (uint64_t(entry.trailing) << (recordBits + bits));
            for (unsigned b = 0; b < k; ++b)
                *e++ = uint8_t(v >> (8 * b));
        }
        if (!entries_.empty())
            level_.finished(offset_, lastKey_, entries_.back().recno);
        else
            level_.offsets.push_back(offset_);
        entries_.clear();
        page_ = kNone;
        stored_ = 0;
        maxRecno_ = 0;
        entryBytes_ = codec_.entryBytesFor(0);
    }

    bool pending() const { return page_ != kNone; }

private:
    struct Entry {
        uint32_t recno;
        uint8_t dup;
        uint8_t trailing;
    };
    const CdxNodeCodec& codec_;
    LevelWriter& level_;
    static constexpr size_t kNone = SIZE_MAX;
    size_t page_ = kNone; // index of the page being filled
    uint32_t offset_ = 0;
    std::vector<Entry> entries_;
    size_t stored_ = 0;
    uint32_t maxRecno_ = 0;
    size_t entryBytes_ = 1;
    const uint8_t* lastKey_ = nullptr;
    size_t lastTrailing_ = 0;
};

} // namespace

uint32_t CdxTagBuilder::writeTree(const CdxBuildTarget& target, const Keys& keys, const std::vector<SortItem>& order)
{
    const uint16_t keyLength = target.keyLength;
    const CdxNodeCodec codec(keyLength, target.filler);
    const uint32_t base = uint32_t(store_.size());
    std::vector<uint8_t>& pages = pages_;
    pages.clear();

    LevelWriter leaves(pages, base, keyLength);
    LeafFiller filler(codec, leaves);
    const uint8_t* previousKey = nullptr;
    const size_t count = order.size();
    for (size_t i = 0; i < count; ++i) {
        // Sorted order visits the keys at random; fetching ahead hides most of the misses.
        if (i + 16 < count)
            __builtin_prefetch(keys.bytes + size_t(order[i + 16].slot) * keyLength);
        const SortItem& entry = order[i];
        const uint8_t* key = keys.bytes + size_t(entry.slot) * keyLength;
        if (target.unique && previousKey && std::memcmp(previousKey, key, keyLength) == 0)
            continue;
        filler.add(key, entry.recno);
        previousKey = key;
    }
    if (filler.pending() || leaves.offsets.empty())
        filler.flush();

    LevelWriter* below = &leaves;
    std::vector<std::unique_ptr<LevelWriter>> levels;
    const size_t capacity = codec.interiorCapacity();
    while (below->offsets.size() > 1) {
        levels.push_back(std::make_unique<LevelWriter>(pages, base, keyLength));
        LevelWriter& level = *levels.back();
        CdxNode node;
        node.leaf = false;
        node.keyLength = keyLength;
        for (size_t i = 0; i < below->offsets.size(); ++i) {
            node.insertEntry(node.count(), below->lastKeys.data() + i * keyLength, below->lastRecnos[i],
                             below->offsets[i]);
            if (node.count() == capacity || i + 1 == below->offsets.size()) {
                uint32_t offset = 0;
                uint8_t* page = level.pageAt(level.startPage(offset));
                node.left = readLe32(page + kNodeLeft);
                node.right = kNoPage;
                codec.encode(node, page);
                level.finished(offset, node.key(node.count() - 1), node.recnos.back());
                node.keys.clear();
                node.recnos.clear();
                node.children.clear();
            }
        }
        // Right links of this level were written before encode overwrote them: restore them.
        for (size_t i = 0; i + 1 < level.offsets.size(); ++i)
            writeLe32(pages.data() + (level.offsets[i] - base) + kNodeRight, level.offsets[i + 1]);
        below = &level;
    }
    const uint32_t root = below->offsets.front();
    uint8_t* rootPage = pages.data() + (root - base);
    writeLe16(rootPage + kNodeAttributes, uint16_t(readLe16(rootPage + kNodeAttributes) | kAttributeRoot));
    store_.write(base, pages.data(), pages.size());
    return root;
}

} // namespace xbase
