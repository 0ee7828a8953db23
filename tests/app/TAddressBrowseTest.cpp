#include "BrowseTestTable.h"

#include "app/TAddressBrowseForm.h"
#include "app/TAddressBrowseModel.h"
#include "app/TBrowseFieldList.h"
#include "app/TBrowseRowMap.h"
#include "data/TAddressFilter.h"
#include "settings/TIniFile.h"

#include <QFile>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>
#include <random>

namespace {
const QString TaggedCondition = QStringLiteral("(UPPER(TAG)=\"T57LQA6\")");

QStringList Column(TAddressBrowseModel& model, int column)
{
    QStringList values;
    for (int row = 0; row < model.rowCount(); ++row)
        values << model.data(model.index(row, column)).toString();
    return values;
}

bool TaggedOnRow(TAddressBrowseModel& model, int row)
{
    return model.data(model.index(row, 0), Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
}
} // namespace

class AddressBrowse : public BrowseTestTable {
protected:
    void SetUp() override
    {
        BrowseTestTable::SetUp();
        Create({{"Young", "Ann", "IL", ""},
                {"Adams", "Bob", "IL*", ""},
                {"-Baker", "Cy", "IL", ""},
                {"Moore", "Di", "IN", ""},
                {"Clark", "Ed", "IL", ""}});
    }
};

TEST_F(AddressBrowse, RowsFollowTheSetAndOrderAndTaggingRereadsThem)
{
    Table->SetFilterText("(UPPER(STATE)=\"IL\")");
    TAddressBrowseModel model(*Table, {"Tagged", "LNAME", "FNAME"});
    GoTo("Clark");
    EXPECT_EQ(model.Reload(Table->Table().recordNumber()), 1);
    EXPECT_EQ(Column(model, 1), QStringList({"Adams", "Clark", "Young"})); // Baker deleted, Moore in IN
    EXPECT_EQ(Column(model, 2), QStringList({"Bob", "Ed", "Ann"}));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Last Name");
    EXPECT_TRUE(TaggedOnRow(model, 0));
    EXPECT_FALSE(TaggedOnRow(model, 2));
    EXPECT_FALSE(model.data(model.index(0, 0)).isValid()); // the check box alone shows Tagged
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);

    EXPECT_EQ(model.ToggleTag(2), 2);
    EXPECT_TRUE(TaggedOnRow(model, 2));
    EXPECT_TRUE(Table->Tagged());
    EXPECT_EQ(Table->FieldText("LNAME"), "Young");
}

TEST_F(AddressBrowse, UntaggingUnderATaggedFilterTakesTheRowOut)
{
    GoTo("Moore");
    Table->SetFieldText("TAG", TAddressTable::GlobalTagId());
    Table->SetFilterText(TaggedCondition);
    TAddressBrowseModel model(*Table, {"Tagged", "LNAME"});
    model.Reload(0);
    ASSERT_EQ(Column(model, 1), QStringList({"Adams", "Moore"}));
    EXPECT_EQ(model.ToggleTag(0), -1);
    EXPECT_EQ(Column(model, 1), QStringList({"Moore"}));
}

TEST_F(AddressBrowse, UntaggingTheLastMatchOfATaggedFilterAppliesTheFilterAgain)
{
    TAddressFilter filter;
    filter.Values.Tagged = true;
    ASSERT_EQ(filter.ApplyQuery(*Table), 1u); // Adams
    TAddressBrowseForm form(*Table, TBrowseFieldList::Load(TBrowseFieldList::FilePath()), nullptr, &filter);
    ASSERT_EQ(form.Model().rowCount(), 1);
    form.TagClick();
    EXPECT_FALSE(filter.IsSet()); // it matches nothing now, so it is dropped
    EXPECT_EQ(form.Model().rowCount(), 4); // every live record, not an empty grid
    EXPECT_EQ(form.SelectedRow(), 0);
    EXPECT_TRUE(Prompts.Texts().isEmpty());
}

TEST_F(AddressBrowse, TagOrderMovesTheToggledRecord)
{
    Table->SetOrderTag("TAG");
    TAddressBrowseModel model(*Table, {"Tagged", "LNAME"});
    model.Reload(0);
    const int last = model.rowCount() - 1;
    ASSERT_EQ(model.data(model.index(last, 1)).toString(), "Adams"); // the only tagged record sorts last
    const int young = static_cast<int>(Column(model, 1).indexOf("Young"));
    // Young (record 1) joins the tagged keys, before Adams (record 2); untagged Adams comes first.
    EXPECT_EQ(model.ToggleTag(young), last - 1);
    EXPECT_EQ(model.ToggleTag(last), 0);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), "Adams");
}

