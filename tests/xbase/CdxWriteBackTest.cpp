// The index's write-back cache and its being-written mark: changed pages reach the file once
// per commit and in file order, the cap writes back early, a commit with nothing changed does
// nothing, and a bulk write stopped anywhere (a torn write, a SIGKILL) keeps every record and
// leaves either a sound index or a mark that asks for the rebuild.
#include "xbase/BatchCommitter.h"
#include "xbase/CdxFormat.h"
#include "xbase/DbfCreator.h"
#include "xbase/MemoryFileSystem.h"
#include "xbase/WorkArea.h"
#include "xbase/XbaseError.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <filesystem>
#include <map>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace xbase;

namespace {

// Every write and sync of every file, over the in-memory file system.
class LoggingFileSystem final : public FileSystem {
public:
    struct Event {
        std::string path;
        uint64_t offset = 0;
        size_t count = 0; // 0: a sync
    };

    explicit LoggingFileSystem(MemoryFileSystem& inner) : inner_(inner) {}
    std::unique_ptr<File> open(const std::string& path, OpenMode mode, bool exclusive) override
    {
        return std::make_unique<LoggedFile>(*this, inner_.open(path, mode, exclusive));
    }
    std::unique_ptr<File> create(const std::string& path, bool exclusive) override
    {
        return std::make_unique<LoggedFile>(*this, inner_.create(path, exclusive));
    }
    bool exists(const std::string& path) const override { return inner_.exists(path); }
    void remove(const std::string& path) override { inner_.remove(path); }
    void rename(const std::string& from, const std::string& to) override { inner_.rename(from, to); }

    std::vector<Event> events;

private:
    class LoggedFile final : public File {
    public:
        LoggedFile(LoggingFileSystem& fs, std::unique_ptr<File> inner) : fs_(fs), inner_(std::move(inner)) {}
        const std::string& path() const override { return inner_->path(); }
        uint64_t size() const override { return inner_->size(); }
        size_t readAt(uint64_t offset, void* buffer, size_t count) const override
        {
            return inner_->readAt(offset, buffer, count);
        }
        void writeAt(uint64_t offset, const void* buffer, size_t count) override
        {
            fs_.events.push_back({path(), offset, count});
            inner_->writeAt(offset, buffer, count);
        }
        void truncate(uint64_t newSize) override { inner_->truncate(newSize); }
        void flush() override
        {
            fs_.events.push_back({path(), 0, 0});
            inner_->flush();
        }

    private:
        LoggingFileSystem& fs_;
        std::unique_ptr<File> inner_;
    };

