#include "SmallAddressTable.h"

#include "data/TAddressFilter.h"
#include "data/TTagger.h"
#include "settings/TIniFile.h"

namespace {

class TTaggerTest : public SmallAddressTable {
protected:
    TAddressFilter Filter;

    uint32_t TaggedOnlyCount(bool reverse)
    {
        Filter.ClearQueryVars();
        Filter.Values.Tagged = true;
        Filter.Values.Reverse = reverse;
        return Filter.ApplyQuery(*Table);
    }
};

TEST_F(TTaggerTest, TaggingAFilterTagsItsMatchesOnly)
{
    Filter.Values.Values[0] = "$smi";
    ASSERT_EQ(Filter.ApplyQuery(*Table), 3u);
    std::vector<uint32_t> seen;
    EXPECT_EQ(TTagger::TagAll(*Table, [&](uint32_t tagged) { seen.push_back(tagged); return true; }), 3u);
    EXPECT_EQ(seen, (std::vector<uint32_t>{1, 2, 3}));
    EXPECT_EQ(Table->Table().recordNumber(), 1u); // back on the first record

    EXPECT_EQ(TaggedOnlyCount(false), 3u);
    EXPECT_EQ(TaggedOnlyCount(true), 2u); // Jones and Müller
}

TEST_F(TTaggerTest, TaggingTheUntaggedSetVisitsEachMemberOnce)
{
    // Every tagged record leaves this set as it goes; none may be skipped.
    ASSERT_EQ(TaggedOnlyCount(true), 5u);
    EXPECT_EQ(TTagger::TagAll(*Table), 5u);
    EXPECT_EQ(TaggedOnlyCount(false), 5u);
}

TEST_F(TTaggerTest, CancelledTaggingStopsAfterTheCurrentRecord)
{
    EXPECT_EQ(TTagger::TagAll(*Table, [](uint32_t tagged) { return tagged < 2; }), 2u);
    EXPECT_EQ(TaggedOnlyCount(false), 2u);
}

TEST_F(TTaggerTest, ClearingTagsMakesANewIdAndRewritesNoRecord)
{
    TTagger::TagAll(*Table);
    const QString before = TAddressTable::GlobalTagId();
    TIniFile settings(TProgramFolder::SettingsFile());
    const QString id = TTagger::ClearTags(settings);
    EXPECT_NE(id, before);
    EXPECT_EQ(TAddressTable::GlobalTagId(), id);
    EXPECT_EQ(TIniFile(TProgramFolder::SettingsFile()).ReadString("Misc", "GlobalTagId", ""), id);
    EXPECT_EQ(TaggedOnlyCount(false), 0u);
    Table->Table().go(1);
    EXPECT_EQ(Table->FieldText("TAG"), before); // the old id is still in the record

    // Twice within one second still gives a fresh id.
    EXPECT_NE(TTagger::ClearTags(settings), id);
}

TEST_F(TTaggerTest, ToggleFlipsOneRecord)
{
    Table->Table().go(4);
    EXPECT_TRUE(TTagger::ToggleTag(*Table));
    EXPECT_TRUE(Table->Tagged());
    EXPECT_EQ(TaggedOnlyCount(false), 1u);
    Table->Table().go(4);
    EXPECT_FALSE(TTagger::ToggleTag(*Table));
    EXPECT_EQ(Table->FieldText("TAG"), "");
}

} // namespace
