// quorvane import, each kind, with list reading the result back.
#include "QuorvaneProcess.h"

#include "xbase/DbfCreator.h"
#include "xbase/DbfTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ImportEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString Table = Folder.filePath("ADD0001.DBF");

    void SetUp() override { ASSERT_EQ(Quorvane({"create", Table}).Status, 0); }

    TRun Quorvane(const QStringList& arguments) { return RunQuorvane(Folder.filePath("home"), arguments); }

    QString Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(Folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QString List(const QString& fields)
    {
        const TRun run = Quorvane({"list", Table, "--fields", fields});
        EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
        return run.Out;
    }
};

TEST_F(ImportEndToEnd, DelimitedTextWithNamesOrMappedColumns)
{
    const QString named = Write("people.csv", "\xEF\xBB\xBF" "Last Name;City;Phone 1\r\n"
                                              "M\xC3\xBCller;K\xC3\xB6ln;0221 1\r\n"
                                              "\"Lee; Jr\";Salem;\r\n");
    TRun run = Quorvane({"import", Table, named});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "encoding: UTF-8\ndelimiter: Semicolon\nheader: yes\nImport complete. Imported 2 records.\n");
    EXPECT_EQ(List("LNAME,CITY,PHONE"), "LNAME,CITY,PHONE\r\nM\u00fcller,K\u00f6ln,0221 1\r\nLee; Jr,Salem,\r\n");

    const QString plain = Write("plain.txt", "Zed\tOslo\tthis city name is far longer than thirty characters\n");
    run = Quorvane({"import", Table, plain, "--delimiter", "tab", "--no-header", "--map", "Field 1=LNAME", "--map",
                    "Field 3=city"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "encoding: UTF-8\ndelimiter: Tab\nheader: no\nImport complete. Imported 1 record.\n"
                       "1 value was longer than its field and was cut.\n");
    EXPECT_TRUE(List("LNAME,CITY").endsWith("Zed,this city name is far longer t\r\n"));
    EXPECT_EQ(Quorvane({"check", Table}).Status, 0);
}

TEST_F(ImportEndToEnd, DbfTableMatchedByNameWithItsMemo)
{
    const QString source = Folder.filePath("SOURCE.DBF");
    xbase::DbfCreator().addField("LNAME", 'C', 20).addField("COMPANY", 'C', 20).addField("MEMO", 'M').addField("ZIP", 'N', 5)
        .create(xbase::FileSystem::native(), source.toStdString());
    {
        auto table = xbase::DbfTable::open(xbase::FileSystem::native(), source.toStdString());
        table->appendBlank();
        table->setText(0, "Smith");
        table->setText(1, "Acme");
        table->setMemo(2, "four");
        table->setNumber(3, 62701);
        table->close();
    }
    TRun run = Quorvane({"import", Table, source, "--map", "COMPANY=Organization", "--auto-map"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "Import complete. Imported 1 record.\n");
    EXPECT_EQ(List("LNAME,ORG,ZIP,MEMO"), "LNAME,ORG,ZIP,MEMO\r\nSmith,Acme,62701,four \r\n");
}

TEST_F(ImportEndToEnd, TablesOfEarlierReleases)
{
    // Release 2.x tables have the fields of today's address table.
    const QString old2 = Folder.filePath("OLD2.DBF");
    ASSERT_EQ(Quorvane({"create", old2}).Status, 0);
    ASSERT_EQ(Quorvane({"import", old2, Write("names.csv", "LNAME,CODES\nAdams,X\nBaker,Y\n")}).Status, 0);
    TRun run = Quorvane({"import", Table, old2, "--release", "2"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "Import complete. Imported 2 records.\n");

    const QString old1 = Folder.filePath("OLD1.DBF");
    xbase::DbfCreator creator;
    for (const char* field : {"LNAME", "FNAME", "MIDDLE", "TITLE", "ORG", "STREET", "CITY", "STATE", "ZIP", "COUNTRY",
                              "PHONE", "EMAIL", "FAX", "NOTES", "PREFIX", "CARRIER"})
        creator.addField(field, 'C', 20);
    creator.addField("DATE", 'D').addField("MEMO", 'M').create(xbase::FileSystem::native(), old1.toStdString());
    {
        auto table = xbase::DbfTable::open(xbase::FileSystem::native(), old1.toStdString());
        table->appendBlank();
        table->setText(0, "Carter");
        table->setText(table->fieldIndex("NOTES"), "Z");
        table->setText(table->fieldIndex("DATE"), "19970428");
        table->close();
    }
    run = Quorvane({"import", Table, old1, "--release", "1"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(List("LNAME,CODES,DATE"), "LNAME,CODES,DATE\r\nAdams,X,\r\nBaker,Y,\r\nCarter,Z,19970428\r\n");

    run = Quorvane({"import", Table, old1, "--release", "2"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains("does not appear to be a Quorvane 2.x DBF")) << run.Err.toStdString();
}

TEST_F(ImportEndToEnd, ASourceThatCannotBeReadLeavesTheTableAsItWas)
{
    ASSERT_EQ(Quorvane({"import", Table, Write("one.csv", "LNAME\nFirst\n")}).Status, 0);
    const QString before = List("LNAME");
    for (const QStringList& arguments :
         {QStringList{"import", Table, Folder.filePath("missing.csv")}, QStringList{"import", Table, Write("empty.csv", "")},
          QStringList{"import", Table, Table}, QStringList{"import", Table, Write("BROKEN.DBF", "\x03\x7A\x01")},
          QStringList{"import", Table, Write("x.csv", "a,b\n"), "--map", "Field 9=LNAME"}}) {
        const TRun run = Quorvane(arguments);
        EXPECT_EQ(run.Status, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.Err.isEmpty());
    }
    EXPECT_TRUE(Quorvane({"import", Table, Table}).Err.contains("Cannot import a file to itself"));
    // Why a file would not open is said, with the file's name.
    const TRun missing = Quorvane({"import", Table, Folder.filePath("missing.csv")});
    EXPECT_TRUE(missing.Err.contains("Unable to open the file " + Folder.filePath("missing.csv") + ": No such file"))
        << missing.Err.toStdString();
    const TRun broken = Quorvane({"import", Table, Folder.filePath("BROKEN.DBF")});
    EXPECT_TRUE(broken.Err.contains("Unable to open the file " + Folder.filePath("BROKEN.DBF") + "\n")) << broken.Err.toStdString();
    EXPECT_EQ(List("LNAME"), before);
    EXPECT_EQ(Quorvane({"check", Table}).Status, 0);
}

} // namespace
