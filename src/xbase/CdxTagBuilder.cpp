#include "CdxTagBuilder.h"

#include "CdxFormat.h"
#include "CdxNodeCodec.h"
#include "CdxPageStore.h"
#include "IndexRecordSource.h"
#include "KeyExpression.h"
#include "RecordView.h"

#include <algorithm>
#include <array>
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
    for (size_t t = 0; t < group.size(); ++t) {
        keys[t].bytes.reserve(size_t(group[t].keyLength) * records);
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
            target.key->computeKey(record, key);
            key.resize(target.keyLength, char(target.filler));
            keys[t].bytes.insert(keys[t].bytes.end(), key.begin(), key.end());
            keys[t].recnos.push_back(record.recordNumber());
        }
        ++visited;
        if (records > 0 && visited % 4096 == 0)
            report(int(uint64_t(visited) * 90 / records));
    });
    for (size_t t = 0; t < group.size(); ++t) {
        if (t > 0)
            report(0);
        const std::vector<uint32_t> order = sortedSlots(keys[t], group[t].keyLength);
        if (t > 0)
            report(50);
        const uint32_t root = writeTree(group[t], keys[t], order);
        uint8_t bytes[4];
        writeLE32(bytes, root);
        store_.write(group[t].headerOffset + kHeaderRoot, bytes, 4);
        Keys().bytes.swap(keys[t].bytes); // hand the memory back before the next tag
        report(100);
    }
}

std::vector<uint32_t> CdxTagBuilder::sortedSlots(const Keys& keys, uint16_t keyLength)
{
    // Radix sort on the first eight key bytes (stable, so equal keys keep record order), then
    // the rare runs that share those bytes are finished by comparing the remaining bytes.
    struct Item {
        uint64_t prefix;
        uint32_t slot;
    };
    const size_t n = keys.recnos.size();
    const size_t prefixBytes = std::min<size_t>(8, keyLength);
    std::vector<Item> items(n), spare(n);
    std::vector<std::array<uint32_t, 256>> counts(8);
    for (auto& c : counts)
        c.fill(0);
    for (size_t i = 0; i < n; ++i) {
        const uint8_t* key = keys.bytes.data() + i * keyLength;
        uint64_t prefix = 0;
        for (size_t b = 0; b < 8; ++b)
            prefix = (prefix << 8) | (b < prefixBytes ? key[b] : 0);
        items[i] = {prefix, uint32_t(i)};
        for (size_t b = 0; b < 8; ++b)
            ++counts[b][(prefix >> (8 * b)) & 0xFF];
    }
    for (size_t b = 0; b < 8; ++b) {
        auto& count = counts[b];
        if (std::any_of(count.begin(), count.end(), [&](uint32_t c) { return c == n; }))
            continue; // every key has the same byte here
        uint32_t start = 0;
        for (auto& c : count) {
            const uint32_t here = c;
            c = start;
            start += here;
        }
        for (const Item& item : items)
            spare[count[(item.prefix >> (8 * b)) & 0xFF]++] = item;
        items.swap(spare);
    }
    if (keyLength > 8) {
        const size_t rest = keyLength - 8;
        auto tail = [&](const Item& item) { return keys.bytes.data() + size_t(item.slot) * keyLength + 8; };
        for (size_t begin = 0; begin < n;) {
            size_t end = begin + 1;
            while (end < n && items[end].prefix == items[begin].prefix)
                ++end;
            if (end - begin > 1)
                std::stable_sort(items.begin() + ptrdiff_t(begin), items.begin() + ptrdiff_t(end),
                                 [&](const Item& a, const Item& b) { return std::memcmp(tail(a), tail(b), rest) < 0; });
            begin = end;
        }
    }
    std::vector<uint32_t> order(n);
    for (size_t i = 0; i < n; ++i)
        order[i] = items[i].slot;
    return order;
}

namespace {

// Collects finished pages of one level and links them as siblings.
class LevelWriter {
public:
    LevelWriter(std::vector<uint8_t>& pages, uint32_t base, const CdxNodeCodec& codec)
        : pages_(pages), base_(base), codec_(codec)
    {
    }

