#include "data/TCsv.h"

#include <gtest/gtest.h>

TEST(TCsv, QuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(TCsv::FormatRecord({"Smith", "a,b", "say \"hi\"", "two\nlines", ""}),
              "Smith,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n");
}

TEST(TCsv, ParsesWhatItWritesAndSkipsComments)
{
    const QStringList fields = {"Smith", "a,b", "say \"hi\"", "two\r\nlines", ""};
    const auto records = TCsv::Parse("# comment\n" + TCsv::FormatRecord(fields) + "x,y\n", true);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], fields);
    EXPECT_EQ(records[1], QStringList({"x", "y"}));
    EXPECT_THROW(TCsv::Parse("a,\"open\nb"), std::runtime_error);
}
