#include "AppTestSupport.h"
#include "data/SmallAddressTable.h"

#include "app/TRebuildIndexesForm.h"
#include "app/TRebuildSystemIndexesForm.h"
#include "app/TRunningProgress.h"

#include <QFileInfo>
#include <QProgressBar>
#include <gtest/gtest.h>

#include <vector>

TEST(TRunningProgress, AddsEveryRiseAndNeverGoesBackOrPastTheEnd)
{
    struct TCase {
        int Steps;
        std::vector<int> Reports;
        std::vector<int> Shown;
    };
    const TCase cases[] = {
        // two steps: the drop to 0 starts the second, which then counts from there
        {2, {0, 50, 100, 0, 50, 100}, {0, 25, 50, 50, 75, 100}},
        // a step that starts above zero counts what it reports first
        {2, {100, 40, 100}, {50, 70, 100}},
        // more reports than steps announced: the bar stops at 100
        {1, {100, 0, 100, 0, 100}, {100, 100, 100, 100, 100}},
        // out-of-range reports are held to 0..100
        {2, {-5, 250, 20}, {0, 50, 60}},
    };
    for (const TCase& entry : cases) {
        TRunningProgress progress(entry.Steps);
        std::vector<int> shown;
        for (int percent : entry.Reports)
            shown.push_back(progress.Report(percent));
        EXPECT_EQ(shown, entry.Shown) << entry.Steps << " steps";
    }
}

TEST(TRunningProgress, AHeavyFirstStepTakesItsShareOfTheBar)
{
    const struct {
        int Steps;
        int FirstWeight;
        std::vector<int> Reports;
        std::vector<int> Shown;
    } cases[] = {
        // a first step worth three of the two others: 60 % of the bar
        {3, 3, {0, 50, 100, 0, 100, 0, 100}, {0, 30, 60, 60, 80, 80, 100}},
        // the address rebuild: the pack (worth nine tags) fills a quarter of the bar, not 4 %
        {27, 9, {0, 100}, {0, 26}},
    };
    for (const auto& entry : cases) {
        TRunningProgress progress(entry.Steps, entry.FirstWeight);
        std::vector<int> shown;
        for (int percent : entry.Reports)
            shown.push_back(progress.Report(percent));
        EXPECT_EQ(shown, entry.Shown) << entry.Steps << " steps";
    }
}

TEST(TRunningProgress, TheAddressRebuildEndsAtExactlyOneHundred)
{
    // The pack and 26 tags, each reporting 0, 50, 100 as the engine does after the first tag.
    TRunningProgress progress(27, 9);
    int last = 0;
    for (int step = 0; step < 27; ++step) {
        for (int percent : {0, 50, 100}) {
            const int shown = progress.Report(percent);
            ASSERT_GE(shown, last);
            last = shown;
        }
        if (step < 26) {
            ASSERT_LT(last, 100) << "full before the last tag, after step " << step;
        }
    }
    EXPECT_EQ(last, 100);
}

class TRebuildIndexesFormTest : public SmallAddressTable {
protected:
    void SetUp() override
    {
        TestApplication();
        SmallAddressTable::SetUp();
    }
};

TEST_F(TRebuildIndexesFormTest, ReindexPacksAndRebuildsATableWhoseIndexWasDeleted)
{
    for (uint32_t recno : {1u, 3u}) { // Smith and Blacksmith flagged deleted
        Table->Table().go(recno);
        Table->Table().setDeleted(true);
    }
    Table->Table().commit();
    Table->Area().deleteIndex();
    ASSERT_FALSE(Table->CheckValidIndex());
    const qint64 sizeBefore = QFileInfo(Table->Path()).size();

    TRebuildIndexesForm form(nullptr, *Table);
    EXPECT_EQ(form.windowTitle(), "Rebuild indexes for ADD0001.DBF");
    SaveScreenshot(&form, "rebuild_indexes");
    std::vector<int> shown;
    bool rejected = false;
    QObject::connect(&form, &QDialog::rejected, [&] { rejected = true; });
    QObject::connect(form.ProgressBar, &QProgressBar::valueChanged, [&](int value) {
        shown.push_back(value);
        form.reject(); // Escape half way: the work must finish first
        if (value >= 50 && shown.size() > 1 && shown.end()[-2] < 50)
            SaveScreenshot(&form, "rebuild_indexes_running");
    });
    form.Reindex();
    EXPECT_FALSE(rejected);

    EXPECT_TRUE(Table->CheckValidIndex());
    EXPECT_EQ(Table->Table().recordCount(), 4u);
    EXPECT_LT(QFileInfo(Table->Path()).size(), sizeBefore);
    ASSERT_FALSE(shown.empty());
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_EQ(shown.back(), 100);
    EXPECT_EQ(form.result(), QDialog::Accepted);

    // The ISDEL record without the delete flag stays, and the tags find the others.
    Table->SetFilterText(QString());
    ASSERT_TRUE(Table->SetOrderTag("LNAME"));
    Table->Table().goTop();
    EXPECT_EQ(LastNamesFromHere(), (QStringList{"Jones", QString::fromUtf8("Müller"), "Smithers"}));
    Table->Area().setCondition("ISDEL");
    Table->Table().goTop();
    EXPECT_EQ(LastNamesFromHere(), QStringList{"Smith"});
    EXPECT_TRUE(Prompts.Texts().isEmpty());
}

TEST_F(TRebuildIndexesFormTest, SystemReindexRebuildsTheTablesThatAreThere)
{
    QDir().mkpath(TProgramFolder::SysdataFolder());
    {
        auto letters = TAddressFiles::OpenSystemTable(TSystemTable::stLetter);
        ASSERT_NE(letters, nullptr);
        letters->deleteIndex();
    }
    TRebuildSystemIndexesForm form;
    SaveScreenshot(&form, "rebuild_system_indexes");
    form.Reindex(); // the tables the folder lacks are passed over

    auto letters = xbase::WorkArea::open(xbase::FileSystem::native(),
                                         TAddressFiles::SystemTablePath(TSystemTable::stLetter).toStdString());
    ASSERT_NE(letters->index(), nullptr);
    EXPECT_NE(letters->tagNumber(TAddressSchema::SystemTableDef(TSystemTable::stLetter).Tag.Name), 0u);
    EXPECT_TRUE(Prompts.Texts().isEmpty());
}
