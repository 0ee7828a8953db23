// One tag of an open index (a tag of a .CDX file, or the single tree of an .IDX file): its
// compiled key and FOR expressions, its key tree, and the order, seek and scope the table's
// cursor uses when the tag is the current order.
//
// Descending tags are stored ascending like every tag; only the cursor's direction and seek
// differ. Scope limits are prefix-compared key bounds in stored (ascending) key terms.
// Contract: the page store outlives the tag; records given to it have the compiled layout.
#pragma once

#include "CdxTagHeader.h"
#include "CdxTree.h"
#include "KeyExpression.h"
#include "KeyRangeSource.h"
#include "RecordOrder.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace xbase {

class CdxPageStore;
class RecordView;

struct SeekResult {
    bool found = false;
    uint32_t recno = 0; // 0 when the seek left the cursor at the end
};

class CdxTag final : public RecordOrder {
public:
    CdxTag(CdxPageStore& store, uint32_t headerOffset, std::string name, const ExpressionCompiler& compiler,
           const RecordView& layout);

    // Padding byte of keys: blanks for text and logicals, zeros for numbers and dates.
    static uint8_t fillerFor(KeyType type) { return type == KeyType::Numeric || type == KeyType::Date ? 0 : ' '; }

    const std::string& name() const { return name_; }
    const CdxTagHeader& header() const { return header_; }
    TagDescription description() const;
    KeyType keyType() const { return key_->keyType(); }
    uint16_t keyLength() const { return header_.keyLength; }
    bool descending() const { return header_.descending; }
    bool unique() const { return header_.unique(); }
    bool conditional() const { return condition_ != nullptr; }
    CdxTree& tree() { return tree_; }

    // Whether the FOR condition admits the record (always, without one).
    bool includes(const RecordView& record) const;
    void computeKey(const RecordView& record, std::string& key) const;

    // Keeps the tree in step with one record's change; either view may be absent. On a unique
    // tag, returns true with `vacated` set when the record gave up a key that other records may
    // still hold (the caller then finds the next holder).
    bool recordChanged(uint32_t recno, const RecordView* before, const RecordView* after, std::string& vacated);
    // Puts a record in as the holder of a unique key nobody holds.
    void takeOver(const std::string& key, uint32_t recno);
    // Adds the record's key explicitly; false when the condition or uniqueness refuses it.
    bool addKey(const RecordView& record);
    // Moves the record's key when it is in the tree; false when it was not.
    bool replaceKeyIfPresent(uint32_t recno, const RecordView& before, const RecordView& after);

    // RecordOrder, honouring the scope and the descending flag.
    uint32_t first() override;
    uint32_t last() override;
    uint32_t next(uint32_t recno, const RecordView& current) override;
    uint32_t previous(uint32_t recno, const RecordView& current) override;

    // exact: the value, padded to the key width, must equal the whole key; otherwise the key
    // must begin with it. soft: when not found, stop at the next key in the order's direction.
    SeekResult seek(std::string_view value, bool exact, bool soft);
    void setScope(const KeyBound& top, const KeyBound& bottom);
    void clearScope();
    uint32_t keyCount();
    void visitRange(const KeyBound& low, const KeyBound& high, const std::function<void(uint32_t)>& visit);

private:
    using Position = CdxTree::Position;

    Position startOf(const KeyBound& low);
    Position endOf(const KeyBound& high);
    bool aboveLow(const uint8_t* key, const KeyBound& low) const;
    bool belowHigh(const uint8_t* key, const KeyBound& high) const;
    bool inScope(const Position& position) const;
    bool hasKeyValue(const std::string& key);
    Position locate(uint32_t recno, const RecordView& current, bool& exact);
    uint32_t settle(const Position& position);

    std::string name_;
    CdxTagHeader header_;
    std::unique_ptr<KeyExpression> key_;
    std::unique_ptr<KeyCondition> condition_;
    CdxTree tree_;
    KeyBound scopeTop_;
    KeyBound scopeBottom_;
    Position cursor_;
    uint64_t cursorChange_ = ~uint64_t(0);
    std::string scratch_;
};

} // namespace xbase
