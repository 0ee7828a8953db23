#include "xbase/DetachedRecord.h"
#include "xbase/SortableDouble.h"
#include "xbase/XbaseError.h"
#include "xbase/XbaseExpressionCompiler.h"

#include <gtest/gtest.h>

namespace xbase {
namespace {

DetachedRecord addressRecord()
{
    DetachedRecord r({{"LNAME", 'C', 30}, {"FNAME", 'C', 30}, {"STATE", 'C', 20}, {"ZIP", 'C', 10},
                      {"ISDEL", 'L', 1}, {"AMOUNT", 'N', 8, 2}, {"BORN", 'D', 8}});
    r.setText("LNAME", "smith");
    r.setText("FNAME", "Jo");
    r.setText("STATE", "IL  ");
    r.setText("ZIP", "60601");
    r.setLogical("ISDEL", false);
    return r;
}

std::string hex(const std::string& bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

TEST(XbaseExpressionCompiler, TextKeysArePaddedToTheirWidth)
{
    const DetachedRecord record = addressRecord();
    const XbaseExpressionCompiler compiler;
    const struct { const char* text; uint16_t length; std::string key; } cases[] = {
        {"UPPER(LNAME-FNAME)", 60, "SMITHJO" + std::string(53, ' ')},
        {"UPPER(LNAME)+UPPER(FNAME)", 60, "SMITH" + std::string(25, ' ') + "JO" + std::string(28, ' ')},
        {"UPPER(STATE-ZIP)", 30, "IL60601" + std::string(23, ' ')},
        {"UPPER(descript)", 0, ""}, // no such field: must throw below
    };
    for (const auto& c : cases) {
        if (c.length == 0) {
            EXPECT_THROW(compiler.compileKey(c.text, record), XbaseError);
            continue;
        }
        const auto key = compiler.compileKey(c.text, record);
        EXPECT_EQ(key->keyType(), KeyType::Character);
        EXPECT_EQ(key->keyLength(), c.length) << c.text;
        std::string bytes = "stale";
        key->computeKey(record, bytes);
        EXPECT_EQ(bytes, c.key) << c.text;
    }
}

TEST(XbaseExpressionCompiler, VariableWidthKeysTakeTheirBlankRecordWidth)
{
    DetachedRecord record = addressRecord();
    const XbaseExpressionCompiler compiler;
    const auto key = compiler.compileKey("TRIM(LNAME)+FNAME", record);
    EXPECT_EQ(key->keyLength(), 30); // on a blank record TRIM(LNAME) is empty
    std::string bytes;
    key->computeKey(record, bytes);
    EXPECT_EQ(bytes, "smithJo" + std::string(23, ' '));
    record.setText("LNAME", std::string(30, 'x'));
    key->computeKey(record, bytes);
    EXPECT_EQ(bytes, std::string(30, 'x')); // cut to the key width
    EXPECT_THROW(compiler.compileKey("LNAME+LNAME+LNAME+LNAME+LNAME+LNAME+LNAME+LNAME+LNAME", record), XbaseError);
}

TEST(XbaseExpressionCompiler, NumberDateAndLogicalKeysUseTheSortableEncodings)
{
    DetachedRecord record = addressRecord();
    const XbaseExpressionCompiler compiler;
    std::string bytes;
    const auto amount = compiler.compileKey("AMOUNT", record);
    EXPECT_EQ(amount->keyType(), KeyType::Numeric);
    EXPECT_EQ(amount->keyLength(), 8);
    record.setNumber("AMOUNT", 12.5);
    amount->computeKey(record, bytes);
    EXPECT_EQ(hex(bytes), "C029000000000000");
    record.setNumber("AMOUNT", -12.5);
    amount->computeKey(record, bytes);
    EXPECT_EQ(hex(bytes), "3FD6FFFFFFFFFFFF");
    record.setText("AMOUNT", "");
    amount->computeKey(record, bytes);
    EXPECT_EQ(hex(bytes), "8000000000000000");

    const auto born = compiler.compileKey("BORN", record);
    EXPECT_EQ(born->keyType(), KeyType::Date);
    record.setText("BORN", "19960704");
    born->computeKey(record, bytes);
    EXPECT_EQ(hex(bytes), "C142B1AE80000000");

    const auto notDeleted = compiler.compileKey("!ISDEL", record);
    EXPECT_EQ(notDeleted->keyType(), KeyType::Logical);
    EXPECT_EQ(notDeleted->keyLength(), 1);
    notDeleted->computeKey(record, bytes);
    EXPECT_EQ(bytes, "T");
    record.setFlaggedDeleted(true);
    compiler.compileKey("DELETED()", record)->computeKey(record, bytes);
    EXPECT_EQ(bytes, "T");
}

TEST(XbaseExpressionCompiler, SortableDoublesOrderLikeTheirValues)
{
    const double values[] = {-1e300, -12.5, -1, -0.0, 0, 1e-300, 1, 12.5, 2450269, 1e300};
    std::string previous;
    for (double v : values) {
        std::string key(8, '\0');
        SortableDouble::encode(v, key.data());
        EXPECT_LE(previous, key) << v;
        EXPECT_EQ(SortableDouble::decode(key.data()), v == 0 ? 0.0 : v);
        previous = key;
    }
}

TEST(XbaseExpressionCompiler, ConditionsFollowTheExactSetting)
{
    const DetachedRecord record = addressRecord();
    XbaseExpressionCompiler compiler;
    EXPECT_TRUE(compiler.compileCondition("UPPER(LNAME)=\"SMI\" .and. !ISDEL", record)->test(record));
    compiler.setExact(true);
    EXPECT_FALSE(compiler.compileCondition("UPPER(LNAME)=\"SMI\"", record)->test(record));
    EXPECT_TRUE(compiler.compileCondition("UPPER(LNAME)=\"SMITH\"", record)->test(record));
    EXPECT_THROW(compiler.compileCondition("UPPER(LNAME)", record), XbaseError);
}

} // namespace
} // namespace xbase
