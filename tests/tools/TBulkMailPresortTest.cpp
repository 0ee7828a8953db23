// The presort groups and the PRESORT.PSL file: which ZIP multisets give which lines.
#include "ZipTestTable.h"

#include "tools/TAdcTable.h"
#include "tools/TBulkMailPresort.h"

#include <QFile>

namespace {

using TLines = std::vector<std::string>;

TPresortResult Presort(const std::vector<std::string>& zips)
{
    TZipTally tally(TZipTally::TRule::zrPresort);
    for (const std::string& zip : zips)
        tally.Add(zip);
    tally.Sort();
    return TBulkMailPresort::Group(tally, TAdcTable::Load());
}

TEST(TBulkMailPresortGroups, ZipMultisetsGiveTheListLines)
{
    struct TCase {
        const char* Name;
        std::vector<std::string> Zips;
        TLines Lines;
    };
    const TCase cases[] = {
        {"10 pieces make a 5-digit group", Copies("12345", 10), {"** 5-digit 12345", "12345"}},
        // 9 pieces are no 5-digit group and no 3-digit one; 123 is an Albany prefix.
        {"9 pieces do not", Copies("12345", 9), {"** ADC ALBANY NY 120", "12345"}},
        {"6 + 4 form a 3-digit group", Joined({Copies("12399", 4), Copies("12345", 6)}),
         {"** 3-digit 123", "12345", "12399"}},
        {"12001 goes to the first ADC row", Copies("12001", 3), {"** ADC ALBANY NY 120", "12001"}},
        {"a Canadian code is ignored", Joined({{"K1A 0B1"}, Copies("12001", 2)}), {"** ADC ALBANY NY 120", "12001"}},
        {"ZIP+4 counts under its first five digits", Joined({Copies("12345-6789", 5), Copies("12345", 5)}),
         {"** 5-digit 12345", "12345"}},
        {"no centre serves 001 or a short ZIP", {"00123", "7", "12001"},
         {"** ADC ALBANY NY 120", "12001", "** Unknown", "00123", "7"}},
        {"levels in order: 5-digit, 3-digit, ADC (table order), unknown",
         Joined({Copies("99999", 2), {"35004", "05601", "05001"}, Copies("60601", 3), Copies("60605", 7),
                 Copies("20001", 11), {"00199"}, Copies("12345", 12)}),
         {"** 5-digit 12345", "12345", "** 5-digit 20001", "20001", "** 3-digit 606", "60601", "60605",
          "** ADC BURMINGHAM AL 350", "35004", "** ADC SEATTLE WA 980", "99999", "** ADC WHITE RIVER JCT VT 050",
          "05601", "** ADC WHITE RVR JCT VT 050", "05001", "** Unknown", "00199"}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Presort(c.Zips).Lines, c.Lines) << c.Name;
}

TEST(TBulkMailPresortGroups, SummaryCountsGroupsAndPieces)
{
    const TPresortSummary summary =
        Presort(Joined({Copies("12345", 10), Copies("60601", 6), Copies("60699", 4), Copies("12001", 2), {"00123", "K1A", ""}}))
            .Summary;
    EXPECT_EQ(summary.FiveDigit, (TPresortLevel{1, 10}));
    EXPECT_EQ(summary.ThreeDigit, (TPresortLevel{1, 10}));
    EXPECT_EQ(summary.Adc, (TPresortLevel{1, 2}));
    EXPECT_EQ(summary.UnknownPieces, 1u);
    EXPECT_EQ(summary.NotPresortable, 2u);
    EXPECT_EQ(TBulkMailPresort::SummaryLines(summary),
              (QStringList{"5-digit: 1 groups, 10 pieces", "3-digit: 1 groups, 10 pieces", "ADC: 1 groups, 2 pieces",
                           "Unknown: 1 pieces", "Not presortable: 2 records"}));
}

class TBulkMailPresortRun : public ZipTestTable {};

TEST_F(TBulkMailPresortRun, WritesTheWholeListWithCrLfLinesInThePlaceOfTheOldOne)
{
    Create(Joined({Copies("12345", 10), {"-12001", "12001"}}));
    const QString path = TBulkMailPresort::ListPath();
    EXPECT_EQ(path, Home.path() + "/PRESORT.PSL");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
    }
    const auto summary = TBulkMailPresort::Run(*Table, TAdcTable::Load(), path);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->Adc, (TPresortLevel{1, 1})); // the deleted 12001 is not in the set
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("** 5-digit 12345\r\n12345\r\n** ADC ALBANY NY 120\r\n12001\r\n"));
    EXPECT_EQ(QDir(Home.path()).entryList(QDir::Files), QStringList{"PRESORT.PSL"}); // no temporary left
}

TEST_F(TBulkMailPresortRun, StoppedReadingWritesNothingAndUnwritableListThrows)
{
    Create(Copies("12345", 20));
    const QString path = TBulkMailPresort::ListPath();
    TZipTally::THooks stop;
    stop.AfterRecord = [] { return false; };
    EXPECT_FALSE(TBulkMailPresort::Run(*Table, TAdcTable::Load(), path, stop));
    EXPECT_FALSE(QFile::exists(path));

    EXPECT_THROW(TBulkMailPresort::Run(*Table, TAdcTable::Load(), Home.path() + "/no/such/folder/PRESORT.PSL"),
                 std::runtime_error);
}

} // namespace
