// The letters commands end to end: import, list, export, and a merge read back from its PDF.
#include "QuorvaneProcess.h"

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "letters/TLetterStore.h"
#include "settings/TProgramFolder.h"
#include "prompts/TScriptedUserPrompts.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LetterCommandsEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString Table = Folder.filePath("ADD0001.DBF");

    TRun Quorvane(const QStringList& arguments) { return RunQuorvane(Folder.filePath("home"), QStringList{"letters"} + arguments); }

    void SetUp() override
    {
        TScriptedUserPrompts prompts;
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(Table, TFieldLengths()));
        auto table = TAddressTable::Open(Table);
        ASSERT_NE(table, nullptr);
        const QStringList people[] = {{"Ann", "Lee", "IL"}, {"Bo", "Kim", "-"}, {"Cy", "Ng", "WY"}};
        for (const QStringList& person : people) {
            table->Table().appendBlank();
            table->SetFieldText("FNAME", person[0]);
            table->SetFieldText("LNAME", person[1]);
            table->SetFieldText("STATE", person[2]);
            table->SetDeletedMark(person[2] == "-");
        }
        table->Close();
    }

    void WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(Folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(LetterCommandsEndToEnd, ImportListExportAndMergeToPdf)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    WriteFile("welcome.rtf", R"({\rtf1 Dear [Full Name],\par {\b [LONG DATE]} [State]\page Second page.})");
    WriteFile("other.rtf", R"({\rtf1 Other})");
    WriteFile("bad.rtf", "not rtf");

    EXPECT_EQ(Quorvane({"import", "Welcome", Folder.filePath("welcome.rtf")}).Status, 0);
    EXPECT_EQ(Quorvane({"import", "another", Folder.filePath("other.rtf")}).Status, 0);
    EXPECT_EQ(Quorvane({"import", "WELCOME ", Folder.filePath("welcome.rtf")}).Out, "replaced letter \"Welcome\"\n");
    const TRun bad = Quorvane({"import", "broken", Folder.filePath("bad.rtf")});
    EXPECT_EQ(bad.Status, 2);
    EXPECT_TRUE(bad.Err.contains("not RTF"));
    EXPECT_EQ(Quorvane({"import", QString(51, 'x'), Folder.filePath("other.rtf")}).Status, 2);
    EXPECT_EQ(Quorvane({"list"}).Out, "another\nWelcome\n");

    const QString exported = Folder.filePath("exported.rtf");
    ASSERT_EQ(Quorvane({"export", "welcome", exported}).Status, 0);
    QFile file(exported);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("{\\rtf1\\ansi\\ansicpg1252"));

    const QString pdf = Folder.filePath("merged.pdf");
    const TRun merge = Quorvane({"merge", Table, "--letter", "welcome", "--copies", "2", "--date", "20240305", "--pdf", pdf});
    ASSERT_EQ(merge.Status, 0) << merge.Err.toStdString();
    EXPECT_EQ(merge.Out, "Letter Print Completed! 8 pages in " + pdf + "\n");
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString pages = QString::fromUtf8(text.readAllStandardOutput());
    const QStringList sheets = pages.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(sheets.size(), 8); // two records, two copies, two pages; the deleted record is left out
    EXPECT_TRUE(sheets[0].contains("Dear Ann Lee,")) << sheets[0].toStdString();
    EXPECT_TRUE(sheets[0].contains("Mar 5, 2024 IL"));
    EXPECT_TRUE(sheets[2].contains("Dear Ann Lee,"));
    EXPECT_TRUE(sheets[4].contains("Dear Cy Ng,"));
    EXPECT_TRUE(sheets[7].contains("Second page."));
}

TEST_F(LetterCommandsEndToEnd, MergeChoicesAndErrors)
{
    WriteFile("one.rtf", R"({\rtf1 To [Last].})");
    const QString letter = Folder.filePath("one.rtf");
    const QString pdf = Folder.filePath("one.pdf");
    const TRun outside = Quorvane({"merge", Table, "--letter-file", letter, "--query", "State or Prov=WY", "--choice",
                                   "from-current", "--recno", "1", "--pdf", pdf, "--preview-png", Folder.filePath("png")});
    ASSERT_EQ(outside.Status, 0) << outside.Err.toStdString();
    EXPECT_TRUE(outside.Err.contains("Current record is out of range. Starting with first record"));
    EXPECT_TRUE(outside.Out.startsWith("Letter Print Completed! 1 pages"));
    EXPECT_TRUE(QFile::exists(Folder.filePath("png/letter-0001-page-1.png")));

    EXPECT_EQ(Quorvane({"merge", Table, "--letter-file", letter, "--choice", "current", "--recno", "3", "--pdf", pdf}).Out,
              "Letter Print Completed! 1 pages in " + pdf + "\n");

    ASSERT_EQ(Quorvane({"import", "Twin", letter}).Status, 0); // the program folder exists from here
    {
        // The letter window can give two letters one name; the commands refuse to choose.
        TScriptedUserPrompts prompts;
        TProgramFolder::SetPath(Folder.filePath("home") + "/");
        auto store = TLetterStore::Open();
        ASSERT_NE(store, nullptr);
        store->Append("TWIN", "{\\rtf1 x}");
    }
    const TRun twins = Quorvane({"export", "twin", Folder.filePath("twin.rtf")});
    EXPECT_EQ(twins.Status, 2);
    EXPECT_TRUE(twins.Err.contains("2 letters are named"));
    EXPECT_EQ(Quorvane({"merge", Table, "--letter", "twin", "--pdf", pdf}).Status, 2);
    EXPECT_EQ(Quorvane({"merge", Table, "--letter", "nosuch", "--pdf", pdf}).Status, 2);
    const TRun failing = Quorvane({"merge", Table, "--letter-file", letter, "--pdf", Folder.filePath("no/such/dir/x.pdf")});
    EXPECT_EQ(failing.Status, 2);
    EXPECT_FALSE(failing.Out.contains("Completed"));
    EXPECT_EQ(Quorvane({"merge", Table, "--letter-file", letter, "--date", "20241399", "--pdf", pdf}).Status, 2);
    EXPECT_EQ(Quorvane({"merge", Table, "--letter-file", letter}).Status, 2);
    EXPECT_EQ(Quorvane({"merge", Table, "--letter-file", letter, "--copies", "1000", "--pdf", pdf}).Status, 2);
    EXPECT_EQ(Quorvane({"frobnicate"}).Status, 2);
    EXPECT_EQ(Quorvane({"merge", Table, "--letter-file", Folder.filePath("missing.rtf"), "--pdf", pdf}).Status, 2);
}

} // namespace
