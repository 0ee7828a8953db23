// Importing delimited text into an address table: the sample and its columns, matching by the
// first line's names, what arrives in the fields, the end messages, cancelling, the rebuild.
#include "ImportTestSupport.h"

#include "import/TAddressImporter.h"
#include "import/TTextImportFile.h"
#include "import/TTextImportSource.h"

namespace {

class TextImport : public ImportTest {
protected:
    TImportResult Import(const QString& path, const std::function<void(TImportMatch&)>& match = {},
                         TImportHooks hooks = {})
    {
        TTextImportFile file;
        EXPECT_TRUE(file.Load(path));
        TImportMatch columns = file.NewMatch();
        if (match)
            match(columns);
        TTextImportSource source(path, file.Format(), columns);
        auto table = OpenTable();
        return TAddressImporter::Run(*table, source, hooks);
    }
};

TEST_F(TextImport, NamedColumnsMatchThemselvesAndTheRestIsRead)
{
    const QString path = WriteFile("people.csv", QStringLiteral(
        "Last Name;first name;Zip/Postal Code;Shoe size\r\n"
        "M\u00fcller;J\u00fcrgen;10115;44\r\n"
        "\"O\"\"Brien\";\"Ann\r\nMarie\";02134\r\n"    // short line, quoted line break
        "Lee;Bo;97301;40;extra\r\n").toUtf8());
    TTextImportFile file;
    ASSERT_TRUE(file.Load(path));
    EXPECT_EQ(file.Format().Delimiter, u';');
    EXPECT_TRUE(file.Format().HeaderLine);
    EXPECT_EQ(file.Columns(), (QStringList{"Last Name", "first name", "Zip/Postal Code", "Shoe size"}));
    EXPECT_EQ(file.DataRows().size(), 3u);
    const TImportMatch match = file.NewMatch();
    EXPECT_EQ(match.SourceOfRow(match.RowOfField("LNAME")), 0);
    EXPECT_EQ(match.SourceOfRow(match.RowOfField("FNAME")), 1);
    EXPECT_EQ(match.SourceOfRow(match.RowOfField("ZIP")), 2);
    EXPECT_EQ(match.AssignedCount(), 3);
    EXPECT_EQ(match.SourceIndex("shoe SIZE"), 3);
    EXPECT_EQ(match.SourceIndex("Field 4"), 3); // numbered names serve as well
    EXPECT_EQ(match.SourceIndex("Field 5"), -1);

    const TImportResult result = Import(path);
    EXPECT_EQ(result.Messages, QStringList{"Import complete. Imported 3 records."});
    EXPECT_TRUE(result.TagsBuilt);
    EXPECT_EQ(Rows({"LNAME", "FNAME", "ZIP"}),
              (QStringList{"M\u00fcller|J\u00fcrgen|10115", "O\"Brien|Ann\r\nMarie|02134", "Lee|Bo|97301"}));
    EXPECT_TRUE(OpenTable()->CheckValidIndex());
}

TEST_F(TextImport, WithoutNamesEveryLineIsARecordAndColumnsAreNumbered)
{
    const QString path = WriteFile("plain.txt", "Smith,\"Springfield, IL\",62701\n");
    TTextImportFile file;
    ASSERT_TRUE(file.Load(path));
    EXPECT_FALSE(file.Format().HeaderLine);
    EXPECT_TRUE(file.Accepted()); // one line is enough
    EXPECT_EQ(file.Columns(), (QStringList{"Field 1", "Field 2", "Field 3"}));
    EXPECT_EQ(file.SampleWidths(), (std::vector<int>{7, 15, 7}));
    EXPECT_EQ(file.NewMatch().AssignedCount(), 0);

    Import(path, [](TImportMatch& match) {
        match.Assign(match.RowOfField("City"), 1);
        match.Assign(match.RowOfField("Last Name"), 0);
    });
    EXPECT_EQ(Rows({"LNAME", "CITY", "ZIP"}), QStringList{"Smith|Springfield, IL|"});

    TTextImportFile empty;
    ASSERT_TRUE(empty.Load(WriteFile("empty.csv", "\r\n\r\n")));
    EXPECT_FALSE(empty.Accepted());
}

TEST_F(TextImport, CountsValuesCutAndCharactersTheTableCannotHold)
{
    const QString path = WriteFile("long.csv", QStringLiteral(
        "LNAME,MIDDLE\n"
        "%1,AB\n"
        "\u0141ukasz \u4e2d,C   \n").arg(QString(300, u'x')).toUtf8());
    const TImportResult result = Import(path);
    EXPECT_EQ(result.ValuesCut, 2); // 300 x in 30, AB in 1; trailing blanks cut nothing
    EXPECT_EQ(result.CharactersReplaced, 2);
    EXPECT_EQ(result.Messages, (QStringList{"Import complete. Imported 2 records.\n2 values were longer than their fields and were cut.",
                                            TAddressImporter::ReplacedMessage(2)}));
    EXPECT_EQ(Rows({"LNAME", "MIDDLE"}), (QStringList{QString(30, u'x') + "|A", "?ukasz ?|C"}));
}

TEST_F(TextImport, CancelAfterAHundredOfAThousandLinesStillRebuildsTheTags)
{
    QByteArray text;
    for (int i = 0; i < 1000; ++i)
        text += "Name" + QByteArray::number(i) + "\n";
    const QString path = WriteFile("thousand.txt", text);
    QStringList statuses;
    TImportHooks hooks;
    int records = 0;
    hooks.StopRequested = [&] { return ++records == 100; };
    hooks.Status = [&](const QString& status) { statuses << status; };
    int lastBar = -1;
    hooks.Bar = [&](int percent) { lastBar = percent; };
    const TImportResult result = Import(path, [](TImportMatch& match) { match.Assign(0, 0); }, hooks);
    EXPECT_EQ(result.End, TImportEnd::ieCancelled);
    EXPECT_EQ(result.Messages, QStringList{"Import cancelled after importing 100 records."});
    EXPECT_EQ(statuses, (QStringList{"Counting total lines", "Importing records", "Rebuilding Indexes "}));
    EXPECT_EQ(lastBar, 100);
    auto table = OpenTable();
    EXPECT_EQ(table->Table().recordCount(), 100u);
    EXPECT_TRUE(table->CheckValidIndex());
}

TEST(ImportMatch, AColumnServesOneRowAndMovesWhenAssignedAgain)
{
    TImportMatch match(TImportMatch::TextTargets(), {{"Field 1"}, {"Field 2"}});
    EXPECT_EQ(match.Targets().size(), 19u);
    const int city = match.RowOfField("City");
    const int last = match.RowOfField("last name");
    match.Assign(city, 1);
    match.Assign(last, 1);
    EXPECT_EQ(match.SourceOfRow(city), -1);
    EXPECT_EQ(match.SourceOfRow(last), 1);
    EXPECT_EQ(match.RowOfSource(1), last);
    match.Assign(city, 0);
    match.ClearRow(city);
    EXPECT_EQ(match.AssignedCount(), 1);
    match.ClearAll();
    EXPECT_EQ(match.AssignedCount(), 0);
}

TEST(RebuildBar, AddsUpTheRisesOfEveryTag)
{
    TAddressImporter::TRebuildBar bar;
    int shown = 0;
    for (int tag = 0; tag < 26; ++tag)
        for (int percent : {0, 50, 100})
            shown = bar.Report(percent);
    EXPECT_EQ(shown, 100);
    TAddressImporter::TRebuildBar half;
    for (int tag = 0; tag < 13; ++tag)
        for (int percent : {0, 100})
            shown = half.Report(percent);
    EXPECT_EQ(shown, 50);
}

} // namespace
