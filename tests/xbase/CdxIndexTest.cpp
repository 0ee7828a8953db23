#include "FakeTable.h"
#include "TestKeyCompiler.h"

#include "xbase/CdxIndex.h"
#include "xbase/JulianDay.h"
#include "xbase/SortableDouble.h"
#include "xbase/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace xbase;
using testsupport::FakeTable;
using testsupport::TestKeyCompiler;

namespace {

std::vector<FieldDef> peopleFields(uint16_t nameWidth = 10)
{
    return {{"LNAME", 'C', nameWidth}, {"FNAME", 'C', 10}, {"AMOUNT", 'N', 8, 2}, {"BORN", 'D', 8}, {"ACTIVE", 'L', 1}};
}

class CdxIndexTest : public ::testing::Test {
protected:
    explicit CdxIndexTest(uint16_t nameWidth = 10) : table(peopleFields(nameWidth)) {}

    void fill(int count, unsigned seed)
    {
        std::mt19937 random(seed);
        for (int i = 0; i < count; ++i)
            table.append(randomRecord(random));
    }
    static std::vector<std::string> randomRecord(std::mt19937& random)
    {
        static const char* names[] = {"smith", "Smith", "Jones", "Brown", "lee", "O'Neil", "", "Zed", "Ann", "Annl"};
        const std::string name = names[random() % 10] + std::to_string(random() % 40);
        return {name, names[random() % 10], std::to_string(int(random() % 2000) - 1000) + ".25",
                std::to_string(19000101 + (random() % 100) * 10000 + (random() % 12) * 100 + random() % 28),
                random() % 3 ? "T" : "F"};
    }

    // Expected walk of a tag: keys of the records it should hold, in stored order.
    std::vector<uint32_t> expectedOrder(CdxTag& tag)
    {
        std::vector<std::pair<std::string, uint32_t>> keys;
        std::string key;
        table.forEachRecord([&](const RecordView& r) {
            if (!tag.includes(r))
                return;
            tag.computeKey(r, key);
            keys.emplace_back(key, r.recordNumber());
        });
        std::sort(keys.begin(), keys.end());
        if (tag.unique())
            keys.erase(std::unique(keys.begin(), keys.end(), [](auto& a, auto& b) { return a.first == b.first; }),
                       keys.end());
        std::vector<uint32_t> order;
        for (auto& k : keys)
            order.push_back(k.second);
        if (tag.descending())
            std::reverse(order.begin(), order.end());
        return order;
    }
    std::vector<uint32_t> walk(RecordOrder& order)
    {
        std::vector<uint32_t> result;
        for (uint32_t r = order.first(); r != 0 && result.size() <= table.recordCount();
             r = order.next(r, (table.go(r), table)))
            result.push_back(r);
        return result;
    }
    std::vector<uint32_t> walkBack(RecordOrder& order)
    {
        std::vector<uint32_t> result;
        for (uint32_t r = order.last(); r != 0 && result.size() <= table.recordCount();
             r = order.previous(r, (table.go(r), table)))
            result.push_back(r);
        std::reverse(result.begin(), result.end());
        return result;
    }
    void expectAllTagsMatchRecords(CdxIndex& index)
    {
        for (size_t n = 1; n <= index.tagCount(); ++n) {
            const auto expected = expectedOrder(index.tag(n));
            EXPECT_EQ(expected, walk(*index.setOrder(n))) << index.tag(n).name();
            EXPECT_EQ(expected, walkBack(*index.setOrder(n))) << index.tag(n).name();
        }
        EXPECT_EQ(std::vector<std::string>{}, index.check());
    }

    const std::vector<TagSpec> specs = {
        {"NAME", "UPPER(LNAME-FNAME)"},
        {"LNAME", "UPPER(LNAME)+UPPER(FNAME)"},
        {"AMOUNT", "AMOUNT"},
        {"BORN", "BORN", "", true},
        {"ACTIVE", "UPPER(LNAME)", "ACTIVE"},
        {"DELETED", "DELETED()"},
        {"FIRSTS", "UPPER(FNAME)", "", false, true},
        {"NOTACTIVE", "!ACTIVE"},
    };

