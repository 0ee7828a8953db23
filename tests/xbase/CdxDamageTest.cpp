// Damaged or missing index files are reported as invalid indexes, never as crashes or hangs.
#include "FakeTable.h"
#include "TestKeyCompiler.h"

#include "xbase/CdxFormat.h"
#include "xbase/CdxIndex.h"
#include "xbase/InvalidIndexError.h"
#include "xbase/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

using namespace xbase;
using testsupport::FakeTable;
using testsupport::TestKeyCompiler;

namespace {

class CdxDamage : public ::testing::Test {
protected:
    CdxDamage() : table({{"LNAME", 'C', 20}, {"ACTIVE", 'L', 1}})
    {
        for (int i = 0; i < 2000; ++i)
            table.append({"Name" + std::to_string(i * 7919 % 2000), i % 3 ? "T" : "F"});
        auto index = CdxIndex::create(fs, "T.CDX", compiler, table);
        index->createTags({{"LNAME", "UPPER(LNAME)"}, {"ACTIVE", "ACTIVE"}, {"SOME", "LNAME", "ACTIVE"}});
        pristine = fs.bytes("T.CDX");
    }

    // Opens, walks every tag both ways, seeks and checks; any failure must be an invalid index.
    void exercise()
    {
        try {
            auto index = CdxIndex::open(fs, "T.CDX", compiler, table);
            for (size_t n = 1; n <= index->tagCount(); ++n) {
                RecordOrder& order = *index->setOrder(n);
                size_t steps = 0;
                for (uint32_t r = order.first(); r != 0 && r <= table.recordCount(); r = order.next(r, (table.go(r), table)))
                    ASSERT_LT(++steps, 3 * table.recordCount()) << "walk does not end";
                index->seek("NAME1");
                index->keyCount();
            }
            index->check();
        } catch (const InvalidIndexError&) {
        }
    }

    uint32_t rootOfFirstTag()
    {
        const uint32_t header = CdxIndex::open(fs, "T.CDX", compiler, table)->tag(1).tree().headerOffset();
        return xbase::readLe32(&fs.bytes("T.CDX")[header]);
    }

    MemoryFileSystem fs;
    TestKeyCompiler compiler;
    FakeTable table;
    MemoryFileSystem::Bytes pristine;
};

} // namespace

TEST_F(CdxDamage, MissingOrCutShortIsInvalid)
{
    EXPECT_THROW(CdxIndex::open(fs, "NONE.CDX", compiler, table), InvalidIndexError);
    for (size_t size : {size_t(0), size_t(100), size_t(1024), size_t(1500)}) {
        fs.bytes("T.CDX").resize(size);
        EXPECT_THROW(CdxIndex::open(fs, "T.CDX", compiler, table), InvalidIndexError) << size;
        fs.bytes("T.CDX") = pristine;
    }
    fs.bytes("T.CDX")[12] = 11; // directory key width
    EXPECT_THROW(CdxIndex::open(fs, "T.CDX", compiler, table), InvalidIndexError);
}

// A tag in another collation cannot be searched by bytes; a stray byte there is no collation.
TEST_F(CdxDamage, OtherCollationsAskForARebuild)
{
    const uint32_t header = CdxIndex::open(fs, "T.CDX", compiler, table)->tag(1).tree().headerOffset();
    std::memcpy(&fs.bytes("T.CDX")[header + cdx::kHeaderCollation], "GENERAL", 7);
    EXPECT_THROW(CdxIndex::open(fs, "T.CDX", compiler, table), InvalidIndexError);
    std::memcpy(&fs.bytes("T.CDX")[header + cdx::kHeaderCollation], "MACHINE", 7);
    EXPECT_NO_THROW(CdxIndex::open(fs, "T.CDX", compiler, table));
    fs.bytes("T.CDX")[header + cdx::kHeaderCollation] = 0x07;
    fs.bytes("T.CDX")[header + cdx::kHeaderCollation + 1] = 0;
    EXPECT_NO_THROW(CdxIndex::open(fs, "T.CDX", compiler, table));
}

TEST_F(CdxDamage, CheckFindsStaleAndMissingKeys)
{
    auto index = CdxIndex::open(fs, "T.CDX", compiler, table);
    EXPECT_EQ(std::vector<std::string>{}, index->check());
    table.write(5, "LNAME", "Changed behind its back"); // no listener: the index goes stale
    table.append({"Unindexed", "T"});
    const auto faults = index->check();
    ASSERT_FALSE(faults.empty());
    EXPECT_NE(std::string::npos, faults.front().find("record 5 has a stale key")) << faults.front();
    bool missing = false;
    for (const auto& f : faults)
        missing = missing || f.find("record 2001 is missing") != std::string::npos;
    EXPECT_TRUE(missing);
}

// A right link pointing back makes a loop; walking must stop with an error.
TEST_F(CdxDamage, SiblingLoopsEndInAnError)
{
    auto& bytes = fs.bytes("T.CDX");
    const uint32_t root = rootOfFirstTag();
    ASSERT_EQ(0, bytes[root] & cdx::kAttributeLeaf); // a tree with interior levels
    const uint32_t firstLeaf = xbase::readBe32(&bytes[root + 12 + 20 + 4]);
    const uint32_t secondLeaf = xbase::readLe32(&bytes[firstLeaf + cdx::kNodeRight]);
    xbase::writeLe32(&bytes[secondLeaf + cdx::kNodeRight], firstLeaf);
    auto index = CdxIndex::open(fs, "T.CDX", compiler, table);
    RecordOrder& order = *index->setOrder(1);
    EXPECT_THROW(
        {
            for (uint32_t r = order.first(); r != 0; r = order.next(r, (table.go(r), table))) {
            }
        },
        InvalidIndexError);
    EXPECT_FALSE(index->check().empty());
    index.reset();

    // A child pointing at its own parent.
    fs.bytes("T.CDX") = pristine;
    xbase::writeBe32(&fs.bytes("T.CDX")[root + 12 + 20 + 4], root);
    exercise();
}

TEST_F(CdxDamage, RandomByteDamageNeverEscapes)
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        fs.bytes("T.CDX") = pristine;
        auto& bytes = fs.bytes("T.CDX");
        for (int hit = 0; hit < 1 + round % 8; ++hit)
            bytes[random() % bytes.size()] = uint8_t(random());
        exercise();
    }
}
