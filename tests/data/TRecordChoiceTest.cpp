#include "SmallAddressTable.h"

#include "data/TAddressFilter.h"
#include "data/TRecordChoice.h"

namespace {

using TPrintout = TRecordChoice::TPrintout;
using TRecords = TRecordChoice::TRecords;

class TRecordChoiceTest : public SmallAddressTable {
protected:
    TAddressFilter Filter;

    void SetUp() override
    {
        SmallAddressTable::SetUp();
        Filter.Values.Values[8] = "IL;IN"; // State: Smith, Blacksmith, Jones
        ASSERT_EQ(Filter.ApplyQuery(*Table), 3u);
        ASSERT_TRUE(Table->SetOrderTag("LNAME"));
    }
};

TEST_F(TRecordChoiceTest, ChoicesNarrowAndStartWhereTheDialogSays)
{
    struct TCase {
        TPrintout Printout;
        TRecords Records;
        bool FromCurrent;
        uint32_t Current;
        QStringList Printed;
    };
    const TCase cases[] = {
        {TPrintout::Labels, TRecords::MatchingFilter, false, 4, {"Blacksmith", "Jones", "Smith"}},
        {TPrintout::Labels, TRecords::MatchingFilter, true, 4, {"Jones", "Smith"}},
        {TPrintout::Labels, TRecords::All, false, 4, {"Blacksmith", "Jones", QString::fromUtf8("Müller"), "Smith", "Smithers"}},
        {TPrintout::Reports, TRecords::OnlyCurrent, false, 4, {"Jones"}},
        // Reports leave out the records marked deleted as well as those prefixed "DELETED".
        {TPrintout::Reports, TRecords::All, false, 4, {"Blacksmith", "Jones", QString::fromUtf8("Müller"), "Smith", "Smithers"}},
        {TPrintout::Letters, TRecords::All, true, 2, {"Smithers"}},
        // "Only current record" on the record marked deleted (6) prints nothing.
        {TPrintout::Labels, TRecords::OnlyCurrent, false, 6, {}},
        {TPrintout::Reports, TRecords::OnlyCurrent, false, 6, {}},
    };
    for (const auto& entry : cases) {
        const std::string conditionBefore = Table->Area().condition();
        Table->Table().go(entry.Current);
        {
            TRecordChoice choice(*Table, entry.Printout, entry.Records, entry.FromCurrent);
            EXPECT_FALSE(choice.SingleRecord());
            EXPECT_EQ(LastNamesFromHere(), entry.Printed) << static_cast<int>(entry.Printout);
        }
        EXPECT_EQ(Table->Area().condition(), conditionBefore);
        EXPECT_EQ(Table->Table().recordNumber(), entry.Current);
        EXPECT_EQ(Table->Area().order(), Table->Area().tagNumber("LNAME"));
    }
    EXPECT_TRUE(Prompts.Texts().isEmpty());
}

TEST_F(TRecordChoiceTest, StartOutsideTheSetSaysSoAndStartsAtTheFirstRecord)
{
    Table->Table().go(2); // Smithers, Missouri: not in the filter
    {
        TRecordChoice choice(*Table, TPrintout::Labels, TRecords::MatchingFilter, true);
        EXPECT_EQ(Prompts.Texts(), QStringList{"Current record is out of range. Starting with first record"});
        EXPECT_EQ(LastNamesFromHere(), (QStringList{"Blacksmith", "Jones", "Smith"}));
    }
    EXPECT_EQ(Table->Table().recordNumber(), 2u);
}

TEST_F(TRecordChoiceTest, EnvelopesPrintOnlyTheCurrentRecordWithTheSetUnchanged)
{
    EXPECT_EQ(TRecordChoice::DefaultRecords(TPrintout::Envelopes), TRecords::OnlyCurrent);
    EXPECT_EQ(TRecordChoice::DefaultRecords(TPrintout::Labels), TRecords::MatchingFilter);
    Table->Table().go(3);
    const std::string condition = Table->Area().condition();
    TRecordChoice choice(*Table, TPrintout::Envelopes, TRecords::OnlyCurrent, false);
    EXPECT_TRUE(choice.SingleRecord());
    EXPECT_EQ(Table->Table().recordNumber(), 3u);
    EXPECT_EQ(Table->Area().condition(), condition);
}

} // namespace