    MemoryFileSystem fs;
    TestKeyCompiler compiler;
    FakeTable table;
};

} // namespace

TEST_F(CdxIndexTest, BuiltTagsWalkInKeyOrderBothWays)
{
    fill(3000, 1);
    auto index = CdxIndex::create(fs, "P.CDX", compiler, table);
    std::vector<int> progress;
    index->createTags(specs, [&](int p) { progress.push_back(p); });
    EXPECT_EQ(specs.size(), index->orderNumber());
    EXPECT_EQ(long(specs.size()), std::count(progress.begin(), progress.end(), 100));
    EXPECT_EQ(4u, index->tagNumber("born"));
    expectAllTagsMatchRecords(*index);

    index.reset();
    index = CdxIndex::open(fs, "P.CDX", compiler, table);
    ASSERT_EQ(specs.size(), index->tagCount());
    EXPECT_EQ(0u, index->orderNumber());
    EXPECT_TRUE(index->tag(4).descending());
    EXPECT_TRUE(index->tag(7).unique());
    EXPECT_EQ("ACTIVE", index->tag(5).header().forExpression);
    expectAllTagsMatchRecords(*index);
}

// Random appends, field writes and delete flags against a model rebuilt from the records;
// narrow and 200-byte keys give shallow and deep trees.
class CdxMaintenance : public CdxIndexTest, public ::testing::WithParamInterface<uint16_t> {
protected:
    CdxMaintenance() : CdxIndexTest(GetParam()) {}
};

TEST_P(CdxMaintenance, EveryChangeKeepsEveryTagInStep)
{
    std::mt19937 random(GetParam());
    fill(300, 2);
    auto index = CdxIndex::create(fs, "P.CDX", compiler, table);
    index->createTags(specs);
    table.addListener(index.get());
    for (int step = 0; step < 3000; ++step) {
        const uint32_t recno = 1 + random() % table.recordCount();
        switch (random() % 5) {
        case 0: table.append(randomRecord(random)); break;
        case 1: table.write(recno, "LNAME", randomRecord(random)[0]); break;
        case 2: table.write(recno, "ACTIVE", random() % 2 ? "T" : "F"); break;
        case 3: table.setDeleted(recno, random() % 2); break;
        default: table.write(recno, "AMOUNT", std::to_string(int(random() % 100))); break;
        }
    }
    expectAllTagsMatchRecords(*index);
}

INSTANTIATE_TEST_SUITE_P(KeyWidths, CdxMaintenance, ::testing::Values(uint16_t(10), uint16_t(200)));

// Emptying a conditional tag frees its pages; filling it again takes them back.
TEST_F(CdxIndexTest, FreedPagesAreReused)
{
    for (int i = 0; i < 3000; ++i)
        table.append({"Name" + std::to_string(i * 7919 % 3000), "X", "1", "20000101", "T"});
    auto index = CdxIndex::create(fs, "P.CDX", compiler, table);
    index->createTag({"ACTIVE", "UPPER(LNAME)+UPPER(FNAME)", "ACTIVE"});
    table.addListener(index.get());
    auto flip = [&](const char* value) {
        for (uint32_t r = 1; r <= table.recordCount(); ++r)
            table.write(r, "ACTIVE", value);
    };
    flip("F");
    flip("T");
    const size_t grown = fs.bytes("P.CDX").size();
    flip("F");
    EXPECT_EQ(0u, index->keyCount());
    flip("T");
    EXPECT_EQ(grown, fs.bytes("P.CDX").size());
    EXPECT_EQ(3000u, index->keyCount());
    expectAllTagsMatchRecords(*index);
}

