// Standardization and case conversion with their undo file: the windows driven with scripted
// prompts (preview, a change left out, the question, "Undo Last Standardization" refused after a
// value changed, then put back byte for byte), the undo file's own round trip and refusals, and
// the similar-duplicates check finding streets written in two forms.
#include "ToolsTestTable.h"

#include "data/TAddressStandardizer.h"
#include "tools/TConvertToUpper.h"
#include "tools/TDupFinder.h"
#include "tools/TFieldRewrite.h"
#include "tools/TResultIndex.h"
#include "tools/TSimilarKey.h"
#include "tools/TStandardizeAddresses.h"
#include "tools/TUndoFile.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>

namespace {

class StandardizeTest : public ToolsTestTable {
protected:
    void SetUp() override
    {
        ToolsTestTable::SetUp();
        for (const char* name : {"SUFFIXES.TXT", "UNITS.TXT", "STATES.TXT"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVANE_SOURCE_DIR "/sysdata/") + name, TProgramFolder::SysdataFolder() + name));
    }

    // Every record's bytes, delete flag first, in record order.
    std::vector<std::string> Records()
    {
        std::vector<std::string> records;
        xbase::DbfTable& rows = Table->Table();
        for (uint32_t r = 1; r <= rows.recordCount(); ++r) {
            rows.go(r);
            records.emplace_back(reinterpret_cast<const char*>(rows.record()), rows.recordSize());
        }
        return records;
    }
};

TEST_F(StandardizeTest, TheWindowPreviewsWritesTheChosenChangesAndUndoesThemExactly)
{
    Create({{{"LNAME", "Ames"}, {"STREET", "123 North Main Street"}, {"STREET2", "Apartment 4"}, {"STATE", "new york"}, {"ZIP", "123456789"}},
            {{"LNAME", "Bell"}, {"STREET", "12 Broadway"}, {"STATE", "NY"}, {"ZIP", "10001"}},
            {{"LNAME", "Cole"}, {"STREET", "P.O. Box 12 \u00e9%"}, {"STATE", "Ontario"}, {"ZIP", "k1a0b1"}},
            {{"LNAME", "Dunn"}, {"STREET", "9 Elm Avenue"}, {"ISDEL", "1"}}});
    const std::vector<std::string> original = Records();
    {
        TStandardizeAddresses form(*Table, false);
        form.PreviewClick();
        ASSERT_EQ(form.Model.rowCount(), 7);
        EXPECT_EQ(form.CountLabel->text(), "7 values in 2 records will change (3 records looked at).");
        EXPECT_EQ(form.Model.data(form.Model.index(0, TChangePreviewModel::pcAfter), Qt::DisplayRole).toString(), "123 N Main St");
        EXPECT_EQ(form.Model.data(form.Model.index(1, TChangePreviewModel::pcField), Qt::DisplayRole).toString(), "Address 2");
        EXPECT_TRUE(form.Model.setData(form.Model.index(6, TChangePreviewModel::pcInclude), Qt::Unchecked, Qt::CheckStateRole));

        form.StandardizeClick(); // unanswered: No
        EXPECT_EQ(Prompts.Asked().back().Caption, "Standardize");
        EXPECT_EQ(Prompts.Asked().back().Default, TQuestionDefault::qdNo);
        EXPECT_EQ(FieldOf(1, "STREET"), "123 North Main Street");
        Prompts.Answer(true);
        form.StandardizeClick();
        EXPECT_EQ(form.Written(), 6u);
        EXPECT_EQ(Prompts.Texts().last(), "Standardized 6 values.");
    }
    EXPECT_EQ(FieldOf(1, "STREET"), "123 N Main St");
    EXPECT_EQ(FieldOf(1, "STREET2"), "Apt 4");
    EXPECT_EQ(FieldOf(1, "STATE"), "NY");
    EXPECT_EQ(FieldOf(1, "ZIP"), "12345-6789");
    EXPECT_EQ(FieldOf(3, "STREET"), "PO Box 12 \u00e9%");
    EXPECT_EQ(FieldOf(3, "ZIP"), "k1a0b1") << "left out in the grid";
    EXPECT_EQ(FieldOf(4, "STREET"), "9 Elm Avenue") << "marked deleted";

    Table->Table().go(1);
    Table->SetFieldText("STATE", "NJ");
    Table->Table().commit();
    Prompts.Answer(true);
    EXPECT_FALSE(TStandardizeAddresses::UndoLast(*Table));
    EXPECT_EQ(Prompts.Texts().last(), "The value of record 1, STATE was changed since. Nothing was put back.");
    EXPECT_EQ(FieldOf(1, "STREET"), "123 N Main St") << "nothing put back";

    Table->Table().go(1);
    Table->SetFieldText("STATE", "NY");
    Table->Table().commit();
    Prompts.Answer(true);
    EXPECT_TRUE(TStandardizeAddresses::UndoLast(*Table));
    EXPECT_EQ(Prompts.Asked()[Prompts.Asked().size() - 2].Caption, "Undo Last Standardization");
    EXPECT_EQ(Prompts.Texts().last(), "Put back 6 values.");
    EXPECT_EQ(Records(), original);
    EXPECT_FALSE(TStandardizeAddresses::UndoLast(*Table));
    EXPECT_EQ(Prompts.Texts().last(), "There is no standardization to undo.");
}

