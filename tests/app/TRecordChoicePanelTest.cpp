#include "AppTestSupport.h"
#include "data/SmallAddressTable.h"

#include "output/TRecordChoicePanel.h"

#include <QCheckBox>
#include <QRadioButton>
#include <gtest/gtest.h>

using TPrintout = TRecordChoice::TPrintout;
using TRecords = TRecordChoice::TRecords;

TEST(TRecordChoicePanel, PreselectionAndTheFilterChoiceFollowThePrintoutKind)
{
    TestApplication();
    struct TCase {
        TPrintout Printout;
        bool FilterSet;
        TRecords Selected;
        bool FilterChoiceEnabled;
    };
    const TCase cases[] = {
        {TPrintout::Labels, true, TRecords::MatchingFilter, true},
        {TPrintout::Labels, false, TRecords::All, false},
        {TPrintout::Reports, true, TRecords::MatchingFilter, true},
        {TPrintout::Reports, false, TRecords::All, false},
        {TPrintout::Letters, true, TRecords::OnlyCurrent, true},
        {TPrintout::Letters, false, TRecords::OnlyCurrent, false},
        {TPrintout::Envelopes, true, TRecords::OnlyCurrent, true},
        {TPrintout::Envelopes, false, TRecords::OnlyCurrent, true},
    };
    for (const TCase& entry : cases) {
        TRecordChoicePanel panel(entry.Printout, entry.FilterSet);
        EXPECT_EQ(panel.Records(), entry.Selected) << int(entry.Printout) << entry.FilterSet;
        EXPECT_EQ(panel.MatchingFilterButton->isEnabled(), entry.FilterChoiceEnabled)
            << int(entry.Printout) << entry.FilterSet;
        EXPECT_FALSE(panel.StartFromCurrent());
    }
}

TEST(TRecordChoicePanel, StartFromCurrentHasNoSayWhenEnvelopesAndLettersPrintOneRecord)
{
    TestApplication();
    for (TPrintout printout : {TPrintout::Labels, TPrintout::Envelopes, TPrintout::Letters, TPrintout::Reports}) {
        TRecordChoicePanel panel(printout, true);
        int clicks = 0;
        QObject::connect(&panel, &TRecordChoicePanel::ChoiceClicked, [&] { ++clicks; });
        panel.AllRecordsButton->click();
        panel.StartFromCurrentCheck->click();
        panel.OnlyCurrentButton->click();
        const bool singleRecord = printout == TPrintout::Envelopes || printout == TPrintout::Letters;
        EXPECT_EQ(panel.StartFromCurrent(), !singleRecord) << int(printout);
        panel.AllRecordsButton->click();
        EXPECT_TRUE(panel.StartFromCurrent()) << int(printout);
        EXPECT_EQ(clicks, 4);
    }
}

class TRecordChoicePanelTable : public SmallAddressTable {
protected:
    void SetUp() override
    {
        TestApplication();
        SmallAddressTable::SetUp();
    }
};

TEST_F(TRecordChoicePanelTable, MakeChoiceNarrowsAndPositionsTheTableUntilItIsDropped)
{
    ASSERT_TRUE(Table->SetOrderTag("LNAME"));
    Table->Table().go(4); // Jones
    TRecordChoicePanel panel(TPrintout::Labels, false);
    SaveScreenshot(&panel, "record_choice");
    panel.StartFromCurrentCheck->click();
    {
        auto choice = panel.MakeChoice(*Table);
        EXPECT_EQ(LastNamesFromHere(), (QStringList{"Jones", QString::fromUtf8("Müller"), "Smith", "Smithers"}));
    }
    EXPECT_EQ(Table->Table().recordNumber(), 4u);

    panel.OnlyCurrentButton->click();
    {
        auto choice = panel.MakeChoice(*Table);
        EXPECT_EQ(LastNamesFromHere(), QStringList{"Jones"});
    }
    EXPECT_EQ(Table->Area().condition(), TAddressTable::RecordSetCondition);
    EXPECT_TRUE(Prompts.Texts().isEmpty());
}