    MemoryFileSystem& inner_;
};

const std::vector<TagSpec> kTags = {{"CITY", "UPPER(CITY)"}, {"LNAME", "UPPER(LNAME)+UPPER(CITY)"}};

std::string originalCity(uint32_t recno) { return "C" + std::to_string(recno * 7919 % 100003); }
std::string lastName(uint32_t recno) { return "Name" + std::to_string(recno % 97); }

// A table of `count` people with both tags built and committed.
void createPeople(FileSystem& fs, const std::string& path, uint32_t count)
{
    DbfCreator().addField("LNAME", 'C', 20).addField("CITY", 'C', 20).create(fs, path);
    auto area = WorkArea::open(fs, path);
    DbfTable& t = area->table();
    for (uint32_t r = 1; r <= count; ++r) {
        t.appendBlank();
        t.setText(0, lastName(r));
        t.setText(1, originalCity(r));
    }
    t.commit();
    area->createTags(kTags);
    area->close();
}

// The bulk replace the crash tests stop: every record's CITY rewritten, committed in batches.
void replaceCities(WorkArea& area, const std::string& prefix, uint32_t batch,
                   const std::function<void(uint32_t)>& afterRecord = {})
{
    DbfTable& t = area.table();
    BatchCommitter committer(t, batch);
    for (uint32_t r = 1; r <= t.recordCount(); ++r) {
        t.go(r);
        t.setText(1, prefix + std::to_string(r));
        committer.recordDone();
        if (afterRecord)
            afterRecord(r);
    }
    committer.finish();
}

// Every record is there with its own name and either its old city or its new one; at most
// `torn` records hold a mix (a write cut short inside the record).
void expectEveryRecordSurvives(DbfTable& t, uint32_t count, const std::string& prefix, int torn)
{
    ASSERT_EQ(count, t.recordCount());
    int mixed = 0;
    for (uint32_t r = 1; r <= count; ++r) {
        t.go(r);
        ASSERT_EQ(lastName(r), t.text(0)) << "record " << r;
        const std::string city = t.text(1);
        const bool known = city == originalCity(r) || city == prefix + std::to_string(r)
                           || (city.rfind('K', 0) == 0 && city.substr(city.find('-') + 1) == std::to_string(r));
        mixed += known ? 0 : 1;
    }
    EXPECT_LE(mixed, torn);
}

// After a stop: either the index is unmarked and sound, or the open says it was being written;
// a rebuild makes it sound either way. Returns whether the mark was seen.
bool expectSoundOrMarked(FileSystem& fs, const std::string& path)
{
    auto area = WorkArea::open(fs, path);
    const std::string problem = area->indexProblem();
    if (problem.empty()) {
        EXPECT_EQ(std::vector<std::string>{}, area->checkIndex());
    } else {
        EXPECT_NE(std::string::npos, problem.find("being written")) << problem;
        EXPECT_EQ(std::vector<std::string>{problem}, area->checkIndex()); // check reports it
    }
    area->createTags(kTags);
    EXPECT_EQ(std::vector<std::string>{}, area->checkIndex());
    area->close();
    return !problem.empty();
}

std::vector<uint64_t> pagesOf(const std::vector<LoggingFileSystem::Event>& events, const std::string& path)
{
    std::vector<uint64_t> pages;
    for (const auto& e : events)
        if (e.path == path && e.count >= cdx::kPageSize && e.offset % cdx::kPageSize == 0)
            for (uint64_t p = e.offset; p < e.offset + e.count; p += cdx::kPageSize)
                pages.push_back(p);
    return pages;
}

} // namespace

TEST(CdxWriteBack, ChangedPagesReachTheFileOncePerCommitInFileOrder)
{
    MemoryFileSystem memory;
    LoggingFileSystem fs(memory);
    createPeople(fs, "P.DBF", 3000);
    auto area = WorkArea::open(fs, "P.DBF");
    DbfTable& t = area->table();
    fs.events.clear();
    std::mt19937 random(7);
    for (int i = 0; i < 1500; ++i) {
        t.go(1 + random() % 3000);
        t.setText(1, "Moved" + std::to_string(random() % 5000));
    }
    t.go(1); // the last edit reaches the table and the index
    EXPECT_EQ(1, memory.bytes("P.CDX")[cdx::kHeaderWriting]) << "marked while the batch is open";
    EXPECT_EQ(0u, area->index()->pagesWritten()) << "no page written back before the commit";
    const size_t appended = pagesOf(fs.events, "P.CDX").size(); // fresh pages for splits

    fs.events.clear();
    t.commit();
    const std::vector<uint64_t> pages = pagesOf(fs.events, "P.CDX");
    EXPECT_EQ(area->index()->pagesWritten(), pages.size());
    EXPECT_GT(pages.size(), appended);
    EXPECT_TRUE(std::is_sorted(pages.begin(), pages.end()));
    EXPECT_EQ(pages.end(), std::adjacent_find(pages.begin(), pages.end())) << "a page written twice";
    // The table is synced before the index pages go out, the index after, then the mark clears.
    ASSERT_GE(fs.events.size(), 3u);
    const auto& last = fs.events.back();
    EXPECT_EQ("P.CDX", last.path);
    EXPECT_EQ(cdx::kHeaderWriting, last.offset);
    EXPECT_EQ(0, memory.bytes("P.CDX")[cdx::kHeaderWriting]);

    fs.events.clear();
    t.commit();
    EXPECT_TRUE(fs.events.empty()) << "a commit with nothing changed writes and syncs nothing";
    area->close();
    EXPECT_TRUE(expectSoundOrMarked(fs, "P.DBF") == false);
}

