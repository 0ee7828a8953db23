// Tables as other writers leave them: the older and the wider dialects, long character
// fields, and the small untidiness of real files.
#include "DbfTestSupport.h"

#include "xbase/DbfFormat.h"
#include "xbase/XbaseError.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace xbase {
namespace {

using Bytes = MemoryFileSystem::Bytes;

struct RawField {
    std::string name;
    char type;
    uint8_t width;
    uint8_t decimals = 0;
    uint8_t flags = 0;
};

// Header and descriptors as a foreign writer might lay them out; records are appended raw.
Bytes rawTable(uint8_t version, const std::vector<RawField>& fields, uint32_t count, size_t extraHeader = 1)
{
    const size_t headerLength = 32 + 32 * fields.size() + extraHeader;
    Bytes bytes(headerLength, 0);
    bytes[0] = version;
    xbase::writeLe32(&bytes[4], count);
    xbase::writeLe16(&bytes[8], static_cast<uint16_t>(headerLength));
    uint16_t recordLength = 1;
    for (size_t i = 0; i < fields.size(); ++i) {
        uint8_t* d = &bytes[32 + 32 * i];
        std::memcpy(d, fields[i].name.data(), fields[i].name.size());
        d[11] = static_cast<uint8_t>(fields[i].type);
        d[16] = fields[i].width;
        d[17] = fields[i].decimals;
        d[18] = fields[i].flags;
        recordLength = static_cast<uint16_t>(recordLength + fields[i].width + (fields[i].type == 'C' && version < 0x30 ? fields[i].decimals * 256 : 0));
    }
    xbase::writeLe16(&bytes[10], recordLength);
    if (extraHeader > 0)
        bytes[32 + 32 * fields.size()] = 0x0D;
    return bytes;
}

void append(Bytes& bytes, const Bytes& record) { bytes.insert(bytes.end(), record.begin(), record.end()); }
void append(Bytes& bytes, const std::string& record) { bytes.insert(bytes.end(), record.begin(), record.end()); }

TEST(DbfDialectTest, WiderDialectBinaryFieldsReadAsTextAndNumbers)
{
    // ID I, PRICE Y, RATE B(2 decimals), STAMP T, NICK V10 nullable, NOTE C5 nullable, _NullFlags.
    Bytes bytes = rawTable(0x30,
                           {{"ID", 'I', 4}, {"PRICE", 'Y', 8}, {"RATE", 'B', 8, 2}, {"STAMP", 'T', 8},
                            {"NICK", 'V', 10, 0, 0x02}, {"NOTE", 'C', 5, 0, 0x02}, {"_NULLFLAGS", '0', 1, 0, 0x05}},
                           2, 1 + 263);
    Bytes record(1 + 4 + 8 + 8 + 8 + 10 + 5 + 1, 0);
    record[0] = ' ';
    xbase::writeLe32(&record[1], static_cast<uint32_t>(-42));
    xbase::writeLe64(&record[5], 123456); // 12.3456
    const double rate = 3.14159;
    std::memcpy(&record[13], &rate, 8);
    const Bytes stamp{0xB5, 0x8A, 0x25, 0x00, 0x00, 0x2E, 0x93, 0x02}; // 2024-01-31 12:00
    std::copy(stamp.begin(), stamp.end(), record.begin() + 21);
    std::memcpy(&record[29], "Bo\0\0\0\0\0\0\0\x02", 10); // short varchar: length in the last byte
    std::memcpy(&record[39], "abc  ", 5);
    record[44] = 0x01; // bit 0: NICK's length bit; NOTE's null bit (2) clear
    append(bytes, record);
    record[44] = 0x04; // NOTE is NULL, NICK full width
    std::memcpy(&record[29], "Bartholome", 10);
    append(bytes, record);

    MemoryFileSystem fs;
    fs.bytes("V.DBF") = bytes;
    auto table = DbfTable::open(fs, "V.DBF");
    EXPECT_EQ(table->dialect(), DbfDialect::VisualFoxPro);
    EXPECT_EQ(table->text(0), "-42");
    EXPECT_EQ(table->number(0), -42);
    EXPECT_EQ(table->text(1), "12.3456");
    EXPECT_DOUBLE_EQ(table->number(1), 12.3456);
    EXPECT_EQ(table->text(2), "3.14");
    EXPECT_DOUBLE_EQ(table->number(2), 3.14159);
    EXPECT_EQ(table->text(3), "20240131120000");
    EXPECT_EQ(table->dateText(3), "20240131");
    EXPECT_EQ(table->text(4), "Bo");
    EXPECT_EQ(table->text(5), "abc");
    EXPECT_FALSE(table->isNull(5));
    table->skip();
    EXPECT_EQ(table->text(4), "Bartholome");
    EXPECT_TRUE(table->isNull(5));
    EXPECT_EQ(table->text(5), "");
    EXPECT_TRUE(table->field(6).flags & dbf::kFieldSystem);
}

TEST(DbfDialectTest, LongCharacterFieldsTakeTheirHighByteFromTheDecimals)
{
    Bytes bytes = rawTable(0x03, {{"BODY", 'C', 0x2C, 1}, {"N", 'N', 3}}, 1); // 300 wide
    append(bytes, " " + std::string(299, 'x') + "y" + "  7");
    MemoryFileSystem fs;
    fs.bytes("L.DBF") = bytes;
    auto table = DbfTable::open(fs, "L.DBF");
    EXPECT_EQ(table->field(0).width, 300);
    EXPECT_EQ(table->field(1).offset, 301u);
    EXPECT_EQ(table->text(0), std::string(299, 'x') + "y");
    EXPECT_EQ(table->number(1), 7);
}

TEST(DbfDialectTest, RecordCountFollowsTheFileWhenTheHeaderIsStale)
{
    struct Case { const char* what; uint32_t claimed; int records; bool endMark; uint32_t expected; };
    const Case cases[] = {
        {"exact", 3, 3, true, 3},
        {"no end mark", 3, 3, false, 3},
        {"count behind the records", 1, 3, true, 3},
        {"count past a cut file", 9, 3, true, 3},
    };
    for (const auto& c : cases) {
        Bytes bytes = rawTable(0x03, {{"A", 'C', 2}}, c.claimed);
        for (int i = 0; i < c.records; ++i)
            append(bytes, " r" + std::to_string(i));
        if (c.endMark)
            bytes.push_back(0x1A);
        MemoryFileSystem fs;
        fs.bytes("S.DBF") = bytes;
        auto table = DbfTable::open(fs, "S.DBF");
        EXPECT_EQ(table->recordCount(), c.expected) << c.what;
        table->goBottom();
        EXPECT_EQ(table->text(0), "r" + std::to_string(c.expected - 1)) << c.what;
    }
}

TEST(DbfDialectTest, ToleratesMissingTerminatorAndGarbageInReservedBytes)
{
    Bytes bytes = rawTable(0x03, {{"A", 'C', 3, 0, 0xFF}}, 1, 0); // no 0x0D; flags byte full of junk
    for (size_t i = 12; i < 28; ++i)
        bytes[i] = 0xEE;
    bytes[30] = bytes[31] = 0x77;
    bytes[32 + 12] = 0x99; // a displacement nobody should trust
    append(bytes, " abc");
    MemoryFileSystem fs;
    fs.bytes("G.DBF") = bytes;
    auto table = DbfTable::open(fs, "G.DBF");
    EXPECT_EQ(table->field(0).flags, 0);
    EXPECT_EQ(table->field(0).offset, 1u);
    EXPECT_EQ(table->text(0), "abc");
    EXPECT_EQ(table->codePage(), 0);
}

TEST(DbfDialectTest, OlderMemoFilesAreReadAndWritten)
{
    Bytes bytes = rawTable(0x83, {{"NAME", 'C', 4}, {"NOTE", 'M', 10}}, 1);
    append(bytes, " Ann          1");
    Bytes dbt(512, 0);
    xbase::writeLe32(dbt.data(), 2);
    const std::string first = "first memo\x1A\x1A";
    dbt.insert(dbt.end(), first.begin(), first.end());
    dbt.resize(1024, 0);
    MemoryFileSystem fs;
    fs.bytes("D.DBF") = bytes;
    fs.bytes("D.DBT") = dbt;
    auto table = DbfTable::open(fs, "D.DBF");
    EXPECT_EQ(table->dialect(), DbfDialect::DBase3);
    EXPECT_EQ(table->memoBlockSize(), 512u);
    EXPECT_EQ(table->memoText(1), "first memo");
    table->setMemo(1, "short"); // fits the old block
    EXPECT_EQ(table->text(1), "short");
    table->setMemo(1, std::string(600, 'z')); // needs two blocks: goes to the end
    EXPECT_EQ(std::string(table->fieldBytes(1)), "         2");
    EXPECT_THROW(table->setMemo(1, "a\x1A" "b"), XbaseError); // cannot be told from the end mark
    table->close();
    auto reopened = DbfTable::open(fs, "D.DBF");
    EXPECT_EQ(reopened->memoText(1), std::string(600, 'z'));
}

TEST(DbfDialectTest, LowerCaseNamesFindTheirMemoFile)
{
    MemoryFileSystem fs;
    testing::sampleStructure().create(fs, "dir/addr.dbf");
    EXPECT_TRUE(fs.exists("dir/addr.fpt"));
    auto table = DbfTable::open(fs, "dir/addr.dbf");
    EXPECT_EQ(table->memoPath(), "dir/addr.fpt");
}

TEST(DbfDialectTest, MissingMemoFileIsReported)
{
    MemoryFileSystem fs;
    testing::sampleStructure().create(fs, "M.DBF");
    fs.remove("M.FPT");
    EXPECT_THROW(DbfTable::open(fs, "M.DBF"), XbaseError);
}

} // namespace
} // namespace xbase
