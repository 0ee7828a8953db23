// The tool windows driven offscreen with scripted prompts: their questions and messages, the
// result grids (delete, tag all), a confirmed cancel mid-run, and what they leave behind.
#include "ToolsTestTable.h"

#include "data/TAddressSchema.h"
#include "tools/TConvertToUpper.h"
#include "tools/TCopyOut.h"
#include "tools/TDupCheck.h"
#include "tools/TSearchAndReplace.h"
#include "tools/TStateZipCheck.h"
#include "tools/TStateZipChecker.h"
#include "tools/TToolGridModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace {

class ToolWindowsTest : public ToolsTestTable {
protected:
    void SetUp() override
    {
        ToolsTestTable::SetUp();
        Create({{{"LNAME", "Smith"}, {"FNAME", "John"}, {"STATE", "NY"}, {"ZIP", "10001"}, {"CITY", "ithaca"}},
                {{"LNAME", "smith"}, {"FNAME", "JOHN"}, {"STATE", "NY"}, {"ZIP", "99999"}, {"CITY", "troy"}},
                {{"LNAME", "Smith"}, {"FNAME", "John"}, {"STATE", "ZZ"}, {"ZIP", "10001"}, {"CITY", "utica"}},
                {{"LNAME", "Lee"}, {"FNAME", "Ann"}, {"STATE", "NY"}, {"ZIP", "12000"}, {"CITY", "rome"}}});
    }
};

TEST_F(ToolWindowsTest, DupCheckListsDeletesAndTagsThenCleansUp)
{
    {
        TDupCheck form(*Table);
        form.PerformClick();
        EXPECT_EQ(form.Count(), 2u);
        EXPECT_EQ(form.CountLabel->text(), "Found 2 possible duplicates");
        EXPECT_EQ(Prompts.Texts().last(),
                  "Found 2 POSSIBLE duplicates. The records shown\rwere matched BASED ON THE CRITERIA YOU SPECIFIED.\r\r"
                  "NOTE: There is no way for the program to TELL the \"original\" from the\rthe \"duplicate\". Please visually "
                  "verify duplicate records\rbefore taking any action.");
        ASSERT_EQ(form.Grid()->RowCount(), 3);
        EXPECT_TRUE(QFileInfo::exists(TDupFinder::ResultPath()));

        form.ResultGrid->setCurrentIndex(form.Grid()->index(1, 1));
        Prompts.Answer(true);
        form.DeleteClick();
        EXPECT_EQ(form.Grid()->RowCount(), 2);
        EXPECT_EQ(Prompts.Asked().back().Text, "Delete this record?");

        Prompts.Answer(true);
        form.TagAllClick();
        EXPECT_EQ(Prompts.Asked().back().Caption, "TAG ALL");
        EXPECT_EQ(Prompts.Asked().back().Text, "Tag all possible duplicates?");
        form.OkClick();
    }
    EXPECT_FALSE(QFileInfo::exists(TDupFinder::ResultPath()));
    EXPECT_EQ(Table->Area().tagName(Table->Area().order()), "LNAME");
    EXPECT_EQ(Column("TAG"), QStringList({"", "T57LQA6", "T57LQA6"})) << "Lee, then the two Smiths left";
    Table->Table().setFlaggedHidden(false);
    Table->Table().go(2);
    EXPECT_TRUE(Table->Table().isFlaggedDeleted());
    EXPECT_TRUE(Table->IsDeletedMark());
}

TEST_F(ToolWindowsTest, DupCheckCancelledMidRunShowsWhatWasFound)
{
    TDupCheck form(*Table);
    form.Pump.AfterRecord = [&](const TToolStep& step) {
        if (step.Done == 6) { // the keys read, two compared
            Prompts.Answer(true);
            form.CancelClick();
        }
    };
    form.PerformClick();
    EXPECT_EQ(Prompts.Asked()[0].Text, "Cancel operation?");
    EXPECT_EQ(form.Count(), 0u) << "Lee and the first Smith";
}

