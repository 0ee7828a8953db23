#include "FakeTable.h"
#include "TestKeyCompiler.h"

#include "xbase/IdxIndex.h"
#include "xbase/IndexRecordSource.h"
#include "xbase/InvalidIndexError.h"
#include "xbase/MemoryFileSystem.h"

#include <gtest/gtest.h>

using namespace xbase;
using testsupport::FakeTable;
using testsupport::TestKeyCompiler;

namespace {

class IdxIndexTest : public ::testing::Test {
protected:
    IdxIndexTest() : table({{"LNAME", 'C', 12}, {"FNAME", 'C', 10}})
    {
        for (const char* name : {"Smith", "adams", "Smith", "Jones", "Brown", "Adams"})
            table.append({name, "Ann"});
    }
    std::vector<uint32_t> walk(RecordOrder& order)
    {
        std::vector<uint32_t> result;
        for (uint32_t r = order.first(); r != 0 && result.size() < 100; r = order.next(r, (table.go(r), table)))
            result.push_back(r);
        return result;
    }
    MemoryFileSystem fs;
    TestKeyCompiler compiler;
    FakeTable table;
};

} // namespace

// A result set: only the records added explicitly, in key order, surviving a reopen.
TEST_F(IdxIndexTest, HoldsExactlyTheAddedRecordsInKeyOrder)
{
    auto idx = IdxIndex::create(fs, "_chkdup.idx", "upper(LNAME-FNAME)", compiler, table);
    EXPECT_EQ(std::vector<uint32_t>{}, walk(idx->order()));
    for (uint32_t r : {3u, 6u, 1u, 2u}) {
        table.go(r);
        EXPECT_TRUE(idx->addKey(table));
    }
    table.go(1);
    EXPECT_FALSE(idx->addKey(table)); // a record added twice is listed once
    EXPECT_EQ((std::vector<uint32_t>{2, 6, 1, 3}), walk(idx->order()));
    EXPECT_EQ("_CHKDUP", idx->tag().name());
    EXPECT_EQ(0x20, fs.bytes("_chkdup.idx")[14]);

    idx.reset();
    idx = IdxIndex::open(fs, "_chkdup.idx", compiler, table);
    EXPECT_EQ((std::vector<uint32_t>{2, 6, 1, 3}), walk(idx->order()));
    EXPECT_TRUE(idx->tag().seek("SMITH", false, false).found);
    idx.reset();
    IdxIndex::remove(fs, "_chkdup.idx");
    EXPECT_FALSE(fs.exists("_chkdup.idx"));
    EXPECT_THROW(IdxIndex::open(fs, "_chkdup.idx", compiler, table), InvalidIndexError);
}

TEST_F(IdxIndexTest, EditsMoveListedRecordsOnlyAndPackEmptiesIt)
{
    auto idx = IdxIndex::create(fs, "_chksz.idx", "upper(LNAME)+upper(FNAME)", compiler, table);
    table.addListener(idx.get());
    for (uint32_t r : {1u, 4u}) {
        table.go(r);
        idx->addKey(table);
    }
    table.write(1, "LNAME", "Aaron");   // listed: moves to the front
    table.write(5, "LNAME", "Aardvark"); // not listed: stays out
    table.append({"Abbot"});             // appended: stays out
    EXPECT_EQ((std::vector<uint32_t>{1, 4}), walk(idx->order()));
    idx->tableRewritten();
    EXPECT_EQ(std::vector<uint32_t>{}, walk(idx->order()));
}

// A large result set is built in one sorted pass; it then behaves like one filled key by key.
TEST_F(IdxIndexTest, BuiltFromListedRecordsLikeAddedOnes)
{
    struct Listed final : IndexRecordSource {
        FakeTable& t;
        std::vector<uint32_t> recnos;
        Listed(FakeTable& table, std::vector<uint32_t> r) : t(table), recnos(std::move(r)) {}
        const RecordView& layout() const override { return t; }
        uint32_t recordCount() const override { return static_cast<uint32_t>(recnos.size()); }
        void forEachRecord(const std::function<void(const RecordView&)>& visit) override
        {
            for (uint32_t r : recnos) {
                t.go(r);
                visit(t);
            }
        }
    } listed(table, {1, 2, 3, 6});
    auto idx = IdxIndex::build(fs, "_chkdup.idx", "upper(LNAME-FNAME)", compiler, listed);
    EXPECT_EQ((std::vector<uint32_t>{2, 6, 1, 3}), walk(idx->order()));
    table.go(5);
    EXPECT_TRUE(idx->addKey(table));
    EXPECT_EQ((std::vector<uint32_t>{2, 6, 5, 1, 3}), walk(idx->order()));
    idx.reset();
    idx = IdxIndex::open(fs, "_chkdup.idx", compiler, table);
    EXPECT_EQ(5u, walk(idx->order()).size());
}
