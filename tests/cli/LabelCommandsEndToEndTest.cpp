// `quorvane stocks ...` run as a script would run it, on the catalogue the build delivers.
#include "QuorvaneProcess.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LabelCommandsEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    TRun Quorvane(const QStringList& arguments) { return RunQuorvane(Folder.filePath("home"), arguments); }
};

TEST_F(LabelCommandsEndToEnd, StocksFiltersByTextAndPaper)
{
    TRun run = Quorvane({"stocks", "--search", "AVERY 5160 "});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    QStringList lines = run.Out.split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("DESCRIPT,LBLWIDTH,LBLHEIGHT,NBRACROSS,NBRDOWN,"));
    EXPECT_EQ(lines[1], "Avery 5160  Address Labels,2.625,1.000,3,10,0.500,0.188,2.750,1.000,8.500,11.000,LTR,LJ,RR,0.000,0.000");

    run = Quorvane({"stocks", "--european"});
    lines = run.Out.split("\r\n", Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 20);
    for (const QString& line : lines.mid(1))
        EXPECT_TRUE(line.contains(",A4,")) << line.toStdString();
    EXPECT_LT(lines.size(), Quorvane({"stocks"}).Out.count("\r\n"));
}

TEST_F(LabelCommandsEndToEnd, BadOptionsAndAnUnreadableCatalogueExitTwo)
{
    TRun run = Quorvane({"stocks", "--search"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains("usage: quorvane stocks"));

    ASSERT_EQ(Quorvane({"stocks"}).Status, 0);
    QFile catalogue(Folder.filePath("home/sysdata/LBLTPL.DBF"));
    ASSERT_TRUE(catalogue.open(QIODevice::WriteOnly | QIODevice::Truncate));
    catalogue.write("not a table");
    catalogue.close();
    run = Quorvane({"stocks"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains("Unable to Open LBLTPL.DBF")) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
}

} // namespace

namespace {

TEST_F(LabelCommandsEndToEnd, SetupsAddFromTemplateValuesAndLayoutThenList)
{
    TRun run = Quorvane({"setups", "labels", "add", "Club mailing", "--template", "Avery 5160  Address Labels"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "BIN00001.L\n");
    ASSERT_TRUE(QFile::exists(Folder.filePath("home/sysdata/BIN00001.L")));

    run = Quorvane({"setups", "labels", "add", "Badges", "--stock", "3,2,2,4,1,1,4,2.5,LTR", "--layout",
                    Folder.filePath("home/sysdata/BIN00001.L")});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "BIN00002.L\n");
    EXPECT_TRUE(Quorvane({"layout", "show", Folder.filePath("home/sysdata/BIN00002.L")})
                    .Out.startsWith("TLDMultiLineAddressLabel "));

    // Broken values and unknown templates are refused with no row and no file.
    run = Quorvane({"setups", "labels", "add", "Wide", "--stock", "5,1,2,10,0.5,0.2,4,1,LTR"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_FALSE(run.Err.isEmpty());
    run = Quorvane({"setups", "labels", "add", "Nope", "--template", "Avery 5160"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains("No label template")) << run.Err.toStdString();
    EXPECT_EQ(Quorvane({"setups", "labels", "add", "Both", "--template", "x", "--stock", "1"}).Status, 2);
    EXPECT_FALSE(QFile::exists(Folder.filePath("home/sysdata/BIN00003.L")));

    run = Quorvane({"setups", "labels"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out.split("\r\n", Qt::SkipEmptyParts),
              QStringList({"DESCRIPT,SHEET,LBLWIDTH,LBLHEIGHT,NBRACROSS,NBRDOWN,PAPERSIZE,BINARY",
                           "Badges,[User Defined],3.000,2.000,2,4,LTR,BIN00002.L",
                           "Club mailing,Avery 5160  Address Labels,2.625,1.000,3,10,LTR,BIN00001.L"}));
}

} // namespace
