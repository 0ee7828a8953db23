// Which ZIP strings each tool tallies, the lists they end up in, and the reading loop.
#include "ZipTestTable.h"

#include "tools/TZipTally.h"

namespace {

TEST(TZipTallyRules, PresortAndCountAcceptance)
{
    struct TCase {
        const char* Zip;
        bool Presort;
        bool Count;
    };
    const TCase cases[] = {
        {"12345", true, true},   {"00000", true, true},   {"99999", true, true},
        {"1234", true, false},   {"12", true, false},     {"1A2B3", true, true}, // digit first is all it takes
        {"0", false, false},     {"0000", false, false},  {"0-123", false, false}, // below "00000" as text
        {"K1A 0", false, false}, {" 1234", false, false}, {"", false, false},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(TZipTally::PresortAccepts(c.Zip), c.Presort) << c.Zip;
        EXPECT_EQ(TZipTally::CountAccepts(c.Zip), c.Count) << c.Zip;
    }
}

TEST(TZipTallyLists, FirstFiveCharactersGoToSortedDigitOtherAndBlankLists)
{
    TZipTally count(TZipTally::TRule::zrCount);
    for (const char* zip : {"60601", "12345-6789", "12345", "1A2B3", "12300", "K1A 0B1", "", "K1A 0B1", "ABC", "", "", "123"})
        count.Add(zip);
    count.Sort();
    using E = TZipTally::TEntry;
    EXPECT_EQ(count.DigitList(1), (std::vector<E>{{"12300", 1}, {"12345", 2}, {"1A2B3", 1}}));
    EXPECT_EQ(count.DigitList(6), (std::vector<E>{{"60601", 1}}));
    EXPECT_TRUE(count.DigitList(0).empty());
    EXPECT_EQ(count.OtherList(), (std::vector<E>{{"123", 1}, {"ABC", 1}, {"K1A 0", 2}}));
    EXPECT_EQ(count.BlankCount(), 3u);
    EXPECT_EQ(count.RecordsRead(), 12u);

    // The presort keeps what starts with a digit (even a short string) and only counts the rest.
    TZipTally presort(TZipTally::TRule::zrPresort);
    for (const char* zip : {"123", "K1A 0B1", "", "12345-6789"})
        presort.Add(zip);
    presort.Sort();
    EXPECT_EQ(presort.DigitList(1), (std::vector<E>{{"123", 1}, {"12345", 1}}));
    EXPECT_TRUE(presort.OtherList().empty());
    EXPECT_EQ(presort.BlankCount(), 0u);
    EXPECT_EQ(presort.Untallied(), 2u);
}

class TZipTallyReading : public ZipTestTable {};

TEST_F(TZipTallyReading, ReadsTheRecordSetWithStatusEveryHundredRecords)
{
    std::vector<std::string> zips = Copies("12345", 250);
    zips[9] = "-99999"; // marked deleted: not in the record set
    Create(zips);
    ASSERT_TRUE(Table->SetOrderTag("LNAME"));
    Table->Table().go(42);

    TZipTally tally(TZipTally::TRule::zrCount);
    QStringList statuses;
    int afterRecord = 0;
    TZipTally::THooks hooks;
    hooks.Status = [&](const QString& text) { statuses << text; };
    hooks.AfterRecord = [&] { return ++afterRecord > 0; };
    ASSERT_TRUE(tally.Read(*Table, hooks));

    EXPECT_EQ(statuses, (QStringList{"Reading database records...", "Reading record 100", "Reading record 200",
                                     "Sorting Zip Codes..."}));
    EXPECT_EQ(afterRecord, 249);
    EXPECT_EQ(tally.DigitList(1), (std::vector<TZipTally::TEntry>{{"12345", 249}}));
    EXPECT_EQ(Table->Area().order(), Table->Area().tagNumber("LNAME"));
    EXPECT_EQ(Table->Table().recordNumber(), 42u);
}

TEST_F(TZipTallyReading, AfterRecordStopsTheReadingAndPutsThePositionBack)
{
    Create(Copies("12345", 30));
    Table->Table().go(7);
    TZipTally tally(TZipTally::TRule::zrCount);
    int read = 0;
    TZipTally::THooks hooks;
    hooks.AfterRecord = [&] { return ++read < 10; };
    EXPECT_FALSE(tally.Read(*Table, hooks));
    EXPECT_EQ(tally.RecordsRead(), 10u);
    EXPECT_EQ(Table->Table().recordNumber(), 7u);
}

} // namespace
