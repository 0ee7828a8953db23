#include "DbfTestSupport.h"

#include "xbase/TableListener.h"
#include "xbase/XbaseError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

namespace xbase {
namespace {

using testing::appendNames;
using testing::createSample;

// Records what the table reported, with the name field of the old and new bytes.
class RecordingListener : public TableListener {
public:
    void recordWritten(uint32_t recno, const uint8_t* oldRecord, const uint8_t* newRecord) override
    {
        events.push_back(std::to_string(recno) + ":" + describe(oldRecord) + "->" + describe(newRecord));
    }
    void tableRewritten() override { events.push_back("rewritten"); }
    std::vector<std::string> events;

private:
    static std::string describe(const uint8_t* record)
    {
        if (!record)
            return "null";
        std::string name(reinterpret_cast<const char*>(record), 11);
        name.erase(name.find_last_not_of(' ') + 1);
        return name;
    }
};

TEST(DbfTableWriteTest, ListenersHearEachChangedRecordOnceWithOldAndNewBytes)
{
    MemoryFileSystem fs;
    auto table = createSample(fs);
    RecordingListener listener;
    table->addListener(&listener);
    table->appendBlank();
    table->setText(0, "a");
    table->setText(0, "ab");           // two writes, one append event
    table->appendBlank();              // left blank: still an appended record
    table->go(1);
    table->setText(0, "abc");
    table->setDeleted(true);
    table->skip();                     // the move commits record 1
    table->setText(0, "");             // record 2 written back unchanged: no event
    table->commit();
    table->go(1);
    table->setDeleted(false);
    table->close();                    // nothing is lost on close
    EXPECT_EQ(listener.events,
              (std::vector<std::string>{"1:null-> ab", "2:null->", "1: ab->*abc", "1:*abc-> abc"}));
}

TEST(DbfTableWriteTest, AppendsReachTheFileAndItsHeaderAtCommit)
{
    MemoryFileSystem fs;
    auto table = createSample(fs);
    appendNames(*table, {"one", "two"});
    const auto& bytes = fs.bytes("T.DBF");
    EXPECT_EQ(bytes[4], 2);
    EXPECT_EQ(bytes.size(), 0xC1u + 2 * 38 + 1);
    EXPECT_EQ(bytes.back(), 0x1A);
    table->appendBlank();
    table->setText(0, "three");
    table->close();
    EXPECT_EQ(fs.bytes("T.DBF")[4], 3);
    auto reopened = DbfTable::open(fs, "T.DBF");
    EXPECT_EQ(reopened->recordCount(), 3u);
    reopened->goBottom();
    EXPECT_EQ(reopened->text(0), "three");
}

TEST(DbfTableWriteTest, ManyAppendsSpanSeveralBatchesAndReadBackBeforeCommit)
{
    MemoryFileSystem fs;
    auto table = createSample(fs);
    const uint32_t count = 150000; // more than one append batch of 38-byte records
    for (uint32_t i = 1; i <= count; ++i) {
        table->appendBlank();
        table->setNumber(1, i / 100.0);
    }
    table->go(1);
    EXPECT_DOUBLE_EQ(table->number(1), 0.01);
    table->go(count);
    EXPECT_DOUBLE_EQ(table->number(1), count / 100.0);
    table->setNumber(1, -1); // an edit of a record that may still wait in the batch
    table->close();
    auto reopened = DbfTable::open(fs, "T.DBF");
    EXPECT_EQ(reopened->recordCount(), count);
    reopened->go(count);
    EXPECT_EQ(reopened->number(1), -1);
    reopened->go(count / 2);
    EXPECT_DOUBLE_EQ(reopened->number(1), count / 200.0);
}

TEST(DbfTableWriteTest, PackRemovesFlaggedRecordsAndKeepsTheirNeighboursMemos)
{
    MemoryFileSystem fs;
    auto table = createSample(fs);
    appendNames(*table, {"keep1", "*drop1", "keep2", "*drop2"});
    for (uint32_t r = 1; r <= 4; ++r) {
        table->go(r);
        table->setMemo(4, "memo of " + table->text(0) + std::string(r * 50, '.'));
    }
    table->commit();
    RecordingListener listener;
    table->addListener(&listener);
    std::vector<int> progress;
    table->pack([&](int percent) { progress.push_back(percent); });

    EXPECT_EQ(listener.events, (std::vector<std::string>{"rewritten"}));
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(table->recordCount(), 2u);
    EXPECT_EQ(table->recordNumber(), 1u);
    EXPECT_EQ(table->memoText(4), "memo of keep1" + std::string(50, '.'));
    table->skip();
    EXPECT_EQ(table->memoText(4), "memo of keep2" + std::string(150, '.'));
    EXPECT_FALSE(fs.exists("T.DBF.packing"));
    EXPECT_FALSE(fs.exists("T.FPT.packing"));
    // The memo file is rewritten too: only the two kept memos remain after the header.
    EXPECT_EQ(fs.bytes("T.FPT").size(), 512u + 64 * 2 + 64 * 3);
    table->close();
    EXPECT_EQ(DbfTable::open(fs, "T.DBF")->recordCount(), 2u);
}

TEST(DbfTableWriteTest, PackThatFailsAnywhereLeavesTheOldOrTheNewTable)
{
    // A write budget makes the pack's n-th byte fail, for every n up to a complete pack.
    bool sawSuccess = false;
    for (long long budget = 0; !sawSuccess; budget += 37) {
        MemoryFileSystem fs;
        auto table = createSample(fs);
        appendNames(*table, {"a", "*b", "c"});
        table->go(3);
        table->setMemo(4, std::string(500, 'm'));
        table->commit();
        fs.setWriteBudget(budget);
        try {
            table->pack();
            sawSuccess = true;
        } catch (const XbaseError&) {
        }
        fs.setWriteBudget(-1);
        table.reset();
        auto reopened = DbfTable::open(fs, "T.DBF");
        EXPECT_EQ(reopened->recordCount(), sawSuccess ? 2u : 3u) << budget;
        reopened->goBottom();
        EXPECT_EQ(reopened->memoText(4), std::string(500, 'm')) << budget;
        EXPECT_FALSE(fs.exists("T.DBF.packing"));
        EXPECT_FALSE(fs.exists("T.FPT.packing"));
    }
}

TEST(DbfTableWriteTest, AnOpenAfterAnInterruptedSwapFinishesThePack)
{
    MemoryFileSystem fs;
    {
        auto table = createSample(fs);
        appendNames(*table, {"a", "*b"});
        table->go(1);
        table->setMemo(4, "kept");
        table->pack();
    }
    // Simulate a crash after the memo was put in place but before the table was: the old
    // table, the new table under its temporary name and the commit marker remain.
    const auto packedTable = fs.bytes("T.DBF");
    fs.bytes("T.DBF.packing") = packedTable;
    fs.bytes("T.DBF") = MemoryFileSystem::Bytes(packedTable.size() + 38, ' ');
    fs.bytes("T.DBF.packed");
    auto table = DbfTable::open(fs, "T.DBF");
    EXPECT_EQ(fs.bytes("T.DBF"), packedTable);
    EXPECT_FALSE(fs.exists("T.DBF.packed"));
    EXPECT_EQ(table->recordCount(), 1u);
    EXPECT_EQ(table->memoText(4), "kept");
}

TEST(DbfTableWriteTest, ZapEmptiesTableAndMemo)
{
    MemoryFileSystem fs;
    auto table = createSample(fs);
    appendNames(*table, {"a", "b"});
    table->setMemo(4, "x");
    table->commit();
    RecordingListener listener;
    table->addListener(&listener);
    table->zap();
    EXPECT_EQ(listener.events, (std::vector<std::string>{"rewritten"}));
    EXPECT_EQ(table->recordCount(), 0u);
    EXPECT_EQ(fs.bytes("T.DBF").size(), 0xC1u + 1);
    EXPECT_EQ(fs.bytes("T.FPT").size(), 512u);
    appendNames(*table, {"c"});
    table->setMemo(4, "y");
    table->close();
    auto reopened = DbfTable::open(fs, "T.DBF");
    EXPECT_EQ(reopened->recordCount(), 1u);
    EXPECT_EQ(reopened->memoText(4), "y");
}

TEST(DbfTableWriteTest, StructuralIndexFlagIsReadAndWritten)
{
    MemoryFileSystem fs;
    auto table = createSample(fs);
    EXPECT_FALSE(table->hasStructuralIndex());
    table->setStructuralIndex(true);
    table->close();
    EXPECT_EQ(fs.bytes("T.DBF")[28], 0x01);
    auto reopened = DbfTable::open(fs, "T.DBF");
    EXPECT_TRUE(reopened->hasStructuralIndex());
}

TEST(DbfTableWriteTest, ReadOnlyTablesRefuseEdits)
{
    MemoryFileSystem fs;
    createSample(fs)->close();
    auto table = DbfTable::open(fs, "T.DBF", {.readOnly = true});
    EXPECT_THROW(table->appendBlank(), XbaseError);
    EXPECT_THROW(table->zap(), XbaseError);
    EXPECT_NO_THROW(table->close());
}

TEST(DbfTableWriteTest, EditsNeedACurrentRecord)
{
    MemoryFileSystem fs;
    auto table = createSample(fs);
    EXPECT_TRUE(table->eof());
    EXPECT_THROW(table->setText(0, "x"), XbaseError);
    EXPECT_THROW(table->setDeleted(true), XbaseError);
}

TEST(DbfTableWriteTest, SecondOpenOfAnOpenTableFails)
{
    MemoryFileSystem fs;
    auto table = createSample(fs);
    EXPECT_THROW(DbfTable::open(fs, "T.DBF"), XbaseError);
    table->close();
    EXPECT_NO_THROW(DbfTable::open(fs, "T.DBF"));
}

TEST(DbfTableWriteTest, SecondOpenFailsOnDiskToo)
{
    const std::string path = ::testing::TempDir() + "quorvane_exclusive_" + std::to_string(getpid()) + ".dbf";
    testing::sampleStructure().create(FileSystem::native(), path);
    {
        auto table = DbfTable::open(FileSystem::native(), path);
        try {
            DbfTable::open(FileSystem::native(), path);
            ADD_FAILURE() << "second open succeeded";
        } catch (const XbaseError& error) {
            EXPECT_THAT(error.what(), ::testing::HasSubstr("in use"));
        }
    }
    EXPECT_NO_THROW(DbfTable::open(FileSystem::native(), path));
    FileSystem::native().remove(path);
    FileSystem::native().remove(::testing::TempDir() + "quorvane_exclusive_" + std::to_string(getpid()) + ".fpt");
}

} // namespace
} // namespace xbase
