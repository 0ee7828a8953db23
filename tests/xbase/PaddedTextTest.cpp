#include "xbase/PaddedText.h"

#include <gtest/gtest.h>

#include <string>

namespace xbase {
namespace {

// Every field width from 1 to 40 at every offset in a record, with the content ending at every
// position, padded with blanks or NULs; the bytes around the field must not leak in.
TEST(PaddedTextTest, TrimsEveryWidthAndOffsetExactly)
{
    for (size_t width = 1; width <= 40; ++width)
        for (size_t offset = 0; offset <= 20; ++offset)
            for (size_t content = 0; content <= width; ++content)
                for (char pad : {' ', '\0'}) {
                    std::string record(offset, 'x');
                    std::string field(width, pad);
                    for (size_t i = 0; i < content; ++i)
                        field[i] = i % 3 == 1 ? ' ' : 'a'; // inner blanks stay
                    record += field + "yyyyyyyyyyyyyyyy";
                    const std::string_view view(record.data() + offset, width);
                    std::string expected = field.substr(0, content);
                    while (!expected.empty() && expected.back() == ' ')
                        expected.pop_back();
                    ASSERT_EQ(trimPadding(view, offset), expected) << width << " " << offset << " " << content;
                    ASSERT_EQ(trimPadding(view), expected) << width << " " << offset << " " << content;
                }
}

TEST(PaddedTextTest, LeadingPadding)
{
    EXPECT_EQ(trimLeadingPadding("   12.50"), "12.50");
    EXPECT_EQ(trimLeadingPadding("    "), "");
}

} // namespace
} // namespace xbase
