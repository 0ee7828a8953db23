#include "DbfTestSupport.h"

#include "xbase/RecordFilter.h"
#include "xbase/RecordOrder.h"
#include "xbase/XbaseError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace xbase {
namespace {

using testing::appendNames;
using testing::createSample;

std::vector<uint32_t> walkForward(DbfTable& table)
{
    std::vector<uint32_t> seen;
    for (table.goTop(); !table.eof(); table.skip())
        seen.push_back(table.recordNumber());
    return seen;
}

std::vector<uint32_t> walkBackward(DbfTable& table)
{
    std::vector<uint32_t> seen;
    for (table.goBottom(); !table.bof() && !table.eof(); table.skip(-1))
        seen.push_back(table.recordNumber());
    return seen;
}

class NameFilter : public RecordFilter {
public:
    bool accepts(const RecordView& record) override { return record.record()[1] != 'x'; }
};

// Visits records in a fixed list, as an index tag would.
class ListOrder : public RecordOrder {
public:
    explicit ListOrder(std::vector<uint32_t> order) : order_(std::move(order)) {}
    uint32_t first() override { return order_.empty() ? 0 : order_.front(); }
    uint32_t last() override { return order_.empty() ? 0 : order_.back(); }
    uint32_t next(uint32_t recno, const RecordView&) override { return step(recno, 1); }
    uint32_t previous(uint32_t recno, const RecordView&) override { return step(recno, -1); }

private:
    uint32_t step(uint32_t recno, int by)
    {
        auto it = std::find(order_.begin(), order_.end(), recno);
        const long at = (it - order_.begin()) + by;
        return at < 0 || at >= static_cast<long>(order_.size()) ? 0 : order_[static_cast<size_t>(at)];
    }
    std::vector<uint32_t> order_;
};

class DbfTableCursorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        table = createSample(fs);
        appendNames(*table, {"*a", "b", "xc", "*d", "e", "*f"});
    }
    MemoryFileSystem fs;
    std::unique_ptr<DbfTable> table;
};

TEST_F(DbfTableCursorTest, FlaggedRecordsAreShownUntilHidden)
{
    EXPECT_EQ(walkForward(*table), (std::vector<uint32_t>{1, 2, 3, 4, 5, 6}));
    table->setFlaggedHidden(true);
    EXPECT_EQ(walkForward(*table), (std::vector<uint32_t>{2, 3, 5}));
    EXPECT_EQ(walkBackward(*table), (std::vector<uint32_t>{5, 3, 2}));
}

TEST_F(DbfTableCursorTest, FilterAndOrderCombine)
{
    NameFilter filter;
    ListOrder order({5, 3, 1, 2, 6, 4});
    table->setFlaggedHidden(true);
    table->setFilter(&filter);
    EXPECT_EQ(walkForward(*table), (std::vector<uint32_t>{2, 5}));
    table->setOrder(&order);
    EXPECT_EQ(walkForward(*table), (std::vector<uint32_t>{5, 2}));
    EXPECT_EQ(walkBackward(*table), (std::vector<uint32_t>{2, 5}));
}

// A damaged index that leads from 2 into a ring of 3 and 4, neither of which the cursor may
// stand on: the search for the record after 2 would never end.
class RingOrder : public RecordOrder {
public:
    uint32_t first() override { return 2; }
    uint32_t last() override { return 2; }
    uint32_t next(uint32_t recno, const RecordView&) override { return recno == 3 ? 4 : 3; }
    uint32_t previous(uint32_t recno, const RecordView&) override { return recno == 3 ? 4 : 3; }
};

TEST_F(DbfTableCursorTest, AnOrderThatGoesRoundInCirclesIsReported)
{
    RingOrder ring;
    NameFilter filter;
    table->setOrder(&ring);
    table->setFilter(&filter);   // refuses 3
    table->setFlaggedHidden(true); // hides 4
    table->goTop();
    EXPECT_EQ(table->recordNumber(), 2u);
    EXPECT_THROW(table->skip(), CorruptFileError);
    EXPECT_THROW(table->skip(-1), CorruptFileError);
}

TEST_F(DbfTableCursorTest, EndAndBeginningFlags)
{
    table->setFlaggedHidden(true);
    table->goTop();
    EXPECT_EQ(table->recordNumber(), 2u);
    table->skip(-1);
    EXPECT_TRUE(table->bof());
    EXPECT_EQ(table->recordNumber(), 2u); // stays on the first visible record
    table->skip(2);
    EXPECT_EQ(table->recordNumber(), 5u);
    table->skip(5);
    EXPECT_TRUE(table->eof());
    EXPECT_EQ(table->recordNumber(), 7u); // one past the last, with a blank record
    EXPECT_EQ(table->text(0), "");
    table->skip(-1);
    EXPECT_FALSE(table->eof());
    EXPECT_EQ(table->recordNumber(), 5u);

    table->go(4); // go ignores the hiding
    EXPECT_EQ(table->recordNumber(), 4u);
    EXPECT_TRUE(table->isFlaggedDeleted());
    table->go(0);
    EXPECT_TRUE(table->eof());
    table->go(7);
    EXPECT_TRUE(table->eof());
}

TEST_F(DbfTableCursorTest, EmptyResultSetsBothFlags)
{
    table->zap();
    table->goTop();
    EXPECT_TRUE(table->eof());
    EXPECT_TRUE(table->bof());
    EXPECT_EQ(table->recordCount(), 0u);
    table->goBottom();
    EXPECT_TRUE(table->eof());
    table->skip(-1);
    EXPECT_TRUE(table->eof());
}

TEST(DbfTableReadAheadTest, LongWalksInBothDirectionsSeeEveryRecord)
{
    // Enough records to span several read-ahead windows, with edits landing inside a window.
    MemoryFileSystem fs;
    auto table = createSample(fs);
    const uint32_t count = 5000;
    for (uint32_t i = 1; i <= count; ++i) {
        table->appendBlank();
        table->setText(0, std::to_string(i));
    }
    table->commit();
    table->go(2500);
    table->setText(0, "edited");
    table->go(2499);
    table->skip();
    EXPECT_EQ(table->text(0), "edited");
    uint32_t expected = count;
    for (table->goBottom(); !table->bof(); table->skip(-1), --expected) {
        ASSERT_EQ(table->recordNumber(), expected);
        ASSERT_EQ(table->text(0), expected == 2500 ? "edited" : std::to_string(expected));
    }
    EXPECT_EQ(expected, 0u);
}

} // namespace
} // namespace xbase
