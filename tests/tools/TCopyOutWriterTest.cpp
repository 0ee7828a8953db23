// Copy out: the name checks, the text lines (quotes doubled), the UTF-8 form, the DBF copy with
// memos and the padding rule, and a stopped copy keeping what it wrote.
#include "ToolsTestTable.h"

#include "data/TCp1252.h"
#include "tools/TCopyOutWriter.h"
#include "xbase/CdxIndex.h"
#include "xbase/DbfTable.h"
#include "xbase/WorkArea.h"

#include <QDir>

#include <QFile>

namespace {

class CopyOutWriterTest : public ToolsTestTable {
protected:
    QByteArray Read(const QString& path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
};

TEST_F(CopyOutWriterTest, NameChecksComeInOrder)
{
    Create({{{"LNAME", "A"}}});
    const QString existing = Home.filePath("OLD.DBF");
    QFile(existing).open(QIODevice::WriteOnly);
    EXPECT_FALSE(TCopyOutWriter::AcceptTarget(TCopyKind::ckDbf, Home.filePath("out.txt"), TablePath()));
    EXPECT_FALSE(TCopyOutWriter::AcceptTarget(TCopyKind::ckDbf, TablePath().toLower().replace("add0001", "ADD0001"), TablePath()));
    EXPECT_FALSE(TCopyOutWriter::AcceptTarget(TCopyKind::ckText, existing, TablePath()));
    Prompts.Answer(true);
    EXPECT_TRUE(TCopyOutWriter::AcceptTarget(TCopyKind::ckDbf, existing, TablePath()));
    EXPECT_TRUE(TCopyOutWriter::AcceptTarget(TCopyKind::ckDbf, Home.filePath("new.dbf"), TablePath()));
    EXPECT_EQ(Prompts.Texts(), QStringList({"Must have a .DBF extension", "Cannot copy a file to itself!",
                                            existing + " already exists.\r\nDo you want to overwrite it?",
                                            existing + " already exists.\r\nDo you want to overwrite it?"}));
    EXPECT_EQ(Prompts.Asked()[2].Caption, "Warning!");
    EXPECT_EQ(Prompts.Asked()[2].Default, TQuestionDefault::qdNo);
}

TEST_F(CopyOutWriterTest, TextLinesQuoteEveryValueAndDoubleQuotes)
{
    Create({{{"LNAME", "Smith"}, {"ORG", "The \"Best\" Co"}, {"DATE", "20240315"}, {"CODES", "AB"}, {"MEMO", "not exported"}},
            {},
            {{"LNAME", "Gone"}, {"ISDEL", ""}}});
    Table->SetOrderTag(QString());
    const QString target = Home.filePath("OUT.TXT");
    EXPECT_EQ(TCopyOutWriter::CopyToText(*Table, target), 2u);
    QByteArray empty;
    for (int i = 0; i < 20; ++i)
        empty += i ? ",\"\"" : "\"\"";
    EXPECT_EQ(Read(target), "\"\",\"\",\"\",\"Smith\",\"\",\"The \"\"Best\"\" Co\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                            "\"20240315\",\"\",\"\",\"AB\"\r\n" +
                                empty + "\r\n");
}

TEST_F(CopyOutWriterTest, Utf8FormHasAHeaderLine)
{
    Create({{{"LNAME", "Müller"}}});
    const QString target = Home.filePath("OUT.CSV");
    TCopyOutWriter::CopyToText(*Table, target, true);
    const QList<QByteArray> lines = Read(target).split('\n');
    EXPECT_TRUE(lines[0].startsWith("\"PREFIX\",\"FNAME\",\"MIDDLE\",\"LNAME\""));
    EXPECT_TRUE(lines[1].contains("\"Müller\"")) << lines[1].toStdString();
}

TEST_F(CopyOutWriterTest, DbfCopyKeepsFieldsMemosAndOrder)
{
    std::vector<TRecordValues> people;
    for (int i = 0; i < 45; ++i)
        people.push_back({{"LNAME", QString("Name%1").arg(44 - i, 2, 10, QChar('0'))}, {"TAG", "T1"}, {"CITY", "Ithaca"}});
    people[0]["MEMO"] = "four"; // a multiple of 4: padded
    people[1]["MEMO"] = "three";
    people.push_back({{"LNAME", "Deleted"}, {"ISDEL", ""}});
    Create(people);
    const QString target = Home.filePath("COPY.DBF");
    EXPECT_EQ(TCopyOutWriter::CopyToDbf(*Table, target), 45u);

    auto copy = xbase::DbfTable::open(xbase::FileSystem::native(), target.toStdString());
    ASSERT_EQ(copy->recordCount(), 45u);
    EXPECT_EQ(copy->fields().size(), Table->Table().fields().size());
    copy->go(1);
    EXPECT_EQ(copy->text(copy->fieldIndex("LNAME")), "Name00") << "in the table's order (LNAME)";
    copy->go(45);
    EXPECT_EQ(copy->text(copy->fieldIndex("LNAME")), "Name44");
    EXPECT_EQ(copy->memoText(copy->fieldIndex("MEMO")), "four ");
    EXPECT_EQ(copy->text(copy->fieldIndex("TAG")), "T1");
    EXPECT_EQ(copy->text(copy->fieldIndex("ISDEL")), "");
    copy->go(44);
    EXPECT_EQ(copy->memoText(copy->fieldIndex("MEMO")), "three");
}

// The engine names a table's index and memo in its extension's case: exporting over out.dbf
// must not leave out.cdx of an older copy behind (nor OUT.FPT of a hand-made one), and the
// new copy opens with its own 26 tags in the right order.
TEST_F(CopyOutWriterTest, CopyOverAnOlderCopyGetsItsOwnIndex)
{
    std::vector<TRecordValues> first = {{{"LNAME", "Zed"}}, {{"LNAME", "Young"}}, {{"LNAME", "Xu"}}};
    Create(first);
    const QString target = Home.filePath("out.dbf");
    ASSERT_EQ(TCopyOutWriter::CopyToDbf(*Table, target), 3u);
    ASSERT_TRUE(QFile::exists(Home.filePath("out.cdx")));
    QFile stray(Home.filePath("out.FPT"));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.write("not a memo file");
    stray.close();

    Table->Close();
    std::vector<TRecordValues> second;
    for (int i = 0; i < 45; ++i)
        second.push_back({{"LNAME", QString("Name%1").arg(i, 2, 10, QChar('0'))}, {"MEMO", "m"}});
    Create(second);
    ASSERT_EQ(TCopyOutWriter::CopyToDbf(*Table, target), 45u);
    EXPECT_FALSE(QFile::exists(Home.filePath("out.FPT")));
    EXPECT_EQ(QDir(Home.path()).entryList({"out.*", "OUT.*"}, QDir::Files), (QStringList{"out.cdx", "out.dbf", "out.fpt"}));

    auto copy = xbase::WorkArea::open(xbase::FileSystem::native(), target.toStdString());
    ASSERT_NE(copy->index(), nullptr);
    EXPECT_EQ(copy->index()->tagCount(), 26u);
    EXPECT_TRUE(copy->checkIndex().empty());
    copy->setOrder(copy->tagNumber("LNAME"));
    copy->table().goTop();
    EXPECT_EQ(copy->table().text(copy->table().fieldIndex("LNAME")), "Name00");
    EXPECT_EQ(copy->table().recordCount(), 45u);
}

// The open table is refused however its path is spelt, and the refusal leaves no file behind.
TEST_F(CopyOutWriterTest, TheOpenTableIsRefusedThroughLinksAndOtherSpellings)
{
    Create({{{"LNAME", "A"}}});
    const QString link = Home.filePath("link.dbf");
    ASSERT_TRUE(QFile::link(TablePath(), link));
    const QString dotted = TProgramFolder::DataFolder() + "../DATA/./add0001.dbf";
    for (const QString& target : {link, dotted}) {
        SCOPED_TRACE(target.toStdString());
        Prompts.Clear();
        EXPECT_FALSE(TCopyOutWriter::AcceptTarget(TCopyKind::ckDbf, target, TablePath(), true));
        EXPECT_EQ(Prompts.Texts(), QStringList{"Cannot copy a file to itself!"});
    }
    EXPECT_FALSE(QFile::exists(TProgramFolder::DataFolder() + "add0001.dbf"));
    EXPECT_TRUE(QDir(TProgramFolder::DataFolder()).entryList({"*.saving*"}).isEmpty());
}

TEST_F(CopyOutWriterTest, StoppedCopyKeepsTheRecordsWritten)
{
    std::vector<TRecordValues> people(30, TRecordValues{{"LNAME", "X"}});
    Create(people);
    const auto stopAfter10 = [](const TToolStep& step) { return step.Done < 10; };
    EXPECT_EQ(TCopyOutWriter::CopyToDbf(*Table, Home.filePath("TEN.DBF"), stopAfter10), 10u);
    EXPECT_EQ(xbase::DbfTable::open(xbase::FileSystem::native(), Home.filePath("TEN.DBF").toStdString())->recordCount(), 10u);
    EXPECT_EQ(TCopyOutWriter::CopyToText(*Table, Home.filePath("TEN.TXT"), false, stopAfter10), 10u);
    EXPECT_EQ(Read(Home.filePath("TEN.TXT")).count("\r\n"), 10);
}

TEST_F(CopyOutWriterTest, UnwritableTargetGivesTheDiskMessage)
{
    Create({{{"LNAME", "A"}}});
    try {
        TCopyOutWriter::CopyToText(*Table, Home.filePath("no/such/folder/OUT.TXT"));
        FAIL() << "no error";
    } catch (const EErrorCopying& error) {
        EXPECT_STREQ(error.what(), "Error copying - possibly Disk Full");
    }
    try {
        TCopyOutWriter::CopyToDbf(*Table, Home.filePath("no/such/folder/OUT.DBF"));
        FAIL() << "no error";
    } catch (const EErrorCopying& error) {
        EXPECT_STREQ(error.what(), "There was an error copying");
    }
}

} // namespace
