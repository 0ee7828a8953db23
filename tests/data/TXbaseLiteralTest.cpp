#include "data/TXbaseLiteral.h"

#include <gtest/gtest.h>

namespace {

struct LiteralCase {
    const char* value;
    const char* literal; // nullptr: refused
};

TEST(TXbaseLiteral, PicksTheFirstDelimiterTheValueDoesNotHold)
{
    const LiteralCase cases[] = {
        {"SMITH", "\"SMITH\""},
        {"", "\"\""},
        {"BIG \"Q", "'BIG \"Q'"},
        {"O'NEIL \"X\"", "[O'NEIL \"X\"]"},
        {"[A] \"B\" 'C'", nullptr},
    };
    for (const auto& c : cases) {
        const auto literal = TXbaseLiteral::Quote(QString::fromUtf8(c.value));
        if (!c.literal) {
            EXPECT_FALSE(literal.has_value()) << c.value;
            EXPECT_TRUE(TXbaseLiteral::RefusedMessage(QString::fromUtf8(c.value)).contains(QString::fromUtf8(c.value)));
        } else {
            ASSERT_TRUE(literal.has_value()) << c.value;
            EXPECT_EQ(literal->toStdString(), c.literal);
        }
    }
}

} // namespace