// Every row of a set large enough for many blocks, visited out of order, against a cursor walk.
TEST(BrowseRowMap, AgreesWithTheCursorOnEveryRowInEitherWalk)
{
    TTestProgramFolder home;
    TScriptedUserPrompts prompts;
    const QString path = TProgramFolder::DataFolder() + "MANY.DBF";
    ASSERT_TRUE(TAddressFiles::CreateAddressFile(path, TFieldLengths()));
    auto table = TAddressTable::Open(path);
    std::mt19937 random(7);
    for (int i = 0; i < 700; ++i) {
        table->Table().appendBlank();
        table->SetFieldText("LNAME", QString::number(random() % 500));
        table->SetDeletedMark(i % 7 == 0);
        table->SetFieldText("STATE", i % 3 ? "IL" : "IN");
    }
    table->Table().commit();
    table->SetOrderTag("LNAME");

    struct Case {
        const char* Condition;
        bool QuickWalk;
    };
    for (const Case& c : {Case{"UPPER(STATE)=\"IL\" .and. !ISDEL", true}, Case{"", false}}) {
        SCOPED_TRACE(c.Condition);
        table->Area().setCondition(c.Condition);
        std::vector<uint32_t> walked;
        auto& records = table->Table();
        for (records.goTop(); !records.eof(); records.skip())
            walked.push_back(records.recordNumber());
        TBrowseRowMap rows(table->Area());
        const uint32_t focus = walked[walked.size() / 2 + 3];
        EXPECT_EQ(rows.Rebuild(focus), static_cast<int>(walked.size() / 2 + 3));
        EXPECT_EQ(rows.QuickWalk(), c.QuickWalk);
        ASSERT_EQ(rows.RowCount(), static_cast<int>(walked.size()));
        std::vector<int> order(walked.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int>(i);
        std::shuffle(order.begin(), order.end(), random);
        for (int row : order)
            ASSERT_EQ(rows.RecordAt(row), walked[static_cast<size_t>(row)]) << "row " << row;
        EXPECT_EQ(rows.RecordAt(rows.RowCount()), 0u);
        EXPECT_EQ(rows.Rebuild(0), -1);
    }
}

TEST(BrowseFieldList, ArrangesByLinePositionAndKeepsHiddenFieldsInTheirSlots)
{
    const QStringList view = TBrowseFieldList::ViewOrder();
    ASSERT_EQ(view.first(), "Tagged");

    // Line positions: LNAME to 0, an unknown name passed over (its line still counts), fname to 2.
    const QStringList arranged = TBrowseFieldList::Arrange(view, {"LNAME", "NOSUCH", "fname", ""});
    EXPECT_EQ(arranged.mid(0, 4), QStringList({"LNAME", "Tagged", "FNAME", "FullName"}));
    EXPECT_EQ(arranged.size(), view.size());
    // A line beyond the last field puts the field last.
    QStringList longList(40, QString());
    longList.back() = "Tagged";
    EXPECT_EQ(TBrowseFieldList::Arrange(view, longList).last(), "Tagged");

    const QStringList shown = TBrowseFieldList::Shown(view);
    EXPECT_FALSE(shown.contains("MEMO"));
    EXPECT_EQ(shown.first(), "Tagged");
    EXPECT_EQ(shown.last(), "DisplayDate");
    QStringList moved = shown;
    moved.move(0, moved.size() - 1);
    const QStringList back = TBrowseFieldList::WithShownOrder(view, moved);
    EXPECT_EQ(back.indexOf("FullName"), view.indexOf("FullName"));
    EXPECT_EQ(back.indexOf("MEMO"), view.indexOf("MEMO"));
    EXPECT_EQ(TBrowseFieldList::Shown(back), moved);
}

TEST_F(AddressBrowse, TheWindowWritesItsColumnOrderAndLeavesTheTableOnTheSelectedRow)
{
    const QString path = TBrowseFieldList::FilePath();
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("LNAME\r\nFNAME\r\n"); // as an older release wrote it
    }
    GoTo("Clark");
    TAddressBrowseForm form(*Table, TBrowseFieldList::Load(path));
    auto& model = form.Model();
    ASSERT_EQ(model.Fields().mid(0, 3), QStringList({"LNAME", "FNAME", "Tagged"}));
    EXPECT_EQ(model.data(model.index(form.SelectedRow(), 0)).toString(), "Clark"); // opens on the current record
    SaveScreenshot(&form, "address_browse");

    form.FirstClick();
    form.PriorClick(); // beeps, stays
    EXPECT_EQ(form.SelectedRow(), 0);
    form.LastClick();
    form.NextClick();
    EXPECT_EQ(form.SelectedRow(), model.rowCount() - 1);
    form.PriorClick();
    form.TagClick(); // Moore
    form.Grid->horizontalHeader()->moveSection(1, 0); // FNAME before LNAME
    const QString selected = model.data(model.index(form.SelectedRow(), 0)).toString();
    form.show();
    form.done(QDialog::Accepted);
    EXPECT_NE(TIniFile(TProgramFolder::SettingsFile()).ReadInteger("TAddressBrowseForm_Placement", "Bottom", 0), 0);
    EXPECT_EQ(selected, "Moore");
    EXPECT_EQ(Table->FieldText("LNAME"), "Moore");
    EXPECT_TRUE(Table->Tagged());

    ASSERT_TRUE(TBrowseFieldList::Save(path, form.FieldOrder()));
    const QStringList reread = TBrowseFieldList::Load(path);
    EXPECT_EQ(reread, form.FieldOrder());
    EXPECT_EQ(reread.mid(0, 3), QStringList({"FNAME", "LNAME", "Tagged"}));
}

TEST(AddressBrowseForm, DesignSizeScalesAbove96PixelsPerInch)
{
    EXPECT_EQ(TAddressBrowseForm::ScaledDesignSize(96), QSize(780, 440));
    EXPECT_EQ(TAddressBrowseForm::ScaledDesignSize(120), QSize(926, 522)); // 780 x 1.1875 = 926.25
}