TEST_F(StandardizeTest, TheUndoFileCarriesEveryByteAndRefusesDamage)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    std::string back;
    ASSERT_TRUE(TUndoFile::Unescaped(TUndoFile::Escaped(all), &back));
    EXPECT_EQ(back, all);
    EXPECT_FALSE(TUndoFile::Unescaped("50%", &back));
    EXPECT_FALSE(TUndoFile::Unescaped("%G1", &back));

    TUndoFile undo(QStringLiteral("case"), QStringLiteral("ADD0001.DBF"));
    undo.Add({2, "CITY", "a\tb%", "A\tB%"});
    const QString path = Home.filePath("x.und");
    ASSERT_TRUE(undo.Save(path, nullptr));
    TUndoFile read;
    QString error;
    ASSERT_TRUE(read.Load(path, &error)) << error.toStdString();
    ASSERT_EQ(read.Values().size(), 1u);
    EXPECT_EQ(read.Values()[0].Before, "a\tb%");
    EXPECT_EQ(read.Table(), "ADD0001.DBF");

    const auto damaged = [&](const QByteArray& text) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        TUndoFile t;
        return !t.Load(path, &error);
    };
    EXPECT_TRUE(damaged("NOT AN UNDO FILE\r\n"));
    EXPECT_TRUE(damaged("QUORVANE UNDO 1\r\nKIND\tcase\r\nTABLE\tADD0001.DBF\r\nCOUNT\t2\r\n1\tCITY\ta\tb\r\n"));
    EXPECT_TRUE(error.contains("gives 2 values but holds 1")) << error.toStdString();
    EXPECT_TRUE(damaged("QUORVANE UNDO 1\r\nKIND\tcase\r\nTABLE\tADD0001.DBF\r\nCOUNT\t1\r\n0\tCITY\ta\tb\r\n"));
    EXPECT_TRUE(damaged("QUORVANE UNDO 1\r\nKIND\tcase\r\n"));

    Create({{{"LNAME", "Ames"}}});
    TUndoFile other(QStringLiteral("case"), QStringLiteral("OTHER.DBF"));
    EXPECT_EQ(other.Restore(*Table).Message, "This undo file belongs to the table OTHER.DBF, not to ADD0001.DBF. Nothing was put back.");
    TUndoFile beyond(QStringLiteral("case"), QStringLiteral("add0001.dbf"));
    beyond.Add({9, "LNAME", "x", "Ames"});
    EXPECT_EQ(beyond.Restore(*Table).Message, "The table has no record 9 any more. Nothing was put back.");
}

TEST_F(StandardizeTest, CaseConversionShowsWhatChangesAndCanBeUndone)
{
    Create({{{"LNAME", "o'brien"}, {"FNAME", "MARY"}}, {{"LNAME", "VAN DER BERG"}}, {{"LNAME", "McDonald"}}});
    const std::vector<std::string> original = Records();
    {
        TConvertToUpper form(*Table, false);
        form.AllFieldsCheck->setChecked(false);
        form.FieldChecks[0]->setChecked(true); // Last
        form.AllRadio->setChecked(true);
        form.NamesRadio->setChecked(true);
        form.ConvertClick(); // unanswered: No, the preview stays on show
        EXPECT_EQ(form.PreviewLabel->text(), "2 values in 2 of 3 records will change:");
        EXPECT_EQ(form.Preview.rowCount(), 2);
        EXPECT_EQ(Prompts.Asked().back().Text, "Convert now? 2 values in 2 records will change. \"Undo last conversion\" in the "
                                               "Utilities menu puts them back.");
        Prompts.Answer(true);
        form.ConvertClick();
    }
    EXPECT_EQ(Column("LNAME"), QStringList({"McDonald", "O'Brien", "van der Berg"}));
    Prompts.Answer(true);
    EXPECT_TRUE(TConvertToUpper::UndoLast(*Table));
    EXPECT_EQ(Records(), original);
}

TEST_F(StandardizeTest, SimilarDuplicatesCompareStandardizedStreets)
{
    Create({{{"LNAME", "Smith"}, {"FNAME", "John"}, {"STREET", "123 North Main Street, 2nd Floor"}, {"ZIP", "14850"}},
            {{"LNAME", "Smith"}, {"FNAME", "John"}, {"STREET", "123 N Main St Fl 2"}, {"ZIP", "14850"}},
            {{"LNAME", "Jones"}, {"FNAME", "Al"}, {"STREET", "Post Office Box 7"}, {"ZIP", "10001"}},
            {{"LNAME", "Jones"}, {"FNAME", "Al"}, {"STREET", "PO Box 7"}, {"ZIP", "10001"}}});
    TSimilarKey words;
    ASSERT_TRUE(words.LoadWords(QStringLiteral(QUORVANE_SOURCE_DIR "/sysdata/STREETWORDS.TXT")));
    {
        TResultIndex result(*Table, TDupFinder::ResultPath(), TDupFinder::KeyExpression(TDupKind::dkSimilar));
        EXPECT_EQ(TDupFinder::Run(*Table, result, {TDupKind::dkSimilar, 30}, {}, &words), 0u) << "the words alone do not see it";
    }
    words.SetStandardizer(TAddressStandardizer::Shared());
    TResultIndex result(*Table, TDupFinder::ResultPath(), TDupFinder::KeyExpression(TDupKind::dkSimilar));
    EXPECT_EQ(TDupFinder::Run(*Table, result, {TDupKind::dkSimilar, 30}, {}, &words), 2u);
}

} // namespace