TEST_F(CdxIndexTest, SeekExactPrefixAndSoft)
{
    for (const char* name : {"Adams", "Baker", "Baker", "Bakerson", "Carter"})
        table.append({name, "F", "3", "19990101", "T"});
    auto index = CdxIndex::create(fs, "P.CDX", compiler, table);
    index->createTag({"LNAME", "UPPER(LNAME)"});

    struct Case {
        const char* value;
        bool exact, soft, found;
        uint32_t recno;
    };
    const Case cases[] = {
        {"BAKER", false, false, true, 2},  {"BAKERS", false, false, true, 4}, {"BAKER", true, false, true, 2},
        {"BAK", true, false, false, 0},    {"BAK", false, false, true, 2},    {"BAKERX", false, false, false, 0},
        {"BAKERX", false, true, false, 5}, {"ZZZ", false, true, false, 0},    {"", false, false, true, 1},
    };
    for (const Case& c : cases) {
        index->setExact(c.exact);
        index->setSoftSeek(c.soft);
        const SeekResult r = index->seek(c.value);
        EXPECT_EQ(c.found, r.found) << c.value;
        EXPECT_EQ(c.found, index->found()) << c.value;
        EXPECT_EQ(c.recno, r.recno) << c.value;
    }
    // The cursor goes on from the sought record.
    index->setExact(false);
    const uint32_t at = index->seek("BAKER").recno;
    table.go(at);
    EXPECT_EQ(3u, index->currentTag()->next(at, table));

    index->createTag({"AMOUNT", "AMOUNT"});
    EXPECT_TRUE(index->seek(SortableDouble::key(3)).found);
    EXPECT_FALSE(index->seek(SortableDouble::key(4)).found);
}

TEST_F(CdxIndexTest, DescendingTagsRunAndSeekBackwards)
{
    for (const char* name : {"Adams", "Baker", "Carter", "Baker"})
        table.append({name});
    auto index = CdxIndex::create(fs, "P.CDX", compiler, table);
    index->createTag({"DOWN", "UPPER(LNAME)", "", true});
    EXPECT_EQ((std::vector<uint32_t>{3, 4, 2, 1}), walk(*index->currentTag()));
    EXPECT_EQ(4u, index->seek("BAKER").recno); // first in the descending run
    index->setSoftSeek(true);
    EXPECT_EQ(4u, index->seek("BZ").recno); // next key downwards
}

TEST_F(CdxIndexTest, ScopeLimitsWalkCountAndSeek)
{
    for (const char* name : {"Adams", "Baker", "Bell", "Carter", "Bond", "Cole"})
        table.append({name});
    auto index = CdxIndex::create(fs, "P.CDX", compiler, table);
    index->createTag({"LNAME", "UPPER(LNAME)"});
    index->setScope({true, true, "B"}, {true, true, "B"});
    EXPECT_EQ((std::vector<uint32_t>{2, 3, 5}), walk(*index->currentTag()));
    EXPECT_EQ((std::vector<uint32_t>{2, 3, 5}), walkBack(*index->currentTag()));
    EXPECT_EQ(3u, index->keyCount());
    EXPECT_FALSE(index->seek("CARTER").found);
    index->setScope({true, true, "BELL"}, {true, true, "CARTER"});
    EXPECT_EQ((std::vector<uint32_t>{3, 5, 4}), walk(*index->currentTag()));
    index->setScope({}, {});
    EXPECT_EQ(6u, index->keyCount());

    std::vector<uint32_t> visited;
    index->visitRange(0, {true, false, "BAKER"}, {true, true, "C"}, [&](uint32_t r) { visited.push_back(r); });
    EXPECT_EQ((std::vector<uint32_t>{3, 5, 4, 6}), visited);
    EXPECT_EQ("UPPER(LNAME)", index->tagDescriptions()[0].keyExpression);
}

