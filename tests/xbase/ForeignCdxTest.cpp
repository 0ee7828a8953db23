// Reads the compound index another engine wrote for the 1,000-record address table.
#include "FakeTable.h"
#include "TestKeyCompiler.h"

#include "xbase/CdxFormat.h"
#include "xbase/CdxIndex.h"
#include "xbase/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace xbase;
using testsupport::FakeTable;
using testsupport::TestKeyCompiler;

namespace {

const std::string kFixtureDir = std::string(QUORVANE_SHARED_DIR) + "/fixtures/foreign-1k/";

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Just enough of a table reader: field descriptors, then fixed-width records.
FakeTable loadTable(const std::vector<uint8_t>& dbf)
{
    std::vector<FieldDef> fields;
    uint32_t offset = 1;
    for (size_t p = 32; p + 32 <= dbf.size() && dbf[p] != 0x0D; p += 32) {
        FieldDef f;
        f.name = std::string(reinterpret_cast<const char*>(&dbf[p]), strnlen(reinterpret_cast<const char*>(&dbf[p]), 11));
        f.type = char(dbf[p + 11]);
        f.width = dbf[p + 16];
        f.offset = offset;
        offset += f.width;
        fields.push_back(f);
    }
    FakeTable table(fields);
    const uint32_t count = xbase::readLe32(&dbf[4]);
    const uint16_t headerLength = xbase::readLe16(&dbf[8]);
    const uint16_t recordLength = xbase::readLe16(&dbf[10]);
    table.setRecordSize(recordLength);
    for (uint32_t r = 0; r < count; ++r) {
        const auto* start = &dbf[headerLength + size_t(r) * recordLength];
        table.load(std::vector<uint8_t>(start, start + recordLength));
    }
    return table;
}

class ForeignCdx : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(kFixtureDir + "ADDR.CDX"))
            GTEST_SKIP() << "fixtures not present";
        table = std::make_unique<FakeTable>(loadTable(readFile(kFixtureDir + "ADDR.DBF")));
        fs.bytes("ADDR.CDX") = readFile(kFixtureDir + "ADDR.CDX");
    }
    MemoryFileSystem fs;
    TestKeyCompiler compiler;
    std::unique_ptr<FakeTable> table;
};

} // namespace

TEST_F(ForeignCdx, EveryTagWalksInKeyOrderOverEveryRecord)
{
    const auto index = CdxIndex::open(fs, "ADDR.CDX", compiler, *table);
    ASSERT_EQ(26u, index->tagCount());
    EXPECT_EQ(1u, index->tagNumber("name"));
    EXPECT_EQ(26u, index->tagNumber("NOTISDEL"));
    EXPECT_EQ(0u, index->tagNumber("NOSUCH"));
    EXPECT_EQ("UPPER(STATE-ZIP)", index->tag(24).header().keyExpression);

    for (size_t n = 1; n <= index->tagCount(); ++n) {
        CdxTag& tag = index->tag(n);
        std::vector<std::pair<std::string, uint32_t>> expected;
        std::string key;
        table->forEachRecord([&](const RecordView& r) {
            tag.computeKey(r, key);
            expected.emplace_back(key, r.recordNumber());
        });
        std::sort(expected.begin(), expected.end());
        RecordOrder& order = *index->setOrder(n);
        std::vector<uint32_t> walked;
        for (uint32_t r = order.first(); r != 0; r = order.next(r, (table->go(r), *table)))
            walked.push_back(r);
        ASSERT_EQ(expected.size(), walked.size()) << tag.name();
        for (size_t i = 0; i < walked.size(); ++i)
            ASSERT_EQ(expected[i].second, walked[i]) << tag.name() << " at " << i;
        EXPECT_EQ(expected.back().second, order.last()) << tag.name();
        EXPECT_EQ(1000u, index->keyCount());

        // An exact seek of any key lands on the first record holding it.
        index->setExact(true);
        for (size_t i = 0; i < expected.size(); i += 37) {
            const auto first = std::lower_bound(expected.begin(), expected.end(), std::make_pair(expected[i].first, 0u));
            const SeekResult r = index->seek(expected[i].first);
            ASSERT_TRUE(r.found) << tag.name() << " at " << i;
            ASSERT_EQ(first->second, r.recno) << tag.name() << " at " << i;
        }
        index->setExact(false);
    }
    EXPECT_EQ(std::vector<std::string>{}, index->check());
}

TEST_F(ForeignCdx, SeeksOnLastNameAndZip)
{
    const auto index = CdxIndex::open(fs, "ADDR.CDX", compiler, *table);
    index->setOrder(index->tagNumber("LNAME"));
    table->go(500);
    const std::string lname = table->value(500, "LNAME");
    std::string key;
    index->tag(2).computeKey(*table, key);

    const SeekResult found = index->seek(key.substr(0, 4));
    ASSERT_TRUE(found.found);
    std::string foundKey;
    table->go(found.recno);
    index->tag(2).computeKey(*table, foundKey);
    EXPECT_EQ(key.substr(0, 4), foundKey.substr(0, 4));

    index->setExact(true);
    EXPECT_FALSE(index->seek(key.substr(0, 4)).found);
    EXPECT_TRUE(index->seek(key).found);

    index->setOrder(index->tagNumber("ZIP"));
    index->setExact(false);
    EXPECT_FALSE(index->seek("~~~").found);
    // Soft seek stops at the first key above the value: the first ZIP that is not blank.
    index->setSoftSeek(true);
    const SeekResult soft = index->seek("\x01");
    EXPECT_FALSE(soft.found);
    RecordOrder& order = *index->currentTag();
    uint32_t expected = order.first();
    while (expected != 0 && table->value(expected, "ZIP").find_first_not_of(' ') == std::string::npos)
        expected = order.next(expected, (table->go(expected), *table));
    EXPECT_EQ(expected, soft.recno);
    EXPECT_NE(0u, soft.recno);
}

// Changing records keeps the other engine's file sound, and a fresh walk still agrees.
TEST_F(ForeignCdx, MaintainsForeignTagsThroughChanges)
{
    auto index = CdxIndex::open(fs, "ADDR.CDX", compiler, *table);
    table->addListener(index.get());
    for (uint32_t r = 1; r <= 1000; r += 7)
        table->write(r, "LNAME", "Zed" + std::to_string(r));
    for (uint32_t r = 3; r <= 1000; r += 11)
        table->setDeleted(r, true);
    for (int i = 0; i < 50; ++i)
        table->append({"Appended" + std::to_string(i), "Ann"});
    EXPECT_EQ(std::vector<std::string>{}, index->check());
    index.reset();
    EXPECT_EQ(std::vector<std::string>{}, CdxIndex::open(fs, "ADDR.CDX", compiler, *table)->check());
}
