#include "data/TFilterBuilder.h"

#include <gtest/gtest.h>

namespace {

struct TConditionCase {
    const char* Field;
    const char* Value;
    const char* Condition;
};

TEST(TFilterBuilderTest, EntryGrammarGivesTheseConditions)
{
    const TConditionCase cases[] = {
        {"LNAME", "smith;jones", R"(((UPPER(LNAME)="SMITH").or.(UPPER(LNAME)="JONES")))"},
        {"CODES", "$C", R"("C"$UPPER(CODES))"},
        {"ZIP", ">=6", R"(UPPER(ZIP)>="6")"},
        {"ZIP", ">6", R"(UPPER(ZIP)>"6")"},
        {"ZIP", "<=6", R"(UPPER(ZIP)<="6")"},
        {"ZIP", "<6", R"(UPPER(ZIP)<"6")"},
        {"ZIP", ">=6+<7", R"(((UPPER(ZIP)>="6").and.(UPPER(ZIP)<"7")))"},
        {"CODES", "$A^$B", R"((("A"$UPPER(CODES)).and..not.("B"$UPPER(CODES))))"},
        // ";" splits first, so A+B;C is (A and B) or C.
        {"CODES", "$a+$b;$c", R"((((("A"$UPPER(CODES)).and.("B"$UPPER(CODES)))).or.("C"$UPPER(CODES))))"},
        {"STATE", "IL;", R"(((UPPER(STATE)="IL").or.(UPPER(STATE)="")))"}, // empty pieces stay
        {"CITY+STATE", "spring", R"(UPPER(CITY+STATE)="SPRING")"},
        {"LNAME", "müller", R"(UPPER(LNAME)="MÜLLER")"},
        {"LNAME", "straße", R"(UPPER(LNAME)="STRAßE")"}, // ß has no single capital
        // A value is delimited by a quote it does not hold, so it can neither break the
        // condition nor add one of its own.
        {"ORG", "big \"q", R"(UPPER(ORG)='BIG "Q')"},
        {"LNAME", "a\" .or. \"1\"=\"1", R"(UPPER(LNAME)='A" .OR. "1"="1')"},
        {"LNAME", "$o'neil \"jr\"", R"([O'NEIL "JR"]$UPPER(LNAME))"},
        {"LNAME", "x;it's", R"(((UPPER(LNAME)="X").or.(UPPER(LNAME)="IT'S")))"},
    };
    for (const auto& entry : cases)
        EXPECT_EQ(TFilterBuilder::BuildFieldCondition(entry.Field, QString::fromUtf8(entry.Value)),
                  QString::fromUtf8(entry.Condition))
            << entry.Value;
}

TEST(TFilterBuilderTest, ValueHoldingEveryQuoteIsRefusedWhereverItStands)
{
    for (const char* value : {"a\"b'c]", ">=a\"b'c]", "smith;a\"b'c]", "$x+$\"']"}) {
        try {
            const QString condition = TFilterBuilder::BuildFieldCondition("LNAME", QString::fromUtf8(value));
            ADD_FAILURE() << value << " gave " << condition.toStdString();
        } catch (const EFilterValue& refused) {
            EXPECT_TRUE(QString::fromUtf8(refused.what()).contains("cannot be searched for")) << refused.what();
        }
    }
    TQueryValues values;
    values.Values[3] = "\"']";
    EXPECT_THROW(TFilterBuilder::BuildQueryString(values, "T57LQA6"), EFilterValue);
    EXPECT_TRUE(values.AsksForFilter()); // the dialog still knows a filter was asked for
}

TEST(TFilterBuilderTest, TextAfterAnOperatorIsCutTo99Characters)
{
    const QString long150(150, u'x');
    EXPECT_EQ(TFilterBuilder::BuildFieldCondition("LNAME", "$" + long150),
              "\"" + QString(99, u'X') + "\"$UPPER(LNAME)");
    EXPECT_EQ(TFilterBuilder::BuildFieldCondition("LNAME", long150), "UPPER(LNAME)=\"" + QString(150, u'X') + "\"");
}

TEST(TFilterBuilderTest, QueryStringJoinsTrimmedValuesInEntryOrderThenTagThenReverse)
{
    TQueryValues values;
    EXPECT_EQ(TFilterBuilder::BuildQueryString(values, "T57LQA6"), "");
    values.Reverse = true;
    EXPECT_EQ(TFilterBuilder::BuildQueryString(values, "T57LQA6"), ""); // Reverse alone sets nothing

    values.Values[15] = " $C "; // Codes
    values.Values[0] = "  smi";   // Last
    values.Values[1] = "   ";     // First: blank counts as empty
    values.Reverse = false;
    EXPECT_EQ(TFilterBuilder::BuildQueryString(values, "T57LQA6"), R"(UPPER(LNAME)="SMI" and "C"$UPPER(CODES))");

    values.Tagged = true;
    values.Reverse = true;
    EXPECT_EQ(TFilterBuilder::BuildQueryString(values, "T57LQA6"),
              R"((!(UPPER(LNAME)="SMI" and "C"$UPPER(CODES) and (UPPER(TAG)="T57LQA6"))))");

    TQueryValues tagOnly;
    tagOnly.Tagged = true;
    EXPECT_EQ(TFilterBuilder::BuildQueryString(tagOnly, "T57LQA6"), R"((UPPER(TAG)="T57LQA6"))");
    // Without a tag id nothing is tagged; an empty begins-with text would match every record.
    EXPECT_EQ(TFilterBuilder::BuildQueryString(tagOnly, ""), "(.F.)");
}

TEST(TFilterBuilderTest, EntriesAreFoundByCaptionInAnyCase)
{
    EXPECT_EQ(TQueryValues::EntryIndex("zip or postal"), 6);
    EXPECT_EQ(TQueryValues::EntryIndex("E-MAIL"), 13);
    EXPECT_EQ(TQueryValues::EntryIndex("Comment 2"), 17);
    EXPECT_EQ(TQueryValues::EntryIndex("Middle"), -1);
    EXPECT_STREQ(TQueryValues::Entries()[7].Expression, "CITY+STATE");
}

} // namespace
