// The spell command as scripts use it, on the delivered main dictionary: the line format and
// exit status, --add growing quorvau.dct, and the errors.
#include "QuorvaneProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SpellCommandsEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString Home = Folder.filePath("home");

    TRun Spell(const QStringList& arguments) { return RunQuorvane(Home, QStringList{"spell"} + arguments); }

    void SetUp() override
    {
        const TRun first = Spell({"house"});
        if (!QFileInfo::exists(Home + "/quorva.dct"))
            GTEST_SKIP() << "the main dictionary was not built (no word list)";
        ASSERT_EQ(first.Status, 0) << first.Err.toStdString();
    }
};

TEST_F(SpellCommandsEndToEnd, ChecksSuggestsAndAdds)
{
    const TRun check = Spell({"house", "Dog's", "quorvane"});
    EXPECT_EQ(check.Status, 1);
    EXPECT_EQ(check.Out, "house\tOK\nDog's\tOK\nquorvane\tUNKNOWN\n");

    const TRun suggest = Spell({"--suggest", "--no-hunspell", "--max", "3", "recieve", "house"});
    EXPECT_EQ(suggest.Status, 1);
    const QStringList lines = suggest.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].split('\t').mid(0, 3), (QStringList{"recieve", "UNKNOWN", "receive"}));
    EXPECT_EQ(lines[0].split('\t').size(), 5);
    EXPECT_TRUE(lines[1].startsWith("house\tOK\thouse\t"));

    EXPECT_FALSE(QFileInfo::exists(Home + "/quorvau.dct"));
    EXPECT_EQ(Spell({"--add", "quorvane", "Vired"}).Status, 0);
    EXPECT_TRUE(QFileInfo::exists(Home + "/quorvau.dct"));
    const TRun after = Spell({"Quorvane", "vired"});
    EXPECT_EQ(after.Status, 0);
    EXPECT_EQ(after.Out, "Quorvane\tOK\nvired\tOK\n");
}

TEST_F(SpellCommandsEndToEnd, ErrorsExitWithTwo)
{
    EXPECT_EQ(Spell({}).Status, 2);
    EXPECT_EQ(Spell({"--max", "x", "word"}).Status, 2);

    // A main dictionary in the user dictionary's place is refused and left as it was.
    ASSERT_TRUE(QFile::copy(Home + "/quorva.dct", Home + "/quorvau.dct"));
    const qint64 size = QFileInfo(Home + "/quorvau.dct").size();
    const TRun wrongUser = Spell({"--add", "quorvane"});
    EXPECT_EQ(wrongUser.Status, 2);
    EXPECT_TRUE(wrongUser.Err.contains("not a user dictionary")) << wrongUser.Err.toStdString();
    EXPECT_EQ(Spell({"house"}).Status, 2);
    EXPECT_EQ(QFileInfo(Home + "/quorvau.dct").size(), size);

    QFile::remove(Home + "/quorvau.dct");
    // The program folder gets the delivered dictionary again only when it starts; a file that
    // is not a dictionary in its place is an error.
    QFile broken(Home + "/quorva.dct");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("nothing");
    broken.close();
    const TRun noMain = Spell({"house"});
    EXPECT_EQ(noMain.Status, 2);
    EXPECT_FALSE(noMain.Err.isEmpty());
}

} // namespace
