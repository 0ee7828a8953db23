// Rewriting a file through a temporary one: a write that fails at any byte leaves the old file
// byte for byte and nothing beside it; a finished one replaces it whole.
#include "data/TPrintableText.h"
#include "data/TSafeFileWriter.h"
#include "xbase/MemoryFileSystem.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(TSafeFileWriter, AFailedWriteLeavesTheOldFileAsItWas)
{
    const std::string path = "/m/USER.DIC";
    const QByteArray fresh(200000, 'n'); // several blocks
    for (const long long budget : {0LL, 1LL, 65536LL, 199999LL}) {
        SCOPED_TRACE(budget);
        xbase::MemoryFileSystem files;
        files.bytes(path) = {'o', 'l', 'd'};
        files.setWriteBudget(budget);
        EXPECT_THROW(
            {
                TSafeFileWriter writer(QString::fromStdString(path), files);
                writer.Write(fresh);
                writer.Commit();
            },
            ESafeWriteError);
        EXPECT_EQ(files.bytes(path), (xbase::MemoryFileSystem::Bytes{'o', 'l', 'd'}));
        EXPECT_FALSE(files.exists(path + ".saving"));
    }
    xbase::MemoryFileSystem files;
    files.bytes(path) = {'o', 'l', 'd'};
    {
        TSafeFileWriter abandoned(QString::fromStdString(path), files);
        abandoned.Write("half");
    } // an exception elsewhere: never committed
    EXPECT_EQ(files.bytes(path).size(), 3u);
    EXPECT_FALSE(files.exists(path + ".saving"));
    TSafeFileWriter writer(QString::fromStdString(path), files);
    writer.Write(fresh);
    writer.Commit();
    EXPECT_EQ(files.bytes(path).size(), size_t(fresh.size()));
    EXPECT_FALSE(files.exists(path + ".saving"));
}

TEST(TSafeFileWriter, OnTheDiskTheMessageNamesFileAndCause)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("list.txt");
    ASSERT_TRUE(TSafeFileWriter::WriteWhole(path, "one\r\n"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "one\r\n");
    QString error;
    EXPECT_FALSE(TSafeFileWriter::WriteWhole(folder.filePath("no/such/list.txt"), "x", &error));
    EXPECT_TRUE(error.contains(folder.filePath("no/such/list.txt.saving"))) << error.toStdString();
    EXPECT_TRUE(error.contains("No such file or directory")) << error.toStdString();
}

TEST(TPrintableText, ControlCharactersAreShownEscaped)
{
    EXPECT_EQ(TPrintableText::Escaped(QStringLiteral("LN\x1b[2JAME\t\u0085\u00e9")), "LN\\x1b[2JAME\\x09\\x85\u00e9");
    EXPECT_EQ(TPrintableText::Escaped(std::string_view("field \x07 bad\x7f")), "field \\x07 bad\\x7f");
}

} // namespace
