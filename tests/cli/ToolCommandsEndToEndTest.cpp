// The list tools' commands run through the quorvane binary: dupes, zipcheck, case, export and
// replace on a small table, with their outputs, counts and refusals.
#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"

#include "QuorvaneProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ToolCommandsEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString Table = Folder.filePath("ADD0001.DBF");
    TScriptedUserPrompts Prompts;

    void SetUp() override
    {
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(Table, TFieldLengths()));
        auto table = TAddressTable::Open(Table);
        ASSERT_NE(table, nullptr);
        const char* people[][5] = {{"Smith", "John", "NY", "10001", "Ithaca"},
                                   {"SMITH", "john", "NY", "99999", "ithaca"},
                                   {"Lee", "Ann", "ZZ", "10001", "Utica"},
                                   {"Jones", "Al \"Big\"", "NY", "12000", "Troy"}};
        for (const auto& person : people) {
            table->Table().appendBlank();
            table->SetFieldText("LNAME", person[0]);
            table->SetFieldText("FNAME", person[1]);
            table->SetFieldText("STATE", person[2]);
            table->SetFieldText("ZIP", person[3]);
            table->SetFieldText("CITY", person[4]);
        }
        table->Close();
        QDir().mkpath(Folder.filePath("home"));
        TProgramFolder::SetPath(Folder.filePath("home/"));
        TIniFile(TProgramFolder::SettingsFile()).WriteString("Misc", "GlobalTagId", "TAG1");
    }

    TRun Quorvane(const QStringList& arguments) { return RunQuorvane(Folder.filePath("home"), arguments); }
    QStringList Lines(const QString& text) { return text.split("\r\n", Qt::SkipEmptyParts); }
    // One field of every record, in record order.
    QString Column(const QString& field)
    {
        QStringList lines = Quorvane({"list", Table, "--fields", field}).Out.split("\r\n");
        lines.removeLast(); // after the last line end
        return lines.mid(1).join(',');
    }
};