    void emit(CdxNode& node)
    {
        const size_t index = pages_.size() / kPageSize;
        node.offset = base_ + uint32_t(index * kPageSize);
        node.left = previous_ == SIZE_MAX ? kNoPage : base_ + uint32_t(previous_ * kPageSize);
        node.right = kNoPage;
        pages_.resize(pages_.size() + kPageSize);
        codec_.encode(node, pages_.data() + index * kPageSize);
        if (previous_ != SIZE_MAX)
            writeLE32(pages_.data() + previous_ * kPageSize + kNodeRight, node.offset);
        previous_ = index;
        lastKeys.insert(lastKeys.end(), node.key(node.count() - 1), node.key(node.count() - 1) + node.keyLength);
        lastRecnos.push_back(node.recnos.back());
        offsets.push_back(node.offset);
    }

    std::vector<uint8_t> lastKeys;
    std::vector<uint32_t> lastRecnos;
    std::vector<uint32_t> offsets;

private:
    std::vector<uint8_t>& pages_;
    uint32_t base_;
    const CdxNodeCodec& codec_;
    size_t previous_ = SIZE_MAX;
};

} // namespace

uint32_t CdxTagBuilder::writeTree(const CdxBuildTarget& target, const Keys& keys, const std::vector<uint32_t>& order)
{
    const uint16_t keyLength = target.keyLength;
    const CdxNodeCodec codec(keyLength, target.filler);
    const uint32_t base = uint32_t(store_.size());
    std::vector<uint8_t> pages;

    CdxNode leaf;
    leaf.keyLength = keyLength;
    size_t storedBytes = 0;
    uint32_t maxRecno = 0;
    size_t previousTrailing = 0;
    const uint8_t* previousKey = nullptr;
    LevelWriter leaves(pages, base, codec);
    for (uint32_t slot : order) {
        const uint8_t* key = keys.bytes.data() + size_t(slot) * keyLength;
        const uint32_t recno = keys.recnos[slot];
        if (target.unique && previousKey && std::memcmp(previousKey, key, keyLength) == 0)
            continue;
        const size_t trailing = codec.trailingCount(key);
        size_t dup = leaf.count() == 0 ? 0 : codec.duplicateCount(previousKey, previousTrailing, key, trailing);
        uint32_t newMax = std::max(maxRecno, recno);
        if (leaf.count() > 0
            && (leaf.count() + 1) * codec.entryBytesFor(newMax) + storedBytes + keyLength - dup - trailing
                   > kLeafSpace) {
            leaves.emit(leaf);
            leaf.keys.clear();
            leaf.recnos.clear();
            storedBytes = 0;
            dup = 0;
            newMax = recno;
        }
        leaf.keys.insert(leaf.keys.end(), key, key + keyLength);
        leaf.recnos.push_back(recno);
        storedBytes += keyLength - dup - trailing;
        maxRecno = newMax;
        previousTrailing = trailing;
        previousKey = key;
    }
    if (leaf.count() > 0 || leaves.offsets.empty()) {
        if (leaf.count() == 0) {
            // An empty tag is one empty root leaf.
            const size_t index = pages.size() / kPageSize;
            pages.resize(pages.size() + kPageSize);
            leaf.offset = base;
            leaf.root = true;
            codec.encode(leaf, pages.data() + index * kPageSize);
            store_.write(base, pages.data(), pages.size());
            return base;
        }
        leaves.emit(leaf);
    }

    LevelWriter* below = &leaves;
    std::vector<std::unique_ptr<LevelWriter>> levels;
    const size_t capacity = codec.interiorCapacity();
    while (below->offsets.size() > 1) {
        levels.push_back(std::make_unique<LevelWriter>(pages, base, codec));
        LevelWriter& level = *levels.back();
        CdxNode node;
        node.leaf = false;
        node.keyLength = keyLength;
        for (size_t i = 0; i < below->offsets.size(); ++i) {
            node.insertEntry(node.count(), below->lastKeys.data() + i * keyLength, below->lastRecnos[i],
                             below->offsets[i]);
            if (node.count() == capacity || i + 1 == below->offsets.size()) {
                level.emit(node);
                node.keys.clear();
                node.recnos.clear();
                node.children.clear();
            }
        }
        below = &level;
    }
    const uint32_t root = below->offsets.front();
    uint8_t* rootPage = pages.data() + (root - base);
    writeLE16(rootPage + kNodeAttributes, uint16_t(readLE16(rootPage + kNodeAttributes) | kAttributeRoot));
    store_.write(base, pages.data(), pages.size());
    return root;
}

} // namespace xbase
