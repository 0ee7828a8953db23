// The engine's parts working together on real files: table, structural index, compiler and query.
#include "xbase/DbfCreator.h"
#include "xbase/MemoryFileSystem.h"
#include "xbase/WorkArea.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace xbase;

namespace {

std::unique_ptr<WorkArea> PeopleArea(MemoryFileSystem& fs)
{
    DbfCreator()
        .addField("LNAME", 'C', 20)
        .addField("FNAME", 'C', 20)
        .addField("CODES", 'C', 10)
        .addField("ISDEL", 'L')
        .addField("MEMO", 'M')
        .create(fs, "P.DBF");
    auto area = WorkArea::open(fs, "P.DBF");
    DbfTable& t = area->table();
    struct Person {
        const char* last;
        const char* first;
        const char* codes;
        bool isdel;
        bool flagged;
    };
    const Person people[] = {{"Smith", "John", "AC", false, false},  {"Smithers", "Wayland", "B", false, false},
                             {"Jones", "Ann", "C", false, false},     {"smith", "anna", "", true, false},
                             {"Smythe", "Joe", "CC", false, true},    {"Adams", "Zoe", "c", false, false}};
    for (const auto& p : people) {
        t.appendBlank();
        t.setText(0, p.last);
        t.setText(1, p.first);
        t.setText(2, p.codes);
        t.setLogical(3, p.isdel);
        t.setDeleted(p.flagged);
    }
    t.commit();
    area->createTags({{"LNAME", "UPPER(LNAME)+UPPER(FNAME)"}, {"ISDEL", "ISDEL"}, {"DELETED", "DELETED()"}});
    return area;
}

std::vector<std::string> LastNamesInOrder(WorkArea& area)
{
    std::vector<std::string> names;
    for (area.table().goTop(); !area.table().eof(); area.table().skip())
        names.emplace_back(area.table().textView(0));
    return names;
}

} // namespace

TEST(WorkArea, RecordSetFollowsTagOrderAndCondition)
{
    MemoryFileSystem fs;
    auto area = PeopleArea(fs);
    area->table().setFlaggedHidden(true);
    area->setOrder(area->tagNumber("LNAME"));
    EXPECT_EQ(LastNamesInOrder(*area), (std::vector<std::string>{"Adams", "Jones", "smith", "Smith", "Smithers"}));

    area->setCondition("UPPER(LNAME)=\"SMI\" .and. !ISDEL");
    EXPECT_EQ(area->count(), 2u);
    EXPECT_EQ(LastNamesInOrder(*area), (std::vector<std::string>{"Smith", "Smithers"}));

    area->setCondition("\"C\"$UPPER(CODES) .and. !ISDEL");
    EXPECT_EQ(area->count(), 3u); // Smythe carries the delete flag and stays hidden
    area->setOrder(0);
    EXPECT_EQ(LastNamesInOrder(*area), (std::vector<std::string>{"Smith", "Jones", "Adams"}));

    area->setCondition("");
    EXPECT_EQ(area->count(), 5u);
}

TEST(WorkArea, ChangesKeepIndexAndSetInStepAndPackRebuildsThem)
{
    MemoryFileSystem fs;
    auto area = PeopleArea(fs);
    area->setOrder(area->tagNumber("LNAME"));
    area->setCondition("!ISDEL");
    const uint32_t before = area->count();

    ASSERT_TRUE(area->seek("JONES"));
    area->table().setLogical(3, true); // Jones now counts as deleted
    area->table().setDeleted(true);
    area->table().commit();
    EXPECT_EQ(area->count(), before - 1);
    EXPECT_TRUE(area->checkIndex().empty());

    area->pack();
    EXPECT_EQ(area->table().recordCount(), 4u);
    EXPECT_TRUE(area->checkIndex().empty());
    area->setCondition("!ISDEL");
    EXPECT_EQ(area->count(), 3u);
    EXPECT_FALSE(area->seek("JONES"));
}

TEST(WorkArea, AnEditLeftOpenAtCloseReachesTheIndex)
{
    MemoryFileSystem fs;
    {
        auto area = PeopleArea(fs);
        area->table().goTop();
        area->table().setText(0, "Zimmer");
        area->close();
    }
    auto area = WorkArea::open(fs, "P.DBF");
    EXPECT_TRUE(area->checkIndex().empty());
    area->setOrder(area->tagNumber("LNAME"));
    EXPECT_TRUE(area->seek("ZIMMER"));
}

TEST(WorkArea, AMissingOrDamagedIndexIsReportedNotFatal)
{
    MemoryFileSystem fs;
    {
        auto area = PeopleArea(fs);
    }
    fs.bytes("P.CDX").resize(700); // cut short
    auto area = WorkArea::open(fs, "P.DBF");
    EXPECT_EQ(area->index(), nullptr);
    EXPECT_FALSE(area->indexProblem().empty());
    EXPECT_EQ(area->tagNumber("LNAME"), 0u);
    area->deleteIndex();
    area->createTags({{"LNAME", "UPPER(LNAME)+UPPER(FNAME)"}});
    EXPECT_TRUE(area->checkIndex().empty());

    fs.remove("P.CDX");
    area.reset();
    area = WorkArea::open(fs, "P.DBF");
    EXPECT_EQ(area->index(), nullptr);
    EXPECT_FALSE(area->indexProblem().empty()); // the header still claims an index
}

TEST(WorkArea, ForeignTableWithItsIndexCountsAndSeeks)
{
    const std::filesystem::path source = std::filesystem::path(QUORVANE_SHARED_DIR) / "fixtures" / "foreign-1k";
    if (!std::filesystem::exists(source / "ADDR.DBF"))
        GTEST_SKIP() << "shared fixtures not present";
    const auto folder = std::filesystem::temp_directory_path() / ("workarea-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    for (const char* name : {"ADDR.DBF", "ADDR.FPT", "ADDR.CDX"})
        std::filesystem::copy_file(source / name, folder / name, std::filesystem::copy_options::overwrite_existing);
    {
        WorkAreaOptions options;
        options.hideFlagged = true;
        auto area = WorkArea::open(FileSystem::native(), (folder / "ADDR.DBF").string(), options);
        ASSERT_NE(area->index(), nullptr) << area->indexProblem();
        EXPECT_EQ(area->index()->tagCount(), 26u);
        area->setCondition("!ISDEL");
        const uint32_t live = area->count();
        area->setCondition("ISDEL");
        const uint32_t isdel = area->count();
        area->setCondition("");
        EXPECT_EQ(live + isdel, area->count());
        EXPECT_TRUE(area->checkIndex().empty());
        area->setOrder(area->tagNumber("LNAME"));
        area->table().goTop();
        const std::string first(area->table().textView(area->table().fieldIndex("LNAME")));
        std::string key = first;
        for (char& c : key)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(area->seek(key));
    }
    std::filesystem::remove_all(folder);
}
