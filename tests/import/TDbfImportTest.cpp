// Importing other DBF tables: the automatic matching by caption or field name, what each field
// type arrives as, memos with the padding rule, and the refusals before anything is written.
#include "ImportTestSupport.h"

#include "data/TDisplayDate.h"
#include "import/TAddressImporter.h"
#include "import/TDbfImportSource.h"

namespace {

struct TAutoCase {
    const char* Name;
    std::vector<TImportSourceColumn> Sources;
    std::vector<std::pair<const char*, const char*>> Expected; // (address field, source) of every assignment
};

class DbfAutoMatch : public ::testing::TestWithParam<TAutoCase> {};

TEST_P(DbfAutoMatch, AssignsByCaptionOrName)
{
    TImportMatch match(TImportMatch::DbfTargets(), GetParam().Sources);
    match.AutoMatch();
    std::vector<std::pair<const char*, const char*>> expected = GetParam().Expected;
    EXPECT_EQ(match.AssignedCount(), static_cast<int>(expected.size()));
    for (const auto& [field, source] : expected)
        EXPECT_EQ(match.SourceOfRow(match.RowOfField(field)), match.SourceIndex(source)) << field;
}

const TAutoCase autoCases[] = {
    {"OnlyKnownNames", {{"LNAME"}, {"FIRST"}, {"COMPANY"}}, {{"LNAME", "LNAME"}}},
    {"ByCaptionAnyCase", {{"ORGANIZATIO"}, {"organization"}}, {{"ORG", "organization"}}},
    {"FirstInTableOrderWins", {{"CITY"}, {"city", 'N'}}, {{"CITY", "CITY"}}},
    {"TypesNeedNotAgree", {{"ZIP", 'N'}, {"STATE", 'L'}, {"PHONE", 'D'}}, {{"ZIP", "ZIP"}, {"STATE", "STATE"}, {"PHONE", "PHONE"}}},
    {"DateHasNoRow", {{"DATE", 'D'}, {"TAG"}, {"ISDEL", 'L'}}, {}},
    {"MemoOnlyToMemo", {{"NOTES", 'M'}, {"MEMO", 'M'}, {"CODES", 'M'}}, {{"MEMO", "MEMO"}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, DbfAutoMatch, ::testing::ValuesIn(autoCases),
                         [](const auto& info) { return std::string(info.param.Name); });

class DbfImport : public ImportTest {};

TEST_F(DbfImport, EveryFieldTypeArrivesAsText)
{
    TDisplayDate::SetSessionFormat("M/d/yyyy");
    const QString path = MakeDbf("SOURCE.DBF",
                                 {{"LNAME", 'C', 10}, {"ZIP", 'N', 8, 0}, {"USER1", 'L'}, {"USER2", 'D'}, {"MEMO", 'M'},
                                  {"EMAIL", 'C', 60}},
                                 3, [](xbase::DbfTable& t, int i) {
                                     t.setText(0, i == 0 ? "Stra\xDF" "e" : "Lee");
                                     t.setNumber(1, 62701 + i);
                                     t.setLogical(2, i == 0);
                                     t.setText(3, "19970428");
                                     t.setMemo(4, i == 0 ? "abcdefgh" : "");
                                     t.setText(5, std::string(50, 'e'));
                                     t.setDeleted(i == 2); // flagged records are not imported
                                 });
    QString message;
    auto source = TDbfImportSource::OpenSourceTable(path, TablePath, message);
    ASSERT_NE(source, nullptr) << message.toStdString();
    const TImportMatch match = TDbfImportSource::NewMatch(*source);
    EXPECT_EQ(match.AssignedCount(), 6);
    TDbfImportSource import(std::move(source), match);
    const TImportResult result = TAddressImporter::Run(*OpenTable(), import);
    EXPECT_EQ(result.Messages, QStringList{"Import complete. Imported 2 records.\n2 values were longer than their fields and were cut."});
    EXPECT_EQ(Rows({"LNAME", "ZIP", "USER1", "USER2", "MEMO"}),
              (QStringList{"Stra\u00dfe|62701|T|4/28/1997|abcdefgh ", "Lee|62702|F|4/28/1997|"}));
}

TEST_F(DbfImport, RefusesBeforeTouchingTheTable)
{
    QString message;
    EXPECT_EQ(TDbfImportSource::OpenSourceTable(TablePath, TablePath, message), nullptr);
    EXPECT_EQ(message, "Cannot import a file to itself");

    const QString empty = MakeDbf("EMPTY.DBF", {{"LNAME", 'C', 10}}, 0, {});
    EXPECT_EQ(TDbfImportSource::OpenSourceTable(empty, TablePath, message), nullptr);
    EXPECT_EQ(message, "There are no records in " + empty);

    const QString damaged = WriteFile("DAMAGED.DBF", QByteArray("\x03\x7A\x01\x01\x05\x00\x00\x00\xFF\x7F", 10));
    EXPECT_EQ(TDbfImportSource::OpenSourceTable(damaged, TablePath, message), nullptr);
    EXPECT_TRUE(message.startsWith("Unable to open the file " + damaged + "\n")) << message.toStdString();
    EXPECT_GT(message.size(), ("Unable to open the file " + damaged + "\n").size()) << "the engine's reason follows";

    // A source another part of the program holds open is refused as well.
    const QString held = MakeDbf("HELD.DBF", {{"LNAME", 'C', 10}}, 1, [](xbase::DbfTable& t, int) { t.setText(0, "x"); });
    auto holder = xbase::DbfTable::open(xbase::FileSystem::native(), held.toStdString());
    EXPECT_EQ(TDbfImportSource::OpenSourceTable(held, TablePath, message), nullptr);
    EXPECT_TRUE(message.startsWith("Unable to open the file " + held + "\n")) << message.toStdString();
}

} // namespace
