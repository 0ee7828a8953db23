// presort and zip-count run through the quorvane binary on a small table.
#include "QuorvaneProcess.h"

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "prompts/TScriptedUserPrompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PresortCommandsEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString Table = Folder.filePath("ADD0001.DBF");
    QString Home = Folder.filePath("home");
    TScriptedUserPrompts Prompts;

    void SetUp() override
    {
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(Table, TFieldLengths()));
        auto table = TAddressTable::Open(Table);
        ASSERT_NE(table, nullptr);
        QStringList zips{"12001", "K1A 0B1", "", "-60601", "12002"};
        for (int i = 0; i < 10; ++i)
            zips << "12345";
        for (const QString& zip : zips) {
            table->Table().appendBlank();
            table->SetFieldText("ZIP", zip.startsWith('-') ? zip.mid(1) : zip);
            table->SetDeletedMark(zip.startsWith('-'));
        }
        table->Close();
    }

    TRun Quorvane(const QStringList& arguments) { return RunQuorvane(Home, arguments); }
    static QByteArray Contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(PresortCommandsEndToEnd, PresortWritesTheListAndPrintsTheSummary)
{
    const TRun run = Quorvane({"presort", Table});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "5-digit: 1 groups, 10 pieces\n3-digit: 0 groups, 0 pieces\nADC: 1 groups, 2 pieces\n"
                       "Unknown: 0 pieces\nNot presortable: 2 records\n");
    EXPECT_EQ(Contents(Home + "/PRESORT.PSL"),
              "** 5-digit 12345\r\n12345\r\n** ADC ALBANY NY 120\r\n12001\r\n12002\r\n");

    const QString out = Folder.filePath("only-12.psl");
    const TRun filtered = Quorvane({"presort", Table, "--query", "Zip or Postal=120", "--out", out});
    ASSERT_EQ(filtered.Status, 0) << filtered.Err.toStdString();
    EXPECT_EQ(Contents(out), "** ADC ALBANY NY 120\r\n12001\r\n12002\r\n");
}

TEST_F(PresortCommandsEndToEnd, ZipCountAsCsvAndAsPdf)
{
    const TRun csv = Quorvane({"zip-count", Table, "--csv"});
    ASSERT_EQ(csv.Status, 0) << csv.Err.toStdString();
    EXPECT_EQ(csv.Out, "zip,count\r\n12001,1\r\n12002,1\r\n12345,10\r\nK1A 0,1\r\nBLANK,1\r\n");

    const QString pdf = Folder.filePath("count.pdf");
    const TRun printed = Quorvane({"zip-count", Table, "--pdf", pdf});
    ASSERT_EQ(printed.Status, 0) << printed.Err.toStdString();
    EXPECT_TRUE(Contents(pdf).startsWith("%PDF"));
}

TEST_F(PresortCommandsEndToEnd, MisusedOptionsGiveStatus2)
{
    const QStringList misuses[] = {
        {"zip-count", Table},
        {"zip-count", Table, "--csv", "--pdf", "x.pdf"},
        {"zip-count", Table, "--printer", "No Such Printer"},
        {"zip-count", "--csv"},
        {"presort", Table, "--order", "ZIP"},
        {"presort", Table, "--out"},
        {"presort", Folder.filePath("MISSING.DBF")},
        {"presort", Table, "--out", Folder.filePath("no/such/folder/PRESORT.PSL")},
    };
    for (const QStringList& arguments : misuses) {
        const TRun run = Quorvane(arguments);
        EXPECT_EQ(run.Status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Err.contains("quorvane: " + arguments[0] + ": ")) << run.Err.toStdString();
    }
}

} // namespace
