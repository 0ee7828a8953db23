#include "xbase/DetachedRecord.h"
#include "xbase/Expression.h"
#include "xbase/XbaseError.h"

#include <gtest/gtest.h>

#include <cstring>

namespace xbase {
namespace {

DetachedRecord sampleRecord()
{
    DetachedRecord r({{"LNAME", 'C', 10}, {"FNAME", 'C', 8}, {"CODES", 'C', 6}, {"ISDEL", 'L', 1},
                      {"AMOUNT", 'N', 8, 2}, {"BORN", 'D', 8}, {"NOTES", 'M', 10}, {"COUNT", 'I', 4}});
    r.setText("LNAME", "M\xFCller");
    r.setText("FNAME", "Anna");
    r.setText("CODES", "abC");
    r.setLogical("ISDEL", false);
    r.setNumber("AMOUNT", 12.5);
    r.setText("BORN", "19960704");
    r.setMemo("NOTES", "call back");
    const int32_t count = -3;
    std::memcpy(r.bytes().data() + r.fields()[7].offset, &count, 4);
    r.setRecordNumber(7);
    return r;
}

struct Case {
    const char* expression;
    const char* expected; // the value as Expression::evaluateAsText gives it
};

class ExpressionValues : public ::testing::TestWithParam<Case> {};

TEST_P(ExpressionValues, EvaluatesOnTheSampleRecord)
{
    const DetachedRecord record = sampleRecord();
    const Expression e = Expression::compile(GetParam().expression, record);
    EXPECT_EQ(e.evaluateAsText(record), GetParam().expected) << GetParam().expression;
}

INSTANTIATE_TEST_SUITE_P(Language, ExpressionValues, ::testing::Values(
    // Fields keep their full padded width; case mapping covers the Windows-1252 letters.
    Case{"lname", "M\xFCller    "},
    Case{"UPPER(LNAME)", "M\xDCLLER    "},
    Case{"lower(\"\xDC\xC9X\xDF\x8A\")", "\xFC\xE9x\xDF\x9A"},
    Case{"UPPER(\"\xDF\xF7\xFF\")", "\xDF\xF7\x9F"},
    Case{"LNAME+FNAME", "M\xFCller    Anna    "},
    Case{"LNAME-FNAME", "M\xFCllerAnna        "},
    Case{"UPPER(LNAME-FNAME)", "M\xDCLLERANNA        "},
    Case{"TRIM(FNAME)+'|'+LTRIM('  x')+[|]+ALLTRIM('  y  ')", "Anna|x|y"},
    Case{"SUBSTR(LNAME,2,3)+SUBS(LNAME,5)+LEFT(FNAME,2)+RIGHT(TRIM(FNAME),2)", "\xFCller    Anna"},
    Case{"LEN(LNAME)+LEN(TRIM(LNAME))", "16"},
    Case{"STR(AMOUNT,8,2)+STR(7)+STR(123456,3)", "   12.50         7***"},
    Case{"VAL(' 42.5x')*2", "85"},
    Case{"DTOS(BORN)", "19960704"},
    Case{"DTOS(BORN+30)", "19960803"},
    Case{"DTOS(BORN+99999999)+DTOS(BORN-99999999)+'|'", "99991231        |"},
    Case{"BORN-STOD('19960101')", "185"},
    Case{"IIF(ISDEL, 'gone', 'kept')", "kept"},
    Case{"AMOUNT*2-COUNT", "28"},
    Case{"-AMOUNT % 5", "-2.5"},
    Case{"AMOUNT/0", "0"},
    Case{"RECNO()", "7"},
    Case{"NOTES", "call back"},
    Case{"AT('ll', LNAME)", "3"},
    Case{"ROUND(AMOUNT/3, 1)+INT(2.9)+ABS(-1)", "7.2"},
    // Logical operators, in every spelling the system and users write.
    Case{"!ISDEL", "T"},
    Case{"NOT ISDEL .and. .T.", "T"},
    Case{"not ISDEL and ISDEL or .t.", "T"},
    Case{"ISDEL .or. .not. .F.", "T"},
    Case{"\"C\"$UPPER(CODES) .and. !ISDEL", "T"},
    Case{"\"C\"$CODES .and..not. ISDEL", "T"},
    Case{"'c'$CODES", "F"},
    Case{" UPPER(LNAME)=\"M\"  and  (\"X\"$UPPER(CODES) OR \"C\"$UPPER(CODES)) ", "T"},
    Case{"''$CODES", "T"},
    Case{"DELETED()", "F"},
    Case{"Recno()=7 .and. RECNO()<>8 .and. RECNO()#8 .and. RECNO()!=8", "T"},
    Case{"!EMPTY(FNAME) .and. EMPTY(0) .and. EMPTY(STOD('')) .and. EMPTY(.F.)", "T"},
    Case{"EMPTY(SUBSTR(FNAME,5))", "T"},
    // Text "=" with exact off: the left text begins with the right one.
    Case{"UPPER(LNAME)=\"M\xDC\"", "T"},
    Case{"upper(LNAME)=upper(\"m\xFCller\")", "T"},
    Case{"LNAME=\"\"", "T"},
    Case{"TRIM(FNAME)=\"Anna \"", "F"},
    Case{"LNAME=\"M\xFCller\"", "T"},
    Case{"LNAME==\"M\xFCller\"", "F"},
    Case{"LNAME==\"M\xFCller    \"", "T"},
    Case{"LEFT(upper(LNAME),3)==upper(\"m\xFCl\")", "T"},
    Case{"FNAME<\"B\" .and. FNAME>=\"Ann\" .and. FNAME>\"Anna\" = .F.", "T"},
    Case{"AMOUNT>12 .and. AMOUNT<=12.5 .and. BORN>STOD('19960703')", "T"},
    Case{"(ISDEL = .F.) == .T.", "T"}));

TEST(ExpressionExact, EqualityIgnoresOnlyTrailingBlanks)
{
    const DetachedRecord record = sampleRecord();
    const ExpressionOptions exact{true};
    EXPECT_FALSE(Expression::compile("LNAME=\"M\xFC\"", record, exact).evaluateLogical(record));
    EXPECT_TRUE(Expression::compile("LNAME=\"M\xFCller\"", record, exact).evaluateLogical(record));
    EXPECT_TRUE(Expression::compile("TRIM(LNAME)=LNAME", record, exact).evaluateLogical(record));
    EXPECT_FALSE(Expression::compile("FNAME<>\"Anna\"", record, exact).evaluateLogical(record));
}

TEST(ExpressionWidth, TextWidthsAreKnownBeforeEvaluation)
{
    const DetachedRecord record = sampleRecord();
    const struct { const char* text; uint32_t width; bool fixed; } cases[] = {
        {"UPPER(LNAME)", 10, true}, {"LNAME-FNAME", 18, true}, {"SUBSTR(LNAME,3,4)", 4, true},
        {"LEFT(FNAME,20)", 8, true}, {"TRIM(LNAME)+FNAME", 18, false}, {"STR(AMOUNT,6)", 6, true},
        {"DTOS(BORN)", 8, true},
    };
    for (const auto& c : cases) {
        const Expression e = Expression::compile(c.text, record);
        EXPECT_EQ(e.width(), c.width) << c.text;
        EXPECT_EQ(e.root().fixedWidth(), c.fixed) << c.text;
    }
}

TEST(ExpressionErrors, NameThePosition)
{
    const DetachedRecord record = sampleRecord();
    const struct { const char* text; const char* fragment; } cases[] = {
        {"UPPER(LNAME", "position 12"},
        {"LNAME = NOSUCH", "unknown field NOSUCH"},
        {"FROB(LNAME)", "unknown function FROB"},
        {"LNAME + 1", "position 7"},
        {"\"abc", "closing"},
        {"ISDEL .and. LNAME", "position 7"},
        {"SUBSTR(LNAME)", "arguments"},
        {"LNAME ?", "unexpected character"},
        {"", "empty"},
        {"LNAME FNAME", "position 7"},
        {"AMOUNT $ LNAME", "$"},
        {".x.", "unknown word"},
        {"IIF(ISDEL, 1, 'a')", "one type"},
    };
    for (const auto& c : cases) {
        try {
            Expression::compile(c.text, record);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const XbaseError& e) {
            EXPECT_NE(std::string(e.what()).find(c.fragment), std::string::npos) << c.text << ": " << e.what();
        }
    }
}

TEST(ExpressionErrors, DeepNestingAndHugeTextFailCleanly)
{
    const DetachedRecord record = sampleRecord();
    const std::string deep = std::string(5000, '(') + "ISDEL" + std::string(5000, ')');
    EXPECT_THROW(Expression::compile(deep, record), XbaseError);
    std::string chain = "LNAME";
    for (int i = 0; i < 5000; ++i)
        chain += "+LNAME";
    EXPECT_THROW(Expression::compile(chain, record), XbaseError);
    std::string negations(100000, '!');
    EXPECT_THROW(Expression::compile(negations + "ISDEL", record), XbaseError);
    const std::string huge = "'" + std::string(70000, 'x') + "'";
    EXPECT_THROW(Expression::compile(huge, record), XbaseError);
    EXPECT_THROW(Expression::compile("IIF(ISDEL,1,2)", record).evaluateText(record), XbaseError);
}

TEST(ExpressionEvaluation, ReadsEachRecordFreshly)
{
    DetachedRecord record = sampleRecord();
    const Expression e = Expression::compile("UPPER(FNAME)+\"/\"+STR(AMOUNT,5,1)", record);
    EXPECT_EQ(e.evaluateText(record), "ANNA    / 12.5");
    record.setText("FNAME", "bo");
    record.setText("AMOUNT", "");
    EXPECT_EQ(e.evaluateText(record), "BO      /  0.0");
    record.setFlaggedDeleted(true);
    EXPECT_TRUE(Expression::compile("DELETED()", record).evaluateLogical(record));
}

} // namespace
} // namespace xbase

namespace xbase {
namespace {

TEST(ExpressionFields, WiderDialectBinaryFieldsReadAsNumbersAndDates)
{
    DetachedRecord record({{"PRICE", 'Y', 8}, {"WEIGHT", 'B', 8}, {"STAMP", 'T', 8}, {"SEQ", 'I', 4}});
    auto put = [&](int field, const void* value, size_t size) {
        std::memcpy(record.bytes().data() + record.fields()[static_cast<size_t>(field)].offset, value, size);
    };
    const int64_t price = 123456; // 12.3456 in ten-thousandths
    const double weight = -2.25;
    const int32_t stamp[2] = {2450269, 43200000}; // 1996-07-04 at noon
    const int32_t seq = 70000;
    put(0, &price, 8);
    put(1, &weight, 8);
    put(2, stamp, 8);
    put(3, &seq, 4);
    const struct { const char* text; const char* expected; } cases[] = {
        {"PRICE*10000", "123456"}, {"WEIGHT", "-2.25"}, {"DTOS(STAMP)", "19960704"},
        {"STAMP > STOD('19960704')", "T"}, {"SEQ+1", "70001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Expression::compile(c.text, record).evaluateAsText(record), c.expected) << c.text;
}

} // namespace
} // namespace xbase
