#include "AppTestSupport.h"

#include "app/TDeleteRecordsForm.h"
#include "data/SmallAddressTable.h"
#include "data/TAddressFilter.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
class TDeleteRecordsFormTest : public SmallAddressTable {
protected:
    void SetUp() override
    {
        TestApplication();
        SmallAddressTable::SetUp();
    }

    void SetFilter(int entry, const char* value)
    {
        Filter.Values.Values[static_cast<size_t>(entry)] = QLatin1String(value);
        ASSERT_NE(Filter.ApplyQuery(*Table), 0u);
    }

    // Runs Execute, letting `drive` work the dialog once it is on screen.
    bool ExecuteWith(const std::function<void(TDeleteRecordsForm&)>& drive)
    {
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<TDeleteRecordsForm*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            drive(*form);
            if (form->isVisible())
                form->reject();
        });
        return TDeleteRecordsForm::Execute(nullptr, *Table, Filter);
    }

    // Record numbers carrying both the delete flag and ISDEL.
    std::vector<uint32_t> MarkedRecords()
    {
        std::vector<uint32_t> marked;
        Table->Table().setFlaggedHidden(false);
        for (uint32_t recno = 1; recno <= Table->Table().recordCount(); ++recno) {
            Table->Table().go(recno);
            const bool flagged = Table->Table().record()[0] == '*';
            if (flagged && Table->IsDeletedMark())
                marked.push_back(recno);
        }
        Table->Table().setFlaggedHidden(true);
        return marked;
    }

    TAddressFilter Filter;
};
} // namespace

TEST_F(TDeleteRecordsFormTest, DeleteAllEmptiesTheTableReportsTheFormerCountAndDropsTheFilter)
{
    SetFilter(0, "smi");
    Prompts.Answer(false); // first "Are you sure?": No, the dialog stays
    Prompts.Answer(true);
    const bool deleted = ExecuteWith([&](TDeleteRecordsForm& form) {
        EXPECT_TRUE(form.DeleteAllRadio->isChecked());
        EXPECT_TRUE(form.DeleteMatchingRadio->isEnabled());
        form.DeleteNowButton->click();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(Table->Table().recordCount(), 6u);
        form.DeleteNowButton->click();
    });
    EXPECT_TRUE(deleted);
    EXPECT_EQ(Table->Table().recordCount(), 0u);
    EXPECT_EQ(Table->Count(), 0u);
    EXPECT_FALSE(Filter.IsSet());
    EXPECT_EQ(Prompts.Texts(), QStringList({"Are you sure?", "Are you sure?", "Deleted 5 records",
                                            "For optimum space usage, please select\n[Rebuild Indexes] from the File menu"}));
    EXPECT_EQ(Prompts.Asked()[0].Caption, "DELETE");
}

TEST_F(TDeleteRecordsFormTest, DeletingTheFilteredSetMarksOnlyItsRecords)
{
    SetFilter(8, "IL"); // Smith and Blacksmith; the ISDEL Smith is not in the set
    Prompts.Answer(true);
    const bool deleted = ExecuteWith([&](TDeleteRecordsForm& form) {
        form.DeleteMatchingRadio->setChecked(true);
        form.DeleteNowButton->click();
    });
    EXPECT_TRUE(deleted);
    EXPECT_TRUE(Prompts.Texts().contains("Deleted 2 records"));
    EXPECT_FALSE(Filter.IsSet()); // nothing matches it any more
    EXPECT_EQ(Table->Table().recordCount(), 6u);
    EXPECT_EQ(MarkedRecords(), (std::vector<uint32_t>{1, 3}));
    Table->Table().goTop();
    EXPECT_EQ(LastNamesFromHere(), QStringList({"Smithers", "Jones", "Müller"}));
}

TEST_F(TDeleteRecordsFormTest, StoppingPartWayKeepsTheRestAndWithoutAFilterOnlyAllIsOffered)
{
    TDeleteRecordsForm unfiltered(*Table, Filter);
    EXPECT_FALSE(unfiltered.DeleteMatchingRadio->isEnabled());

    SetFilter(6, ">=6"); // ZIPs 62701, 65801, 60601
    TDeleteRecordsForm form(*Table, Filter);
    SaveScreenshot(&form, "delete_records");
    form.DeleteMatchingRadio->setChecked(true);
    form.AfterRecord = [&](uint32_t deleted) {
        if (deleted == 1)
            form.CancelClick();
    };
    Prompts.Answer(true);
    form.DeleteNowClick();
    EXPECT_EQ(form.DeletedCount(), 1u);
    EXPECT_TRUE(Prompts.Texts().contains("Deleted 1 record"));
    EXPECT_EQ(MarkedRecords(), (std::vector<uint32_t>{1}));
}
