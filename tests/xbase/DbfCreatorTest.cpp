#include "DbfTestSupport.h"

#include "xbase/XbaseError.h"

#include <gtest/gtest.h>

namespace xbase {
namespace {

using testing::createSample;
using Bytes = MemoryFileSystem::Bytes;

Bytes slice(const Bytes& bytes, size_t from, size_t count)
{
    return Bytes(bytes.begin() + static_cast<long>(from), bytes.begin() + static_cast<long>(from + count));
}

Bytes ascii(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The worked example of a FoxPro 2.x table with one memo, byte for byte (the date excepted).
TEST(DbfCreatorTest, WritesTheFoxProLayoutOfTableAndMemo)
{
    MemoryFileSystem fs;
    {
        auto table = createSample(fs);
        table->appendBlank();
        table->setText(0, "Smith");
        table->setNumber(1, 12.5);
        table->setLogical(2, true);
        table->setText(3, "20240131");
        table->setMemo(4, "hello memo");
        table->close();
    }
    const Bytes& dbf = fs.bytes("T.DBF");
    ASSERT_EQ(dbf.size(), 0xC1u + 38 + 1);
    EXPECT_EQ(dbf[0], 0xF5);
    EXPECT_EQ(slice(dbf, 4, 8), (Bytes{1, 0, 0, 0, 0xC1, 0, 0x26, 0}));
    EXPECT_EQ(dbf[28], 0x00);
    EXPECT_EQ(dbf[29], 0x03);
    EXPECT_EQ(slice(dbf, 0x20, 12), (Bytes{'N', 'A', 'M', 'E', 0, 0, 0, 0, 0, 0, 0, 'C'}));
    EXPECT_EQ(slice(dbf, 0x2C, 6), (Bytes{1, 0, 0, 0, 10, 0}));
    EXPECT_EQ(slice(dbf, 0x4B, 7), (Bytes{'N', 0x0B, 0, 0, 0, 8, 2}));
    EXPECT_EQ(slice(dbf, 0xAB, 6), (Bytes{'M', 0x1C, 0, 0, 0, 10}));
    EXPECT_EQ(dbf[0xC0], 0x0D);
    EXPECT_EQ(slice(dbf, 0xC1, 38), ascii(" Smith        12.50T20240131         8"));
    EXPECT_EQ(dbf.back(), 0x1A);

    const Bytes& fpt = fs.bytes("T.FPT");
    ASSERT_EQ(fpt.size(), 0x240u);
    EXPECT_EQ(slice(fpt, 0, 8), (Bytes{0, 0, 0, 9, 0, 0, 0, 0x40}));
    EXPECT_EQ(slice(fpt, 0x200, 18), (Bytes{0, 0, 0, 1, 0, 0, 0, 10, 'h', 'e', 'l', 'l', 'o', ' ', 'm', 'e', 'm', 'o'}));
}

TEST(DbfCreatorTest, TableWithoutMemoIsPlainAndHasNoMemoFile)
{
    MemoryFileSystem fs;
    DbfCreator().addField("a", 'c', 5).create(fs, "P.DBF");
    EXPECT_EQ(fs.bytes("P.DBF")[0], 0x03);
    EXPECT_FALSE(fs.exists("P.FPT"));
    auto table = DbfTable::open(fs, "P.DBF");
    EXPECT_EQ(table->field(0).name, "A");
    EXPECT_EQ(table->dialect(), DbfDialect::DBase3);
}

TEST(DbfCreatorTest, MemoBlockSizeIsSettable)
{
    MemoryFileSystem fs;
    testing::sampleStructure().setMemoBlockSize(512).create(fs, "B.DBF");
    auto table = DbfTable::open(fs, "B.DBF");
    EXPECT_EQ(table->memoBlockSize(), 512u);
    table->appendBlank();
    table->setMemo(4, "x");
    table->close();
    // With 512-byte blocks the first memo goes right after the 512-byte header: block 1.
    EXPECT_EQ(fs.bytes("B.FPT").size(), 1024u);
}

TEST(DbfCreatorTest, RejectsFieldsItCannotWrite)
{
    struct Case { const char* name; char type; uint16_t width; uint8_t decimals; };
    const Case cases[] = {
        {"", 'C', 10, 0},          {"TOOLONGNAME", 'C', 10, 0}, {"1ST", 'C', 10, 0},
        {"A B", 'C', 10, 0},       {"X", 'C', 0, 0},            {"X", 'N', 21, 0},
        {"X", 'N', 4, 3},          {"X", 'Q', 4, 0},
    };
    for (const auto& c : cases) {
        DbfCreator creator;
        EXPECT_THROW(creator.addField(c.name, c.type, c.width, c.decimals), XbaseError) << c.name << " " << c.type;
    }
    DbfCreator twice;
    twice.addField("A", 'C', 1);
    EXPECT_THROW(twice.addField("a", 'C', 1), XbaseError);
    MemoryFileSystem fs;
    EXPECT_THROW(DbfCreator().create(fs, "E.DBF"), XbaseError);
}

TEST(DbfCreatorTest, CopiesTheStructureOfAnOpenTable)
{
    MemoryFileSystem fs;
    auto source = createSample(fs);
    testing::appendNames(*source, {"Ann"});
    DbfCreator::copyStructureOf(*source).create(fs, "COPY.DBF");
    auto copy = DbfTable::open(fs, "COPY.DBF");
    EXPECT_EQ(copy->recordCount(), 0u);
    ASSERT_EQ(copy->fieldCount(), source->fieldCount());
    for (int i = 0; i < copy->fieldCount(); ++i) {
        EXPECT_EQ(copy->field(i).name, source->field(i).name);
        EXPECT_EQ(copy->field(i).type, source->field(i).type);
        EXPECT_EQ(copy->field(i).width, source->field(i).width);
        EXPECT_EQ(copy->field(i).decimals, source->field(i).decimals);
    }
    EXPECT_EQ(copy->memoBlockSize(), source->memoBlockSize());
}

} // namespace
} // namespace xbase
