// Importing the tables of releases 1.x and 2.x: the fields each must have, the transfer table,
// the 1.x date rule and notes, and 2.x records marked deleted arriving hidden.
#include "ImportTestSupport.h"

#include "data/TDisplayDate.h"
#include "import/TAddressImporter.h"
#include "import/TDbfImportSource.h"
#include "import/TReleaseImportSource.h"

#include <QFileInfo>

namespace {

class ReleaseImport : public ImportTest {
protected:
    TImportResult Import(const QString& path, int release)
    {
        QString message;
        auto source = TDbfImportSource::OpenSourceTable(path, TablePath, message);
        EXPECT_NE(source, nullptr) << message.toStdString();
        EXPECT_EQ(TReleaseImportSource::MissingFields(*source, release), QStringList());
        TReleaseImportSource import(std::move(source), release);
        return TAddressImporter::Run(*OpenTable(), import);
    }

    QString Make1x(bool dateField)
    {
        return MakeDbf("OLD1.DBF",
                       {{"LNAME", 'C', 20}, {"FNAME", 'C', 20}, {"MIDDLE", 'C', 1}, {"TITLE", 'C', 20}, {"ORG", 'C', 20},
                        {"STREET", 'C', 30}, {"CITY", 'C', 20}, {"STATE", 'C', 2}, {"ZIP", 'C', 10}, {"COUNTRY", 'C', 10},
                        {"PHONE", 'C', 14}, {"EMAIL", 'C', 30}, {"FAX", 'C', 14}, {"NOTES", 'C', 20}, {"PREFIX", 'C', 5},
                        {"CARRIER", 'C', 4}, {"DATE", dateField ? 'D' : 'C', static_cast<uint16_t>(dateField ? 0 : 10)},
                        {"MEMO", 'M'}},
                       3, [dateField](xbase::DbfTable& t, int i) {
                           auto set = [&t](const char* field, const char* value) { t.setText(t.fieldIndex(field), value); };
                           set("LNAME", "Smith");
                           set("NOTES", "ABC");
                           set("CARRIER", "C001");
                           set("STREET", "1 Elm");
                           const char* dates[] = {dateField ? "19970428" : "4/28/1997", dateField ? "" : "19970428",
                                                  dateField ? "" : "sometime"};
                           set("DATE", dates[i]);
                           t.setMemo(t.fieldIndex("MEMO"), i == 0 ? "1234" : "123");
                       });
    }
};

TEST_F(ReleaseImport, Release1NotesArriveInCodesAndDatesAsEightDigits)
{
    TDisplayDate::SetSessionFormat("M/d/yyyy");
    for (bool dateField : {true, false}) {
        SCOPED_TRACE(dateField ? "date field" : "text field");
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(TablePath, TFieldLengths()));
        const TImportResult result = Import(Make1x(dateField), 1);
        EXPECT_EQ(result.Messages, QStringList{"Import complete. Imported 3 records."});
        const QString second = dateField ? "" : "19970428";
        EXPECT_EQ(Rows({"LNAME", "STREET", "CODES", "DATE", "MEMO", "STREET2"}),
                  (QStringList{"Smith|1 Elm|ABC|19970428|1234 |", "Smith|1 Elm|ABC|" + second + "|123|",
                               "Smith|1 Elm|ABC||123|"}));
    }
}

