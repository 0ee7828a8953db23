// The quorvane binary itself, run as a script would run it.
#include <QDir>
#include <QFile>
#include "QuorvaneProcess.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CommandLineEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString Table = Folder.filePath("ADD0001.DBF");

    TRun Quorvane(const QStringList& arguments) { return RunQuorvane(Folder.filePath("home"), arguments); }
};

TEST_F(CommandLineEndToEnd, CreateListCountCheckAndReindexAnAddressTable)
{
    ASSERT_EQ(Quorvane({"create", Table}).Status, 0);
    TRun run = Quorvane({"check", Table});
    EXPECT_EQ(run.Status, 0) << run.Out.toStdString();
    EXPECT_EQ(Quorvane({"count", Table}).Out, "0\n");
    run = Quorvane({"list", Table, "--raw", "--fields", "RECNO,LNAME,DELETED"});
    EXPECT_EQ(run.Out, "RECNO,LNAME,DELETED\r\n");
    EXPECT_EQ(Quorvane({"create", Table}).Status, 2); // never over an existing table
    run = Quorvane({"reindex", Table});
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("Rebuilding indexes"));
}

TEST_F(CommandLineEndToEnd, ForeignTableListsAsCsvInTagOrderAndCounts)
{
    const QString source = QString(QUORVANE_SHARED_DIR) + "/fixtures/foreign-1k/";
    if (!QFile::exists(source + "ADDR.DBF"))
        GTEST_SKIP() << "shared fixtures not present";
    for (const char* name : {"ADDR.DBF", "ADDR.FPT", "ADDR.CDX"})
        ASSERT_TRUE(QFile::copy(source + name, Folder.filePath(name)));
    const QString table = Folder.filePath("ADDR.DBF");

    const TRun raw = Quorvane({"count", table, "--raw"});
    const TRun all = Quorvane({"count", table, "--raw", "--all"});
    const TRun live = Quorvane({"count", table});
    EXPECT_EQ(all.Out, "1000\n");
    EXPECT_LT(live.Out.toInt(), raw.Out.toInt());
    EXPECT_EQ(Quorvane({"count", table, "--filter", "UPPER(LNAME)=\"AN\""}).Status, 0);

    const TRun list = Quorvane({"list", table, "--order", "LNAME", "--fields", "LNAME,FullName", "--filter", "UPPER(LNAME)=\"AN\""});
    ASSERT_EQ(list.Status, 0) << list.Err.toStdString();
    QStringList lines = list.Out.split("\r\n", Qt::SkipEmptyParts);
    EXPECT_EQ(lines.takeFirst(), "LNAME,FullName");
    for (int i = 1; i < lines.size(); ++i)
        EXPECT_LE(lines[i - 1].section(',', 0, 0).toUpper(), lines[i].section(',', 0, 0).toUpper()) << i;
    EXPECT_EQ(lines.size(), Quorvane({"count", table, "--filter", "UPPER(LNAME)=\"AN\""}).Out.trimmed().toInt());

    EXPECT_EQ(Quorvane({"check", table}).Status, 0);

    const QString pdf = Folder.filePath("record.pdf");
    const TRun print = Quorvane({"print-record", table, "--recno", "190", "--fields", "LNAME,CITY,MEMO", "--pdf", pdf});
    ASSERT_EQ(print.Status, 0) << print.Err.toStdString();
    EXPECT_TRUE(QFile(pdf).size() > 0);
    EXPECT_EQ(Quorvane({"print-record", table, "--recno", "5000", "--pdf", pdf}).Status, 2);
    EXPECT_EQ(Quorvane({"print-record", table, "--recno", "1", "--fields", "NOSUCH", "--pdf", pdf}).Status, 2);
}

TEST_F(CommandLineEndToEnd, BadInputGivesStatus2AndDamageGivesStatus1)
{
    ASSERT_EQ(Quorvane({"create", Table}).Status, 0);
    TRun bad = Quorvane({"count", Table, "--raw", "--filter", "UPPER(LNAME"});
    EXPECT_EQ(bad.Status, 2);
    EXPECT_TRUE(bad.Err.contains("position")) << bad.Err.toStdString();
    EXPECT_EQ(Quorvane({"list", Table, "--order", "NOSUCH"}).Status, 2);
    EXPECT_EQ(Quorvane({"list", Folder.filePath("missing.dbf"), "--raw"}).Status, 2);

    QFile index(Folder.filePath("ADD0001.CDX"));
    ASSERT_TRUE(index.open(QIODevice::ReadWrite));
    index.resize(1000);
    index.close();
    const TRun check = Quorvane({"check", Table});
    EXPECT_EQ(check.Status, 1);
    EXPECT_FALSE(check.Out.isEmpty());
}

} // namespace
