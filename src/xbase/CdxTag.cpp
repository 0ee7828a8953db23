#include "CdxTag.h"

#include "CdxPageStore.h"
#include "InvalidIndexError.h"
#include "RecordView.h"

#include <algorithm>
#include <cstring>

namespace xbase {

using namespace cdx;

namespace {

CdxTagHeader readHeader(CdxPageStore& store, uint32_t offset)
{
    uint8_t bytes[kHeaderSize];
    store.readHeader(offset, bytes);
    return CdxTagHeader::parse(bytes, store.path());
}

std::unique_ptr<KeyExpression> compileKey(const CdxTagHeader& header, const std::string& path,
                                          const std::string& name, const ExpressionCompiler& compiler,
                                          const RecordView& layout)
{
    std::unique_ptr<KeyExpression> key;
    try {
        key = compiler.compileKey(header.keyExpression, layout);
    } catch (const XbaseError& error) {
        throw InvalidIndexError(path + ": tag " + name + " has an unusable key expression: " + error.what());
    }
    if (key->keyLength() != header.keyLength)
        throw InvalidIndexError(path + ": tag " + name + " key width " + std::to_string(header.keyLength)
                                + " does not match its expression (" + std::to_string(key->keyLength()) + ")");
    return key;
}

} // namespace

CdxTag::CdxTag(CdxPageStore& store, uint32_t headerOffset, std::string name, const ExpressionCompiler& compiler,
               const RecordView& layout)
    : name_(std::move(name)),
      header_(readHeader(store, headerOffset)),
      key_(compileKey(header_, store.path(), name_, compiler, layout)),
      tree_(store, headerOffset, header_.keyLength, CdxTag::fillerFor(key_->keyType()))
{
    if (!header_.forExpression.empty()) {
        try {
            condition_ = compiler.compileCondition(header_.forExpression, layout);
        } catch (const XbaseError& error) {
            throw InvalidIndexError(store.path() + ": tag " + name_ + " has an unusable FOR condition: " + error.what());
        }
    }
}

TagDescription CdxTag::description() const
{
    return {name_, header_.keyExpression, header_.forExpression, header_.descending, header_.unique()};
}

bool CdxTag::includes(const RecordView& record) const { return !condition_ || condition_->test(record); }

void CdxTag::computeKey(const RecordView& record, std::string& key) const
{
    key_->computeKey(record, key);
    key.resize(header_.keyLength, char(tree_.codec().filler())); // never trust a width blindly
}

bool CdxTag::hasKeyValue(const std::string& key)
{
    const Position p = tree_.lowerBound({reinterpret_cast<const uint8_t*>(key.data()), key.size(), false, 0});
    return p.valid() && std::memcmp(p.key(), key.data(), key.size()) == 0;
}

bool CdxTag::recordChanged(uint32_t recno, const RecordView* before, const RecordView* after, std::string& vacated)
{
    const bool had = before && includes(*before);
    const bool has = after && includes(*after);
    std::string oldKey, newKey;
    if (had)
        computeKey(*before, oldKey);
    if (has)
        computeKey(*after, newKey);
    if (had && has && oldKey == newKey)
        return false;
    const bool removed = had && tree_.remove(reinterpret_cast<const uint8_t*>(oldKey.data()), recno);
    if (has && !(unique() && hasKeyValue(newKey)))
        tree_.insert(reinterpret_cast<const uint8_t*>(newKey.data()), recno);
    if (!removed || !unique())
        return false;
    vacated = std::move(oldKey);
    return true;
}

void CdxTag::takeOver(const std::string& key, uint32_t recno)
{
    if (!hasKeyValue(key))
        tree_.insert(reinterpret_cast<const uint8_t*>(key.data()), recno);
}

bool CdxTag::addKey(const RecordView& record)
{
    if (!includes(record))
        return false;
    std::string key;
    computeKey(record, key);
    if (unique() && hasKeyValue(key))
        return false;
    return tree_.insert(reinterpret_cast<const uint8_t*>(key.data()), record.recordNumber());
}

bool CdxTag::replaceKeyIfPresent(uint32_t recno, const RecordView& before, const RecordView& after)
{
    std::string oldKey, newKey;
    computeKey(before, oldKey);
    computeKey(after, newKey);
    if (oldKey == newKey)
        return true;
    if (!tree_.remove(reinterpret_cast<const uint8_t*>(oldKey.data()), recno))
        return false;
    tree_.insert(reinterpret_cast<const uint8_t*>(newKey.data()), recno);
    return true;
}

bool CdxTag::aboveLow(const uint8_t* key, const KeyBound& low) const
{
    if (!low.present)
        return true;
    const size_t n = std::min<size_t>(low.bytes.size(), header_.keyLength);
    const int c = std::memcmp(key, low.bytes.data(), n);
    return c > 0 || (c == 0 && low.inclusive);
}

bool CdxTag::belowHigh(const uint8_t* key, const KeyBound& high) const
{
    if (!high.present)
        return true;
    const size_t n = std::min<size_t>(high.bytes.size(), header_.keyLength);
    const int c = std::memcmp(key, high.bytes.data(), n);
    return c < 0 || (c == 0 && high.inclusive);
}

CdxTag::Position CdxTag::startOf(const KeyBound& low)
{
    if (!low.present)
        return tree_.first();
    const CdxTree::Probe probe{reinterpret_cast<const uint8_t*>(low.bytes.data()),
                               std::min<size_t>(low.bytes.size(), header_.keyLength), false, 0};
    return low.inclusive ? tree_.lowerBound(probe) : tree_.upperBound(probe);
}

CdxTag::Position CdxTag::endOf(const KeyBound& high)
{
    if (!high.present)
        return tree_.last();
    const CdxTree::Probe probe{reinterpret_cast<const uint8_t*>(high.bytes.data()),
                               std::min<size_t>(high.bytes.size(), header_.keyLength), false, 0};
    return tree_.before(high.inclusive ? tree_.upperBound(probe) : tree_.lowerBound(probe));
}

bool CdxTag::inScope(const Position& position) const
{
    return position.valid() && aboveLow(position.key(), scopeTop_) && belowHigh(position.key(), scopeBottom_);
}

uint32_t CdxTag::settle(const Position& position)
{
    cursor_ = inScope(position) ? position : Position{};
    cursorChange_ = tree_.changeCount();
    return cursor_.valid() ? cursor_.recno() : 0;
}

uint32_t CdxTag::first() { return settle(descending() ? endOf(scopeBottom_) : startOf(scopeTop_)); }
uint32_t CdxTag::last() { return settle(descending() ? startOf(scopeTop_) : endOf(scopeBottom_)); }

CdxTag::Position CdxTag::locate(uint32_t recno, const RecordView& current, bool& exact)
{
    if (cursorChange_ == tree_.changeCount() && cursor_.valid() && cursor_.recno() == recno) {
        exact = true;
        return cursor_;
    }
    computeKey(current, scratch_);
    const auto* key = reinterpret_cast<const uint8_t*>(scratch_.data());
    const Position p = tree_.lowerBound({key, scratch_.size(), true, recno});
    exact = p.valid() && p.recno() == recno && std::memcmp(p.key(), key, scratch_.size()) == 0;
    return p;
}

uint32_t CdxTag::next(uint32_t recno, const RecordView& current)
{
    bool exact = false;
    const Position p = locate(recno, current, exact);
    if (descending())
        return settle(exact ? tree_.previous(p) : tree_.before(p));
    return settle(exact ? tree_.next(p) : p);
}

uint32_t CdxTag::previous(uint32_t recno, const RecordView& current)
{
    bool exact = false;
    const Position p = locate(recno, current, exact);
    if (descending())
        return settle(exact ? tree_.next(p) : p);
    return settle(tree_.before(p));
}

SeekResult CdxTag::seek(std::string_view value, bool exact, bool soft)
{
    std::string probeBytes(value.substr(0, header_.keyLength));
    if (exact)
        probeBytes.resize(header_.keyLength, char(tree_.codec().filler()));
    const CdxTree::Probe probe{reinterpret_cast<const uint8_t*>(probeBytes.data()), probeBytes.size(), false, 0};
    auto matches = [&](const Position& p) {
        return p.valid() && std::memcmp(p.key(), probeBytes.data(), probeBytes.size()) == 0;
    };
    Position p = descending() ? tree_.before(tree_.upperBound(probe)) : tree_.lowerBound(probe);
    const bool found = matches(p) && inScope(p);
    if (!found) {
        if (!soft)
            p = {};
        else if (p.valid() && !inScope(p)) {
            // Short of the scope in the order's direction: the scope's first key is next.
            const bool shortOfScope = descending() ? !belowHigh(p.key(), scopeBottom_) : !aboveLow(p.key(), scopeTop_);
            p = shortOfScope ? (descending() ? endOf(scopeBottom_) : startOf(scopeTop_)) : Position{};
        }
    }
    return {found, settle(p)};
}

void CdxTag::setScope(const KeyBound& top, const KeyBound& bottom)
{
    scopeTop_ = top;
    scopeBottom_ = bottom;
}

void CdxTag::clearScope() { setScope({}, {}); }

void CdxTag::visitRange(const KeyBound& low, const KeyBound& high, const std::function<void(uint32_t)>& visit)
{
    for (Position p = startOf(low); p.valid() && belowHigh(p.key(), high); p = tree_.next(p))
        visit(p.recno());
}

uint32_t CdxTag::keyCount()
{
    uint32_t count = 0;
    visitRange(scopeTop_, scopeBottom_, [&](uint32_t) { ++count; });
    return count;
}

} // namespace xbase