TEST_F(CdxIndexTest, TagsAreReplacedDeletedAndRebuilt)
{
    fill(500, 3);
    auto index = CdxIndex::create(fs, "P.CDX", compiler, table);
    index->createTags(specs);
    table.addListener(index.get());
    index->createTag({"NAME", "UPPER(FNAME)"});
    EXPECT_EQ(specs.size(), index->tagCount());
    EXPECT_EQ("UPPER(FNAME)", index->tag(index->orderNumber()).header().keyExpression);
    index->setOrder(3);
    index->deleteTag("LNAME");
    EXPECT_EQ(0u, index->tagNumber("LNAME"));
    EXPECT_EQ(2u, index->orderNumber()); // the same tag, one place down
    for (uint32_t r = 1; r <= 100; ++r)
        table.write(r, "FNAME", "Changed");
    index->tableRewritten();
    EXPECT_EQ(specs.size() - 1, index->tagCount());
    EXPECT_EQ(2u, index->orderNumber());
    EXPECT_FALSE(fs.exists("P.CDX.new"));
    expectAllTagsMatchRecords(*index);
}

TEST_F(CdxIndexTest, RefusesBadTagDefinitions)
{
    table.append({"A"});
    auto index = CdxIndex::create(fs, "P.CDX", compiler, table);
    EXPECT_THROW(index->createTag({"9LIVES", "LNAME"}), XbaseError);
    EXPECT_THROW(index->createTag({"ELEVENCHARS", "LNAME"}), XbaseError);
    EXPECT_THROW(index->createTag({"X", "NOFIELD"}), XbaseError);
    EXPECT_THROW(index->setOrder(1), XbaseError);
    FakeTable wide({{"A", 'C', 200}, {"B", 'C', 41}});
    auto wideIndex = CdxIndex::create(fs, "W.CDX", compiler, wide);
    EXPECT_THROW(wideIndex->createTag({"AB", "A+B"}), XbaseError);
    EXPECT_EQ(0u, wideIndex->tagCount());
}

TEST(CdxIndexPaths, IndexTakesTheTableBaseName)
{
    EXPECT_EQ("/data/ADD0001.CDX", CdxIndex::pathForTable("/data/ADD0001.DBF"));
    EXPECT_EQ("/d.x/letter.cdx", CdxIndex::pathForTable("/d.x/letter.dbf"));
    EXPECT_EQ("/d.x/NOEXT.CDX", CdxIndex::pathForTable("/d.x/NOEXT"));
}

// When the record holding a unique key changes, the next record with that key takes its place.
TEST_F(CdxIndexTest, UniqueTagHandsKeyToNextRecord)
{
    for (const char* name : {"Baker", "Adams", "Baker", "Baker"})
        table.append({name});
    auto index = CdxIndex::create(fs, "P.CDX", compiler, table);
    index->createTag({"ONCE", "UPPER(LNAME)", "", false, true});
    table.addListener(index.get());
    EXPECT_EQ((std::vector<uint32_t>{2, 1}), walk(*index->currentTag()));
    table.write(1, "LNAME", "Carter");
    EXPECT_EQ((std::vector<uint32_t>{2, 3, 1}), walk(*index->currentTag()));
    table.setDeleted(3, true); // delete flags do not change this key
    table.write(3, "LNAME", "Adams");
    EXPECT_EQ((std::vector<uint32_t>{2, 4, 1}), walk(*index->currentTag()));
    EXPECT_EQ(std::vector<std::string>{}, index->check());
}

// A rebuild that fails leaves the old file in place and no half-built file behind.
TEST_F(CdxIndexTest, FailedRebuildKeepsTheOldIndex)
{
    fill(50, 4);
    auto index = CdxIndex::create(fs, "P.CDX", compiler, table);
    index->createTag({"NAME", "UPPER(LNAME)"});
    const auto before = fs.bytes("P.CDX");
    fs.setWriteBudget(3000);
    EXPECT_THROW(index->reindex(), XbaseError);
    fs.setWriteBudget(-1);
    EXPECT_FALSE(fs.exists("P.CDX.new"));
    EXPECT_EQ(before, fs.bytes("P.CDX"));
    EXPECT_EQ(std::vector<std::string>{}, index->check());
}