TEST_F(ToolCommandsEndToEnd, DupesListsSuspectsAndTagsThem)
{
    const TRun run = Quorvane({"dupes", Table, "--tag"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QStringList lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("RECNO,LNAME,FNAME"));
    EXPECT_TRUE(lines[1].startsWith("1,Smith,John"));
    EXPECT_TRUE(lines[2].startsWith("2,SMITH,john"));
    EXPECT_EQ(run.Err, "Found 1 possible duplicates\n");
    EXPECT_EQ(Column("TAG"), "TAG1,TAG1,,");
    EXPECT_FALSE(QFile::exists(Folder.filePath("home/_chkdup.idx")));
    EXPECT_EQ(Quorvane({"dupes", Table, "--kind", "street"}).Err, "Found 0 possible duplicates\n");
    EXPECT_EQ(Quorvane({"dupes", Table, "--kind", "similar", "--query", "City=troy"}).Err, "Found 0 possible duplicates\n");
    EXPECT_EQ(Quorvane({"dupes", Table, "--kind", "fuzzy"}).Status, 2);
}

TEST_F(ToolCommandsEndToEnd, ZipcheckUsesTheDeliveredStateTable)
{
    const TRun run = Quorvane({"zipcheck", Table});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QStringList lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 3) << run.Out.toStdString();
    EXPECT_TRUE(lines[1].startsWith("3,Lee,Ann")) << "name order: Lee before SMITH";
    EXPECT_TRUE(lines[2].startsWith("2,SMITH,john"));
    EXPECT_EQ(run.Err, "Found 2 records with questionable state or zipcodes\n");

    // (A missing CSZ.DBF is delivered again at start; a damaged one cannot be.)
    QFile damaged(Folder.filePath("home/sysdata/CSZ.DBF"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a table");
    damaged.close();
    const TRun broken = Quorvane({"zipcheck", Table});
    EXPECT_EQ(broken.Status, 2);
    EXPECT_TRUE(broken.Err.contains("Unable to Open or Create CSZ.DBF")) << broken.Err.toStdString();
}

TEST_F(ToolCommandsEndToEnd, CaseAndReplaceChangeRecordsAndSayHowMany)
{
    EXPECT_EQ(Quorvane({"case", Table, "--to", "capitalized", "--fields", "City", "--query", "Last=smith"}).Out, "1\n");
    EXPECT_EQ(Column("CITY"), "Ithaca,Ithaca,Utica,Troy");
    EXPECT_EQ(Quorvane({"case", Table, "--to", "upper"}).Out, "4\n");
    EXPECT_EQ(Quorvane({"case", Table, "--to", "sideways"}).Status, 2);

    EXPECT_EQ(Quorvane({"replace", Table, "--field", "City", "--find", "ITH", "--with", "Ath", "--matching-only"}).Out, "2\n");
    EXPECT_EQ(Column("CITY"), "AthACA,AthACA,UTICA,TROY");
    EXPECT_EQ(Quorvane({"replace", Table, "--field", "FNAME", "--find", "\"big\"", "--with", "x", "--contains", "--ignore-case",
                        "--matching-only"})
                  .Out,
              "1\n");
    EXPECT_EQ(Column("FNAME"), "JOHN,JOHN,ANN,AL x");
    EXPECT_EQ(Quorvane({"replace", Table, "--field", "Shoe size", "--find", "a", "--with", "b"}).Status, 2);
}

TEST_F(ToolCommandsEndToEnd, StandardizePrintsItsChangesAndUndoes)
{
    {
        auto table = TAddressTable::Open(Table);
        table->Table().go(1);
        table->SetFieldText("STREET", "123 North Main Street, Apartment 4");
        table->SetFieldText("STATE", "new york");
        table->Table().go(3);
        table->SetFieldText("ZIP", "123456789");
        table->Close();
    }
    const TRun dry = Quorvane({"standardize", Table, "--dry-run"});
    ASSERT_EQ(dry.Status, 0) << dry.Err.toStdString();
    EXPECT_EQ(dry.Out, "RECNO,FIELD,BEFORE,AFTER\r\n1,STREET,\"123 North Main Street, Apartment 4\",123 N Main St Apt 4\r\n"
                       "1,STATE,new york,NY\r\n3,ZIP,123456789,12345-6789\r\nWould standardize 3 values in 2 records\n");
    EXPECT_EQ(Column("STATE"), "new york,NY,ZZ,NY");

    const QString undo = Folder.filePath("std.und");
    const TRun run = Quorvane({"standardize", Table, "--upper", "--fields", "STREET,STATE", "--undo-file", undo});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.endsWith("Standardized 2 values in 1 record\n")) << run.Out.toStdString();
    EXPECT_EQ(Column("STREET").section(',', 0, 0), "123 N MAIN ST APT 4");
    EXPECT_EQ(Quorvane({"standardize", Table, "--undo", undo}).Out, "Restored 2 values\n");
    EXPECT_EQ(Column("STATE"), "new york,NY,ZZ,NY");
    const TRun again = Quorvane({"standardize", Table, "--undo", undo});
    EXPECT_EQ(again.Status, 2);
    EXPECT_TRUE(again.Err.contains("was changed since")) << again.Err.toStdString();

    EXPECT_EQ(Quorvane({"case", Table, "--to", "names", "--fields", "Last", "--undo-file", undo}).Out, "1\n");
    EXPECT_EQ(Column("LNAME"), "Smith,Smith,Lee,Jones");
    EXPECT_EQ(Quorvane({"case", Table, "--undo", undo}).Out, "Restored 1 values\n");
    EXPECT_EQ(Column("LNAME"), "Smith,SMITH,Lee,Jones");
    EXPECT_EQ(Quorvane({"standardize", Table, "--fields", "PHONE"}).Status, 2);
}

TEST_F(ToolCommandsEndToEnd, ExportWritesCsvOrDbfAndRefusesToOverwrite)
{
    const QString csv = Folder.filePath("out.csv");
    const TRun run = Quorvane({"export", Table, "--csv", csv, "--query", "Last=jones"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "1\n");
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              "\"\",\"Al \"\"Big\"\"\",\"\",\"Jones\",\"\",\"\",\"\",\"\",\"Troy\",\"NY\",\"12000\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    file.close();

    EXPECT_EQ(Quorvane({"export", Table, "--csv", csv}).Status, 2) << "exists";
    EXPECT_EQ(Quorvane({"export", Table, "--csv", csv, "--force"}).Out, "4\n");
    EXPECT_EQ(Quorvane({"export", Table, "--dbf", Table, "--force"}).Status, 2) << "the open table itself";
    const QString dbf = Folder.filePath("COPY.DBF");
    EXPECT_EQ(Quorvane({"export", Table, "--dbf", dbf, "--order", "LNAME"}).Out, "4\n");
    EXPECT_EQ(Quorvane({"list", dbf, "--raw", "--fields", "LNAME"}).Out, "LNAME\r\nJones\r\nLee\r\nSmith\r\nSMITH\r\n");
    const TRun none = Quorvane({"export", Table, "--csv", Folder.filePath("none.csv"), "--filter", "LNAME=\"Nobody\""});
    EXPECT_EQ(none.Status, 2);
    EXPECT_TRUE(none.Err.contains("No active records for current filter. Nothing to copy"));
}

// A memo pointer past the end of a damaged memo file fails "list"; "check" must say so too.
TEST_F(ToolCommandsEndToEnd, CheckReadsEveryMemo)
{
    EXPECT_EQ(Quorvane({"check", Table}).Status, 0);
    QString memoPath;
    qint64 before = 0;
    {
        auto table = TAddressTable::Open(Table);
        ASSERT_NE(table, nullptr);
        memoPath = QString::fromStdString(table->Table().memoPath());
        before = QFileInfo(memoPath).size();
        table->Table().go(3);
        table->SetMemo(QString(300, u'm'));
        table->Close();
    }
    ASSERT_EQ(Quorvane({"check", Table}).Status, 0);
    QFile(memoPath).resize(before + 16); // the memo's block header stays, its text is gone
    for (const QStringList& check : {QStringList{"check", Table}, QStringList{"check", Table, "--raw"}}) {
        const TRun run = Quorvane(check);
        EXPECT_EQ(run.Status, 1) << check.join(' ').toStdString();
        EXPECT_TRUE(run.Out.startsWith("record 3: Memo file ")) << run.Out.toStdString();
    }
}

} // namespace
