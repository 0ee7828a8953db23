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
