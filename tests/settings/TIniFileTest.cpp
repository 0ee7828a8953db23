#include "settings/TIniFile.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TIniFileTest : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString Path = Folder.filePath("QUORVA.ini");

    void WriteFile(const QByteArray& text)
    {
        QFile file(Path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray FileText() const
    {
        QFile file(Path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(TIniFileTest, IntegersFollowTheProfileRules)
{
    struct Case {
        const char* stored;
        int expected;
    };
    const Case cases[] = {
        {"2", 2},          {"0x2", 2},     {"0X1F", 31},  {"-7", -7},
        {"0x", 99},        {"12abc", 99},  {"abc", 99},   {"", 99},
        {"0xZZ", 99},      {" 5 ", 5},     {"010", 10},
    };
    for (const auto& c : cases) {
        WriteFile(QByteArray("[Editing]\nAggressiveSave=") + c.stored + "\n");
        EXPECT_EQ(TIniFile(Path).ReadInteger("Editing", "AggressiveSave", 99), c.expected) << "stored: " << c.stored;
    }
}

TEST_F(TIniFileTest, BooleansAreAnyNonZeroInteger)
{
    WriteFile("[Adding]\nPlugDate=2\nPlugCityState=0\nAutoDupCheck=yes\n");
    TIniFile ini(Path);
    EXPECT_TRUE(ini.ReadBool("Adding", "PlugDate", false));
    EXPECT_FALSE(ini.ReadBool("Adding", "PlugCityState", true));
    EXPECT_TRUE(ini.ReadBool("Adding", "AutoDupCheck", true)); // not a number: the default
    ini.WriteBool("Adding", "CarryOrg", true);
    EXPECT_TRUE(FileText().contains("CarryOrg=1\n"));
}

TEST_F(TIniFileTest, NamesCompareCaseInsensitivelyAndMissingThingsGiveDefaults)
{
    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadString("Misc", "GlobalTagId", "none"), "none"); // no file at all
    WriteFile("[misc]\nglobaltagid = T57LQA6 \n");
    EXPECT_EQ(ini.ReadString("MISC", "GlobalTagId", ""), "T57LQA6");
    EXPECT_EQ(ini.ReadString("Misc", "Missing", "d"), "d");
    EXPECT_EQ(ini.ReadString("Other", "GlobalTagId", "d"), "d");
}

TEST_F(TIniFileTest, TextIsReadUpTo1023Characters)
{
    TIniFile ini(Path);
    ini.WriteString("MRU", "Item1", QString(1500, 'x'));
    EXPECT_EQ(ini.ReadString("MRU", "Item1", "").size(), 1023);
}

TEST_F(TIniFileTest, WritesKeepEveryOtherLine)
{
    WriteFile("; kept comment\n[Adding]\nPlugDate=1\n\n[Misc]\nGettingStarted=1\n[Mine]\nstrange line\n");
    TIniFile ini(Path);
    ini.WriteInteger("adding", "plugdate", 0);       // replaced in place, original spelling of the name lost
    ini.WriteString("Adding", "DefaultCountry", "USA"); // added to its section
    ini.WriteString("MRU", "Item1", "/data/ADD0001.DBF");   // new section at the end
    EXPECT_EQ(FileText(), "; kept comment\n[Adding]\nplugdate=0\nDefaultCountry=USA\n\n[Misc]\nGettingStarted=1\n"
                          "[Mine]\nstrange line\n\n[MRU]\nItem1=/data/ADD0001.DBF\n");
    ini.DeleteKey("Misc", "GettingStarted");
    ini.EraseSection("Mine");
    EXPECT_EQ(ini.ReadSectionKeys("Adding"), QStringList({"plugdate", "DefaultCountry"}));
    EXPECT_FALSE(FileText().contains("strange line"));
}

TEST_F(TIniFileTest, AFailedWriteNamesTheFile)
{
    // A folder where the file should be: unwritable even for root, and reads give defaults.
    ASSERT_TRUE(QDir().mkpath(Path));
    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("Editing", "AggressiveSave", 1), 1);
    try {
        ini.WriteBool("Misc", "GettingStarted", false);
        ADD_FAILURE() << "the write should have failed";
    } catch (const TIniError& error) {
        EXPECT_NE(std::string(error.what()).find(Path.toStdString()), std::string::npos);
    }
}

TEST_F(TIniFileTest, AWriteIntoAMissingFolderFails)
{
    TIniFile ini(Folder.filePath("no/such/folder/QUORVA.ini"));
    EXPECT_THROW(ini.WriteString("Misc", "GlobalTagId", "X"), TIniError);
}

} // namespace

namespace {

// A large settings file is parsed once, not once per setting; a change on the disk, even one
// that keeps the file's size, is still seen by the next read.
TEST_F(TIniFileTest, ALargeFileIsParsedOnceAndChangesAreStillSeen)
{
    QByteArray text = "[Misc]\nValue=first\n[Filler]\n";
    for (int i = 0; i < 200000; ++i)
        text += "Key" + QByteArray::number(i) + "=some value to fill the file\n";
    WriteFile(text);
    {
        QFile file(Path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    const TIniFile settings(Path);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 500; ++i)
        ASSERT_EQ(settings.ReadString("misc", "value", {}), "first");
    EXPECT_LT(timer.elapsed(), 20000) << "every read parsed the file again";

    text.replace("Value=first", "Value=other"); // the same size
    WriteFile(text);
    EXPECT_EQ(settings.ReadString("Misc", "Value", {}), "other");
    TIniFile(Path).WriteString("Misc", "Value", "third");
    EXPECT_EQ(settings.ReadString("Misc", "Value", {}), "third");
}

} // namespace
