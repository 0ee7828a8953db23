// The import dialogs and match windows driven offscreen with scripted prompts: what they show
// of a real sample (accents, semicolons), the live format controls, the match menu, and an
// import run from the dialog. With QUORVANE_SCREENSHOT_DIR set they leave pictures behind.
#include "ImportTestSupport.h"

#include "app/AppTestSupport.h"
#include "import/TAsciiImportForm.h"
#include "import/TAsciiMatch.h"
#include "import/TDbfImportForm.h"
#include "import/TDbfMatch.h"
#include "import/TReleaseImportForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

namespace {

class ImportForms : public ImportTest {
protected:
    void SetUp() override
    {
        TestApplication();
        ImportTest::SetUp();
        Table = OpenTable();
    }
    void TearDown() override { Table.reset(); }
    std::unique_ptr<TAddressTable> Table;
};

TEST_F(ImportForms, AsciiImportShowsTheSampleAndImportsWhatWasMatched)
{
    const QString path = WriteFile("kunden.csv", QStringLiteral(
        "Nachname;Vorname;Stra\u00dfe;PLZ;Ort\r\n"
        "M\u00fcller;J\u00fcrgen;Hauptstra\u00dfe 5;10115;Berlin\r\n"
        "Ga\u00ebl;Ren\u00e9e;\"Rue de l'\u00c9glise; B\u00e2t. 2\";75004;Paris\r\n"
        "\u00d8stergaard;S\u00f8ren;Vesterbro 3;1620;K\u00f8benhavn\r\n").toUtf8());
    TAsciiImportForm form(nullptr, *Table);
    EXPECT_EQ(form.FileNameLabel->text(), "(none)");
    EXPECT_FALSE(form.MatchButton->isEnabled());
    Prompts.Answer(path);
    form.SelectAsciiFileClick();
    EXPECT_EQ(Prompts.Asked().back().Caption, "Select ASCII File");
    EXPECT_EQ(form.DelimiterCombo->currentText(), "Semicolon");
    EXPECT_EQ(form.EncodingCombo->currentText(), "UTF-8");
    EXPECT_TRUE(form.HeaderCheck->isChecked()); // the PLZ column holds digits below a name
    EXPECT_EQ(form.PreviewGrid->columnCount(), 5);
    EXPECT_EQ(form.PreviewGrid->item(1, 2)->text(), "Rue de l'\u00c9glise; B\u00e2t. 2");
    EXPECT_TRUE(form.MatchButton->isEnabled());
    EXPECT_FALSE(form.ImportButton->isEnabled()); // German names match no address field
    SaveScreenshot(&form, "ascii-import");

    // The preview follows the controls: read as commas, each line is one column.
    form.DelimiterCombo->setCurrentIndex(0);
    EXPECT_EQ(form.PreviewGrid->columnCount(), 1);
    form.DelimiterCombo->setCurrentIndex(1);

    form.ShowMatchWindow = [&](QDialog& dialog) {
        auto& window = static_cast<TAsciiMatch&>(dialog);
        EXPECT_EQ(window.windowTitle(), "ASCII File Import Match Fields");
        EXPECT_EQ(window.SampleGrid->rowCount(), 3);
        EXPECT_EQ(window.SampleGrid->horizontalHeaderItem(3)->text(), "PLZ");
        EXPECT_EQ(window.FieldMatchGrid->horizontalHeaderItem(1)->text(), "Import from Field (in kunden.csv)");
        window.FieldMatchGrid->setCurrentCell(window.Match().RowOfField("City"), 1);
        window.ChooseSource(0);
        window.FieldMatchGrid->setCurrentCell(window.Match().RowOfField("Last Name"), 1);
        QMenu* menu = window.FieldMenu();
        EXPECT_EQ(menu->actions().size(), 6); // (none) and five columns
        menu->actions()[1]->trigger();        // Nachname moves from City to Last Name
        window.FieldMatchGrid->setCurrentCell(window.Match().RowOfField("City"), 1);
        window.ChooseSource(4);
        window.FieldMatchGrid->setCurrentCell(window.Match().RowOfField("Zip/Postal Code"), 1);
        window.ChooseSource(3);
        EXPECT_EQ(window.FieldMatchGrid->item(window.Match().RowOfField("Last Name"), 1)->text(), "Nachname");
        SaveScreenshot(&window, "ascii-match");
        return true;
    };
    form.MatchFieldsClick();
    ASSERT_TRUE(form.ImportButton->isEnabled());
    form.ImportClick();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(Prompts.Texts().back(), "Import complete. Imported 3 records.");
    Table.reset();
    EXPECT_EQ(Rows({"LNAME", "CITY", "ZIP"}),
              (QStringList{"M\u00fcller|Berlin|10115", "Ga\u00ebl|Paris|75004", "\u00d8stergaard|K\u00f8benhavn|1620"}));
}

TEST_F(ImportForms, CancelStopsTheImportAfterTheCurrentRecordButNotTheRebuild)
{
    QByteArray text = "LNAME\n";
    for (int i = 0; i < 5000; ++i)
        text += "Name" + QByteArray::number(i) + "\n";
    TAsciiImportForm form(nullptr, *Table);
    ASSERT_TRUE(form.LoadFile(WriteFile("many.csv", text)));
    ASSERT_TRUE(form.ImportButton->isEnabled());
    // The click arrives with the first events the import lets through, while it counts.
    QTimer::singleShot(0, form.CancelButton, &QPushButton::click);
    form.ImportClick();
    EXPECT_EQ(form.Result().End, TImportEnd::ieCancelled);
    EXPECT_EQ(Prompts.Texts().back(), "Import cancelled after importing 1 record.");
    EXPECT_TRUE(form.Result().TagsBuilt);
    EXPECT_FALSE(form.CancelButton->isVisibleTo(&form)); // hidden for the rebuild
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(ImportForms, AsciiImportRefusesAnEmptyFile)
{
    TAsciiImportForm form(nullptr, *Table);
    EXPECT_FALSE(form.LoadFile(WriteFile("empty.txt", "")));
    EXPECT_EQ(Prompts.Texts().back(), "Unable to import from this file");
    EXPECT_FALSE(form.MatchButton->isEnabled());
    EXPECT_FALSE(form.ImportButton->isEnabled());
}

TEST_F(ImportForms, DbfImportMatchesAutomaticallyTheFirstTime)
{
    const QString path = MakeDbf("KUNDEN.DBF", {{"LNAME", 'C', 20}, {"CITY", 'C', 20}, {"FIRMA", 'C', 30}, {"MEMO", 'M'}}, 2,
                                 [](xbase::DbfTable& t, int i) {
                                     t.setText(0, i == 0 ? "M\xFCller" : "Ga\xEBl");
                                     t.setText(1, i == 0 ? "K\xF6ln" : "Paris");
                                     t.setText(2, "Caf\xE9 \"Zur Post\"; GmbH");
                                     t.setMemo(3, "Notiz");
                                 });
    TDbfImportForm form(nullptr, *Table);
    ASSERT_TRUE(form.LoadSource(path));
    EXPECT_TRUE(form.MatchButton->isEnabled());
    EXPECT_FALSE(form.ImportButton->isEnabled());
    SaveScreenshot(&form, "dbf-import");
    form.ShowMatchWindow = [&](QDialog& dialog) {
        auto& window = static_cast<TDbfMatch&>(dialog);
        EXPECT_EQ(window.windowTitle(), "DBF File Import Match Fields");
        EXPECT_EQ(window.BrowserGrid->model()->rowCount(), 2);
        EXPECT_EQ(window.BrowserGrid->model()->index(0, 0).data().toString(), "M\u00fcller");
        EXPECT_EQ(window.FieldMatchGrid->item(window.Match().RowOfField("MEMO"), 1)->text(), "MEMO");
        window.FieldMatchGrid->setCurrentCell(window.Match().RowOfField("Organization"), 1);
        EXPECT_EQ(window.FieldMenu()->actions().size(), 4); // (none), LNAME, CITY, FIRMA: not the memo
        window.ChooseSource(2);
        SaveScreenshot(&window, "dbf-match");
        return true;
    };
    form.MatchFieldsClick();
    ASSERT_TRUE(form.ImportButton->isEnabled());
    form.ImportClick();
    EXPECT_EQ(Prompts.Texts().back(), "Import complete. Imported 2 records.");
    Table.reset();
    EXPECT_EQ(Rows({"LNAME", "CITY", "ORG", "MEMO"}),
              (QStringList{"M\u00fcller|K\u00f6ln|Caf\u00e9 \"Zur Post\"; GmbH|Notiz", "Ga\u00ebl|Paris|Caf\u00e9 \"Zur Post\"; GmbH|Notiz"}));
}

TEST_F(ImportForms, ReleaseImportRefusesATableOfAnotherShape)
{
    const QString path = MakeDbf("OTHER.DBF", {{"LNAME", 'C', 20}}, 1, [](xbase::DbfTable& t, int) { t.setText(0, "x"); });
    TReleaseImportForm form(nullptr, *Table, 1);
    EXPECT_EQ(form.windowTitle(), "Import Quorvane 1.x DBF");
    EXPECT_EQ(form.MatchButton, nullptr);
    EXPECT_FALSE(form.LoadSource(path));
    EXPECT_EQ(Prompts.Texts().back(), path + " does not appear to be a Quorvane 1.x DBF");
    EXPECT_EQ(form.FileNameLabel->text(), "(none)");
    EXPECT_FALSE(form.ImportButton->isEnabled());
    EXPECT_FALSE(form.LoadSource(TablePath));
    EXPECT_EQ(Prompts.Texts().back(), "Cannot import a file to itself");
}

} // namespace