TEST_F(ToolWindowsTest, StateZipCheckRefusesWithoutItsTableAndEditsIt)
{
    TStateZipCheck::Execute(nullptr, *Table);
    EXPECT_EQ(Prompts.Texts(), QStringList({"The file CSZ.DBF has been removed from the SYSDATA directory. Unable to continue."}));

    const QString csz = TAddressFiles::SystemTablePath(TSystemTable::stCsz);
    TAddressFiles::CreateSystemTableFile(TAddressSchema::SystemTableDef(TSystemTable::stCsz), csz);
    TStateZipCheck form(*Table);
    form.EditStatesClick();
    ASSERT_NE(form.StateGrid(), nullptr);
    EXPECT_EQ(form.EditStatesButton->text(), "Stop Editing");
    form.StateAddButton->click();
    form.StateGrid()->setData(form.StateGrid()->index(0, 1), "NY", Qt::EditRole);
    form.StateGrid()->setData(form.StateGrid()->index(0, 2), "10000", Qt::EditRole);
    form.StateGrid()->setData(form.StateGrid()->index(0, 3), "14999", Qt::EditRole);
    form.EditStatesClick(); // "Stop Editing" saves the row
    EXPECT_EQ(form.EditStatesButton->text(), "Edit State/Province File");

    form.PerformClick();
    EXPECT_EQ(form.Count(), 2u) << "ZIP 99999 above NY's range, and the unknown ZZ";
    EXPECT_EQ(form.CountLabel->text(), "Found 2 records with questionable state or zipcodes");
    ASSERT_EQ(form.Grid()->RowCount(), 2);
    // Read at a glance: State and ZIP right after the name, columns no wider than their content
    // needs, and the whole grid shown on a 1366-pixel screen.
    const QHeaderView* header = form.ResultGrid->horizontalHeader();
    EXPECT_EQ(header->visualIndex(form.Grid()->ColumnOf("STATE")), 3);
    EXPECT_EQ(header->visualIndex(form.Grid()->ColumnOf("ZIP")), 4);
    int throughZip = 0;
    for (int place = 0; place <= 4; ++place)
        throughZip += header->sectionSize(header->logicalIndex(place));
    EXPECT_LT(throughZip, 1366 / 2);
    EXPECT_LE(header->sectionSize(form.Grid()->ColumnOf("STATE")), 80);
    Prompts.Answer(true);
    form.TagAllClick();
    EXPECT_EQ(Prompts.Asked().back().Text, "Tag all records with questionable state or zipcodes?");
    // Tagged reads as a check mark, not a word.
    const QModelIndex tagged = form.Grid()->index(0, form.Grid()->ColumnOf("Tagged"));
    EXPECT_EQ(form.Grid()->data(tagged, Qt::CheckStateRole).toInt(), int(Qt::Checked));
    EXPECT_FALSE(form.Grid()->data(tagged, Qt::DisplayRole).isValid());
    form.CloseClick();
    EXPECT_FALSE(QFileInfo::exists(TStateZipChecker::ResultPath(*Table)));
    EXPECT_EQ(Column("TAG"), QStringList({"", "", "T57LQA6", "T57LQA6"})) << "Lee, Smith, smith (99999), Smith (ZZ)";
}

TEST_F(ToolWindowsTest, ConvertCaseAsksFirstAndNeedsAField)
{
    TConvertToUpper form(*Table, false);
    EXPECT_FALSE(form.FilterRadio->isEnabled());
    form.AllFieldsCheck->setChecked(false);
    form.ConvertClick();
    EXPECT_EQ(Prompts.Texts(), QStringList({"No fields checked for conversion"}));
    form.FieldChecks[7]->setChecked(true); // City
    form.AllRadio->setChecked(true);
    form.CapitalizedRadio->setChecked(true);
    form.ConvertClick(); // unanswered: No
    EXPECT_EQ(Prompts.Asked().back().Caption, "Convert");
    EXPECT_EQ(Prompts.Asked().back().Default, TQuestionDefault::qdNo);
    EXPECT_EQ(Column("CITY"), QStringList({"rome", "ithaca", "troy", "utica"}));
    Prompts.Answer(true);
    form.ConvertClick();
    EXPECT_EQ(Column("CITY"), QStringList({"Rome", "Ithaca", "Troy", "Utica"}));
}

TEST_F(ToolWindowsTest, CopyOutChecksTheNameThenCopies)
{
    TCopyOut form(*Table);
    Prompts.Answer(QString()); // the dialog cancelled
    form.SaveAsClick();
    EXPECT_EQ(form.FileNameLabel->text(), "(none)");
    Prompts.Answer(Home.filePath("list.txt"));
    form.SaveAsClick();
    EXPECT_EQ(Prompts.Texts().last(), "Must have a .DBF extension");
    form.TextRadio->setChecked(true);
    Prompts.Answer(Home.filePath("list")); // the default extension is added
    form.SaveAsClick();
    EXPECT_EQ(form.Copied(), 4u);
    EXPECT_TRUE(QFileInfo::exists(Home.filePath("list.TXT")));

    Table->SetFilterText("LNAME=\"Nobody\"");
    TCopyOut::Execute(nullptr, *Table);
    EXPECT_EQ(Prompts.Texts().last(), "No active records for current filter. Nothing to copy");
}

TEST_F(ToolWindowsTest, SearchAndReplaceConfirmsAndReports)
{
    TSearchAndReplace form(*Table, "STATE=\"NY\"");
    EXPECT_TRUE(form.FilterRecordsRadio->isEnabled());
    form.FieldCombo->setCurrentIndex(form.FieldCombo->findText("City"));
    EXPECT_EQ(form.SearchEdit->maxLength(), 30);
    form.ContainsRadio->setChecked(true);
    form.SearchEdit->setText("CA");
    form.CaseSensitiveCheck->setChecked(false);
    form.MatchingTextRadio->setChecked(true);
    form.ReplaceEdit->setText("KA");
    form.FilterRecordsRadio->setChecked(true);
    Prompts.Answer(true);
    form.ReplaceClick();
    EXPECT_EQ(Prompts.Asked()[0].Caption, "Replace");
    EXPECT_EQ(Prompts.Asked()[0].Text, "Find records where field City\rcontains: \"CA\" (not case sensitive)\r"
                                       "and replace only the matching text with \"KA\"");
    EXPECT_EQ(Prompts.Texts().last(), "Replacement done");
    EXPECT_EQ(form.StatusLabel->text(), "Replaced 1 record");
    EXPECT_EQ(Column("CITY"), QStringList({"rome", "ithaKA", "troy", "utica"})) << "utica is in ZZ";
}

} // namespace
