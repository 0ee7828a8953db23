#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "data/TDisplayDate.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"
#include "xbase/DbfCreator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TAddressFilesTest : public ::testing::Test {
protected:
    QTemporaryDir Home;
    TScriptedUserPrompts Prompts;

    void SetUp() override
    {
        TProgramFolder::SetPath(Home.path());
        QDir().mkpath(TProgramFolder::DataFolder());
        QDir().mkpath(TProgramFolder::SysdataFolder());
    }
    QString Data(const QString& name) const { return TProgramFolder::DataFolder() + name; }

    // A new address table with some people; names starting with '*' carry the delete flag,
    // with '-' only ISDEL.
    std::unique_ptr<TAddressTable> Table(std::initializer_list<const char*> lastNames,
                                         const TFieldLengths& widths = TFieldLengths())
    {
        const QString path = Data("ADD0001.DBF");
        EXPECT_TRUE(TAddressFiles::CreateAddressFile(path, widths));
        auto table = TAddressTable::Open(path);
        EXPECT_NE(table, nullptr);
        for (const char* name : lastNames) {
            table->Table().appendBlank();
            const QString text = QString::fromUtf8(name);
            const bool flagged = text.startsWith('*');
            const bool isdel = text.startsWith('-');
            table->SetFieldText("LNAME", flagged || isdel ? text.mid(1) : text);
            table->SetDeletedMark(isdel);
            table->Table().setDeleted(flagged);
        }
        table->Table().commit();
        return table;
    }
};

