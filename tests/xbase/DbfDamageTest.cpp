// Damaged files are reported as CorruptFileError, never read past their end.
#include "DbfTestSupport.h"

#include "xbase/DbfFormat.h"
#include "xbase/XbaseError.h"

#include <gtest/gtest.h>

#include <functional>

namespace xbase {
namespace {

using Bytes = MemoryFileSystem::Bytes;

// A one-record sample table with a memo, written to fs as T.DBF/T.FPT.
void writeSample(MemoryFileSystem& fs)
{
    auto table = testing::createSample(fs);
    table->appendBlank();
    table->setText(0, "x");
    table->setMemo(4, "memo text");
    table->close();
}

TEST(DbfDamageTest, DamagedTablesAreRefusedWhenOpened)
{
    struct Case { const char* what; std::function<void(Bytes&)> damage; };
    const Case cases[] = {
        {"empty file", [](Bytes& b) { b.clear(); }},
        {"header cut short", [](Bytes& b) { b.resize(20); }},
        {"descriptors cut short", [](Bytes& b) { b.resize(100); }},
        {"header length past the end", [](Bytes& b) { xbase::writeLe16(&b[8], 0xFFF0); }},
        {"header length too small", [](Bytes& b) { xbase::writeLe16(&b[8], 40); }},
        {"descriptor crossing the header length", [](Bytes& b) { xbase::writeLe16(&b[8], 32 + 32 * 5 - 10); }},
        {"record length shorter than fields", [](Bytes& b) { xbase::writeLe16(&b[10], 20); }},
        {"record length zero", [](Bytes& b) { xbase::writeLe16(&b[10], 0); }},
        {"field of width zero", [](Bytes& b) { b[32 + 16] = 0; }},
        {"no fields", [](Bytes& b) { b[32] = 0x0D; }},
    };
    for (const auto& c : cases) {
        MemoryFileSystem fs;
        writeSample(fs);
        c.damage(fs.bytes("T.DBF"));
        EXPECT_THROW(DbfTable::open(fs, "T.DBF"), CorruptFileError) << c.what;
    }
}

TEST(DbfDamageTest, DamagedMemosAreRefusedWhenRead)
{
    struct Case { const char* what; bool atOpen; std::function<void(MemoryFileSystem&)> damage; };
    const Case cases[] = {
        {"memo header cut short", true, [](MemoryFileSystem& fs) { fs.bytes("T.FPT").resize(100); }},
        {"block size zero", true, [](MemoryFileSystem& fs) { fs.bytes("T.FPT")[7] = 0; }},
        {"pointer past the end", false,
         [](MemoryFileSystem& fs) { std::memcpy(&fs.bytes("T.DBF")[0xC1 + 28], "    999999", 10); }},
        {"pointer into the header", false,
         [](MemoryFileSystem& fs) { std::memcpy(&fs.bytes("T.DBF")[0xC1 + 28], "         3", 10); }},
        {"pointer beyond 32 bits", false,
         [](MemoryFileSystem& fs) { std::memcpy(&fs.bytes("T.DBF")[0xC1 + 28], "9999999999", 10); }},
        {"length past the end", false, [](MemoryFileSystem& fs) { xbase::writeBe32(&fs.bytes("T.FPT")[0x204], 0x7FFFFFFF); }},
        {"memo cut short", false, [](MemoryFileSystem& fs) { fs.bytes("T.FPT").resize(0x20A); }},
    };
    for (const auto& c : cases) {
        MemoryFileSystem fs;
        writeSample(fs);
        c.damage(fs);
        if (c.atOpen) {
            EXPECT_THROW(DbfTable::open(fs, "T.DBF"), CorruptFileError) << c.what;
            continue;
        }
        auto table = DbfTable::open(fs, "T.DBF");
        EXPECT_THROW(table->memoText(4), CorruptFileError) << c.what;
        // The damaged pointer can still be replaced by a new memo.
        table->setMemo(4, "fresh");
        EXPECT_EQ(table->memoText(4), "fresh") << c.what;
    }
}

TEST(DbfDamageTest, ABinaryFieldDeclaredTooNarrowIsNeverWrittenPast)
{
    MemoryFileSystem fs;
    DbfCreator().addField("NAME", 'C', 10).addField("N", 'C', 2).create(fs, "W.DBF");
    {
        auto table = DbfTable::open(fs, "W.DBF");
        table->appendBlank();
        table->close();
    }
    fs.bytes("W.DBF")[0] = 0x30;               // a wider-dialect table...
    fs.bytes("W.DBF")[32 + 32 + 11] = 'I';     // ...whose second field claims to be a 2-byte integer
    auto table = DbfTable::open(fs, "W.DBF");
    table->goTop();
    EXPECT_THROW(table->setNumber(1, 7), CorruptFileError);
    EXPECT_EQ(table->textView(1), "");
}

TEST(DbfDamageTest, MessagesNameTheFile)
{
    MemoryFileSystem fs;
    fs.bytes("BROKEN.DBF") = Bytes(10, 0);
    try {
        DbfTable::open(fs, "BROKEN.DBF");
        FAIL();
    } catch (const CorruptFileError& error) {
        EXPECT_NE(std::string(error.what()).find("BROKEN.DBF"), std::string::npos);
    }
}

} // namespace
} // namespace xbase
