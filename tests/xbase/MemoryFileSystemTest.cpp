#include "xbase/MemoryFileSystem.h"
#include "xbase/XbaseError.h"

#include <gtest/gtest.h>

using namespace xbase;

TEST(MemoryFileSystem, ExclusiveOpenIsRefusedUntilTheFirstCloses)
{
    MemoryFileSystem fs;
    fs.bytes("a.dbf") = {1, 2, 3};
    auto first = fs.open("a.dbf", OpenMode::ReadWrite, true);
    EXPECT_THROW(fs.open("a.dbf", OpenMode::ReadWrite, true), XbaseError);
    first.reset();
    EXPECT_NO_THROW(fs.open("a.dbf", OpenMode::ReadWrite, true));
}

TEST(MemoryFileSystem, WriteBudgetTearsAWrite)
{
    MemoryFileSystem fs;
    auto file = fs.create("t", false);
    fs.setWriteBudget(3);
    const char data[] = "abcdef";
    EXPECT_THROW(file->writeAt(0, data, 6), XbaseError);
    EXPECT_EQ(fs.bytes("t").size(), 3u);
}