TEST(CdxWriteBack, TheCapWritesBackEarlyAndTheIndexStaysSound)
{
    MemoryFileSystem fs;
    createPeople(fs, "P.DBF", 3000);
    auto area = WorkArea::open(fs, "P.DBF");
    area->index()->setHeldPageLimit(4);
    DbfTable& t = area->table();
    for (uint32_t r = 1; r <= 3000; r += 2) {
        t.go(r);
        t.setText(1, "Capped" + std::to_string(r % 301));
    }
    t.go(1);
    EXPECT_GT(area->index()->pagesWritten(), 100u) << "written back before the commit";
    EXPECT_EQ(std::vector<std::string>{}, area->checkIndex());
    area->close();
    EXPECT_FALSE(expectSoundOrMarked(fs, "P.DBF"));
}

// A write budget stops the replace after every ~1 KB of writes: the files as they stood at
// that moment are opened again, as after a crash.
TEST(CdxWriteBack, ABulkReplaceTornAnywhereKeepsEveryRecordAndIsNoticed)
{
    bool sawMark = false;
    bool finished = false;
    int points = 0;
    for (long long budget = 0; !finished; budget += 1021, ++points) {
        MemoryFileSystem fs;
        createPeople(fs, "P.DBF", 400);
        MemoryFileSystem disk; // the files at the moment of the stop
        {
            auto area = WorkArea::open(fs, "P.DBF");
            fs.setWriteBudget(budget);
            try {
                replaceCities(*area, "New", 60);
                area->close();
                finished = true;
            } catch (const XbaseError&) {
            }
            for (const char* path : {"P.DBF", "P.CDX"})
                disk.bytes(path) = fs.bytes(path);
        } // what the destructors still write goes to the old files, as a dead process writes nothing
        SCOPED_TRACE("budget " + std::to_string(budget));
        {
            auto area = WorkArea::open(disk, "P.DBF");
            expectEveryRecordSurvives(area->table(), 400, "New", 1);
        }
        sawMark = expectSoundOrMarked(disk, "P.DBF") || sawMark;
        ASSERT_LT(points, 500) << "the replace never finished";
    }
    EXPECT_TRUE(sawMark);
}

// A child process replaces cities over and over, committing in batches; it is killed at
// several points and the table on disk is checked each time.
TEST(CdxWriteBack, ABulkReplaceKilledAnywhereKeepsEveryRecordAndIsNoticed)
{
    const auto dir = std::filesystem::temp_directory_path() / ("cdx-kill-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "P.DBF").string();
    FileSystem& fs = FileSystem::native();
    constexpr uint32_t kRecords = 20000;
    createPeople(fs, path, kRecords);
    int marks = 0;
    for (int ticks : {1, 2, 5, 9, 17, 30}) {
        int pipeEnds[2];
        ASSERT_EQ(0, pipe(pipeEnds));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeEnds[0]);
            try {
                auto area = WorkArea::open(fs, path);
                for (int pass = 0;; ++pass)
                    replaceCities(*area, "K" + std::to_string(pass) + "-", 3000, [&](uint32_t r) {
                        if (r % 400 == 0 && write(pipeEnds[1], "t", 1) != 1)
                            _exit(3);
                    });
            } catch (...) {
                _exit(2);
            }
        }
        close(pipeEnds[1]);
        char tick;
        for (int i = 0; i < ticks; ++i)
            ASSERT_EQ(1, read(pipeEnds[0], &tick, 1)) << "the writer died on its own";
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        close(pipeEnds[0]);
        ASSERT_TRUE(WIFSIGNALED(status));
        SCOPED_TRACE("killed after " + std::to_string(ticks) + " ticks");
        {
            auto area = WorkArea::open(fs, path);
            expectEveryRecordSurvives(area->table(), kRecords, "K", 0);
        }
        marks += expectSoundOrMarked(fs, path) ? 1 : 0;
    }
    EXPECT_GT(marks, 0);
    std::filesystem::remove_all(dir);
}
