// The filter options of list and count, run through the quorvane binary on a small table.
#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"

#include <QDir>
#include "QuorvaneProcess.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FilterOptionsEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString Table = Folder.filePath("ADD0001.DBF");
    TScriptedUserPrompts Prompts;

    // Smith and Blacksmith in Illinois, Jones in Indiana; Smith and Jones carry the tag id.
    void SetUp() override
    {
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(Table, TFieldLengths()));
        auto table = TAddressTable::Open(Table);
        ASSERT_NE(table, nullptr);
        const char* people[][4] = {{"Smith", "IL", "TAG1", "Big \"Q\" Ltd"},
                                   {"Blacksmith", "IL", "", "Big Q"},
                                   {"Jones", "IN", "TAG1", "Big \"R\""}};
        for (const auto& person : people) {
            table->Table().appendBlank();
            table->SetFieldText("LNAME", person[0]);
            table->SetFieldText("STATE", person[1]);
            table->SetFieldText("TAG", person[2]);
            table->SetFieldText("ORG", person[3]);
        }
        table->Close();
        TProgramFolder::SetPath(Folder.filePath("home"));
        QDir().mkpath(Folder.filePath("home"));
        TIniFile(TProgramFolder::SettingsFile()).WriteString("Misc", "GlobalTagId", "TAG1");
    }

    TRun Quorvane(const QStringList& arguments) { return RunQuorvane(Folder.filePath("home"), arguments); }
    QString Count(const QStringList& options) { return Quorvane(QStringList{"count", Table} + options).Out; }
};

TEST_F(FilterOptionsEndToEnd, QueriesCountAndListAsTheDialogFiltersThem)
{
    EXPECT_EQ(Count({"--query", "Last=$smi"}), "2\n");
    EXPECT_EQ(Count({"--query", "LAST=$smi", "--query", "state or prov=il;in", "--reverse"}), "1\n");
    EXPECT_EQ(Count({"--tagged"}), "2\n");
    EXPECT_EQ(Count({"--tagged", "--reverse"}), "1\n");
    EXPECT_EQ(Count({"--show-filter", "--query", "Last=smi", "--tagged"}),
              "filter: UPPER(LNAME)=\"SMI\" and (UPPER(TAG)=\"TAG1\")\n1\n");

    const TRun list = Quorvane({"list", Table, "--fields", "LNAME", "--query", "State or Prov=IL", "--order", "LNAME"});
    EXPECT_EQ(list.Status, 0) << list.Err.toStdString();
    EXPECT_EQ(list.Out, "LNAME\r\nBlacksmith\r\nSmith\r\n");
}

TEST_F(FilterOptionsEndToEnd, FilterThatMatchesNothingOrIsTooLongIsDropped)
{
    EXPECT_EQ(Count({"--show-filter", "--query", "Last=nobody"}), "filter: \n3\n");
    const TRun tooLong = Quorvane({"count", Table, "--query", "Last=" + QString(250, u'x')});
    EXPECT_EQ(tooLong.Status, 0);
    EXPECT_EQ(tooLong.Out, "3\n");
    EXPECT_TRUE(tooLong.Err.contains("Sorry - filter is too complex.Please simplify it.")) << tooLong.Err.toStdString();
}

TEST_F(FilterOptionsEndToEnd, QuotedValuesCountTheirRecordsAndAValueNoLiteralHoldsGivesStatus2)
{
    EXPECT_EQ(Count({"--show-filter", "--query", "Org=big \"q"}), "filter: UPPER(ORG)='BIG \"Q'\n1\n");
    EXPECT_EQ(Count({"--query", "Org=$\""}), "2\n");
    const TRun refused = Quorvane({"count", Table, "--query", "Org=a\"b'c]"});
    EXPECT_EQ(refused.Status, 2);
    EXPECT_TRUE(refused.Out.isEmpty()) << refused.Out.toStdString();
    EXPECT_TRUE(refused.Err.contains("cannot be searched for")) << refused.Err.toStdString();
}

TEST_F(FilterOptionsEndToEnd, MisusedOptionsGiveStatus2)
{
    for (const QStringList& options : {QStringList{"--query", "Middle=x"}, QStringList{"--query", "Last"},
                                       QStringList{"--query", "Last=x", "--filter", "LNAME=\"A\""},
                                       QStringList{"--tagged", "--raw"}}) {
        const TRun run = Quorvane(QStringList{"count", Table} + options);
        EXPECT_EQ(run.Status, 2) << options.join(' ').toStdString();
        EXPECT_FALSE(run.Err.isEmpty());
    }
    EXPECT_EQ(Count({"--show-filter", "--filter", "STATE=\"IN\""}), "filter: STATE=\"IN\"\n1\n");
}

} // namespace