TEST_F(TAddressFilesTest, NewTableHasTheFieldsInOrderWithSettledWidthsAndTheTags)
{
    TIniFile ini(TProgramFolder::SettingsFile());
    ini.WriteInteger("NewFileFieldLengths", "FieldCITY", 4);
    ini.WriteInteger("NewFileFieldLengths", "FieldSTATE", 5);
    auto table = Table({}, TFieldLengths::Read(ini));
    const auto& fields = table->Table().fields();
    ASSERT_EQ(fields.size(), 23u);
    const auto& schema = TAddressSchema::StoredFields();
    for (size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(fields[i].name, schema[i].Name);
    EXPECT_EQ(table->FieldWidth("CITY"), 30);
    EXPECT_EQ(table->FieldWidth("STATE"), 5);
    EXPECT_EQ(table->FieldWidth("FAX"), 40);
    EXPECT_TRUE(table->CheckValidIndex());
    EXPECT_EQ(table->Area().tagName(1), "NAME");
    EXPECT_EQ(table->Area().index()->tagCount(), 26u);
    EXPECT_TRUE(table->Area().checkIndex().empty());
    EXPECT_TRUE(Prompts.Asked().empty());
}

TEST_F(TAddressFilesTest, OpeningRefusesMissingFilesAndTablesWithoutTheAddressFields)
{
    EXPECT_EQ(TAddressTable::Open(Data("NONE.DBF")), nullptr);
    EXPECT_EQ(Prompts.Texts(), QStringList({"File " + Data("NONE.DBF") + " not found"}));

    xbase::DbfCreator().addField("LNAME", 'C', 30).create(xbase::FileSystem::native(), Data("OTHER.DBF").toStdString());
    QString why;
    EXPECT_EQ(TAddressTable::Open(Data("OTHER.DBF"), &why), nullptr);
    EXPECT_TRUE(why.contains("FNAME"));
}

TEST_F(TAddressFilesTest, WideFieldsOfOtherTablesAreKept)
{
    TFieldLengths widths;
    widths.SetWidth("LNAME", 50);
    const QString longName = QString(45, 'W') + "end";
    auto table = Table({"short"}, widths);
    table->Table().appendBlank();
    table->SetFieldText("LNAME", longName);
    table->Table().commit();
    EXPECT_EQ(table->FieldWidth("LNAME"), 50);
    ASSERT_TRUE(table->SetOrderTag("LNAME"));
    table->Table().goBottom();
    EXPECT_EQ(table->FieldText("LNAME"), longName);
    EXPECT_TRUE(table->Area().checkIndex().empty());
}

TEST_F(TAddressFilesTest, RecordSetLeavesOutBothKindsOfDeletedRecords)
{
    auto table = Table({"Smith", "*Gone", "-Hidden", "Smithers", "Jones"});
    table->SetFilterText("");
    EXPECT_EQ(table->Count(), 3u);
    table->SetFilterText("UPPER(LNAME)=\"SMI\"");
    EXPECT_EQ(table->Count(), 2u);
    table->SetFilterText("UPPER(LNAME)=\"HID\"");
    EXPECT_EQ(table->Count(), 0u);
}

TEST_F(TAddressFilesTest, DerivedFieldsTagAndDate)
{
    TDisplayDate::SetSessionFormat("dd.MM.yyyy");
    auto table = Table({"Lee"});
    table->Table().goTop();
    table->SetFieldText("FNAME", "Ann");
    table->SetFieldText("DATE", "20240315");
    table->SetFieldText("TAG", "T57LQA6");
    table->SetFieldText("CITY", "Springfield");
    table->SetFieldText("STATE", "IL");
    table->SetFieldText("ZIP", "62701");
    EXPECT_EQ(table->Value("DisplayDate"), "15.03.2024");
    EXPECT_EQ(table->Value("FullName"), ""); // only while switched on
    table->SetExtraFields(true);
    EXPECT_EQ(table->Value("FullName"), "Ann Lee");
    EXPECT_EQ(table->Value("CityStateZip"), "Springfield IL 62701");
    TAddressTable::SetGlobalTagId("T57LQA6");
    EXPECT_TRUE(table->Tagged());
    TAddressTable::SetGlobalTagId("T57LQA7"); // clearing all tags: a new id, no record touched
    EXPECT_FALSE(table->Tagged());
    TDisplayDate::SetSessionFormat(QString());
}

TEST_F(TAddressFilesTest, RebuildRemovesFlaggedRecordsKeepsIsdelOnesAndShrinksTheFile)
{
    auto table = Table({"Smith", "*Gone", "-Hidden", "*Gone too", "Jones"});
    table->Table().commit();
    const qint64 sizeBefore = QFileInfo(Data("ADD0001.DBF")).size();
    ASSERT_TRUE(TAddressFiles::RebuildAddressTable(table->Area()));
    EXPECT_EQ(table->Table().recordCount(), 3u);
    EXPECT_TRUE(table->CheckValidIndex());
    EXPECT_TRUE(table->Area().checkIndex().empty());
    table->Close();
    EXPECT_LT(QFileInfo(Data("ADD0001.DBF")).size(), sizeBefore);
}

TEST_F(TAddressFilesTest, SystemTablesAreMadeWhenTheProgramOwnsThem)
{
    auto letters = TAddressFiles::OpenSystemTable(TSystemTable::stLetter);
    ASSERT_NE(letters, nullptr);
    EXPECT_EQ(letters->tagName(letters->order()), "DESCRIPT");
    letters.reset();

    QFile::remove(TProgramFolder::SysdataFolder() + "LETTER.CDX");
    letters = TAddressFiles::OpenSystemTable(TSystemTable::stLetter);
    ASSERT_NE(letters, nullptr);
    EXPECT_EQ(letters->tagNumber("DESCRIPT"), 1u);
    letters.reset();

    EXPECT_EQ(TAddressFiles::OpenSystemTable(TSystemTable::stCsz), nullptr);
    EXPECT_EQ(TAddressFiles::OpenSystemTable(TSystemTable::stLblTpl), nullptr);
    EXPECT_EQ(Prompts.Texts(), QStringList({"Unable to Open or Create CSZ.DBF", "Unable to Open LBLTPL.DBF"}));
    EXPECT_FALSE(QFileInfo::exists(TProgramFolder::SysdataFolder() + "CSZ.DBF"));

    std::vector<TSystemTable> visited;
    TAddressFiles::RebuildSystemTags([&](TSystemTable table) { visited.push_back(table); });
    EXPECT_EQ(visited.size(), 6u);
    EXPECT_EQ(visited[2], TSystemTable::stCsz);
}

} // namespace