TEST_F(ReleaseImport, Release2KeepsIsdelAndItsOwnFields)
{
    const QString path = MakeDbf("OLD2.DBF",
                                 {{"LNAME", 'C', 20}, {"FNAME", 'C', 20}, {"MIDDLE", 'C', 1}, {"PREFIX", 'C', 5},
                                  {"TITLE", 'C', 20}, {"ORG", 'C', 20}, {"STREET", 'C', 30}, {"STREET2", 'C', 30},
                                  {"CITY", 'C', 20}, {"STATE", 'C', 2}, {"ZIP", 'C', 10}, {"COUNTRY", 'C', 10},
                                  {"DATE", 'C', 15}, {"PHONE", 'C', 14}, {"PHONE2", 'C', 14}, {"FAX", 'C', 14},
                                  {"EMAIL", 'C', 30}, {"CODES", 'C', 10}, {"USER1", 'C', 20}, {"USER2", 'C', 20},
                                  {"ISDEL", 'L'}, {"TAG", 'C', 8}, {"MEMO", 'M'}},
                                 2, [](xbase::DbfTable& t, int i) {
                                     auto set = [&t](const char* field, const char* value) { t.setText(t.fieldIndex(field), value); };
                                     set("LNAME", i == 0 ? "Kept" : "Gone");
                                     set("STREET2", "Suite 4");
                                     set("USER2", "vip");
                                     set("DATE", "2024031");
                                     set("TAG", "OLDTAG");
                                     t.setLogical(t.fieldIndex("ISDEL"), i == 1);
                                 });
    Import(path, 2);
    EXPECT_EQ(Rows({"LNAME", "STREET2", "USER2", "DATE", "ISDEL", "TAG"}),
              (QStringList{"Kept|Suite 4|vip|2024031|F|", "Gone|Suite 4|vip|2024031|T|"}));
    auto table = OpenTable();
    table->SetFilterText(QString());
    EXPECT_EQ(table->Count(), 1u); // the deleted one is hidden
}

TEST_F(ReleaseImport, TablesLackingAFieldAreNotOfThatRelease)
{
    const QString path = MakeDbf("NOTAG.DBF", {{"LNAME", 'C', 20}, {"ISDEL", 'L'}}, 1, [](xbase::DbfTable&, int) {});
    QString message;
    auto source = TDbfImportSource::OpenSourceTable(path, TablePath, message);
    ASSERT_NE(source, nullptr);
    EXPECT_TRUE(TReleaseImportSource::MissingFields(*source, 2).contains("TAG"));
    EXPECT_EQ(TReleaseImportSource::NotReleaseMessage(path, 2), path + " does not appear to be a Quorvane 2.x DBF");
    // The address table itself has every 2.x field: it is still no source for itself.
    EXPECT_EQ(TDbfImportSource::OpenSourceTable(TablePath, TablePath, message), nullptr);
    EXPECT_EQ(message, "Cannot import a file to itself");
}

TEST_F(ReleaseImport, AForeignAddressTableImportsAsRelease2)
{
    const QString foreign = QStringLiteral(QUORVANE_SHARED_DIR "/fixtures/foreign-1k/ADDR.DBF");
    if (!QFileInfo::exists(foreign))
        GTEST_SKIP() << "shared fixtures absent";
    for (const char* extension : {".DBF", ".FPT"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVANE_SHARED_DIR "/fixtures/foreign-1k/ADDR") + extension,
                                Home.filePath(QStringLiteral("ADDR") + extension)));
    auto raw = xbase::DbfTable::open(xbase::FileSystem::native(), Home.filePath("ADDR.DBF").toStdString(), {.readOnly = true});
    uint32_t unflagged = 0, isdel = 0, memos = 0;
    for (raw->goTop(); !raw->eof(); raw->skip()) {
        if (raw->isFlaggedDeleted())
            continue;
        ++unflagged;
        isdel += raw->logical(raw->fieldIndex("ISDEL")) ? 1 : 0;
        memos += raw->memoText(raw->fieldIndex("MEMO")).empty() ? 0 : 1;
    }
    raw.reset();
    const TImportResult result = Import(Home.filePath("ADDR.DBF"), 2);
    EXPECT_EQ(result.Records, unflagged);
    auto table = OpenTable();
    EXPECT_TRUE(table->CheckValidIndex());
    table->SetFilterText(QString());
    EXPECT_EQ(table->Count(), unflagged - isdel);
    EXPECT_EQ(table->Area().count(), unflagged - isdel);
    uint32_t withMemo = 0;
    for (table->Table().goTop(); !table->Table().eof(); table->Table().skip())
        withMemo += table->Memo().isEmpty() ? 0 : 1;
    EXPECT_GT(withMemo, 0u);
    EXPECT_LE(withMemo, memos);
}

} // namespace
