#include "QueryFakes.h"

#include "xbase/Expression.h"
#include "xbase/Query.h"
#include "xbase/XbaseError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace xbase {
namespace {

using fakes::FakeIndex;
using fakes::FakeTable;
using fakes::SequenceOrder;

const char* const kLastNames[] = {"Smith", "smithers", "Blacksmith", "SMYTHE", "Jones", "M\xFCller", "", "Sm", "Adams"};
const char* const kCodes[] = {"ABC", "b", "", "xCy", "a b", "C"};
const char* const kZips[] = {"60601", "59999", "6", "70000", "", "12345-6789", "69999"};
const char* const kStates[] = {"IL", "IN", "il", "", "CA"};

std::unique_ptr<FakeTable> sampleTable(uint32_t records)
{
    auto table = std::make_unique<FakeTable>(std::vector<FieldDef>{
        {"LNAME", 'C', 12}, {"FNAME", 'C', 8}, {"STATE", 'C', 4}, {"ZIP", 'C', 10},
        {"CODES", 'C', 6}, {"TAG", 'C', 8}, {"PREFIX", 'C', 8}, {"ISDEL", 'L', 1}});
    for (uint32_t i = 0; i < records; ++i) {
        DetachedRecord r = table->blank();
        r.setText("LNAME", kLastNames[i % 9]);
        r.setText("FNAME", i % 4 == 0 ? "Ann" : "Bob");
        r.setText("STATE", kStates[i % 5]);
        r.setText("ZIP", kZips[i % 7]);
        r.setText("CODES", kCodes[i % 6]);
        r.setText("TAG", i % 3 == 0 ? "T57LQA6" : "");
        r.setText("PREFIX", i % 10 == 0 ? "DELETED" : "Mr.");
        r.setLogical("ISDEL", i % 8 == 1);
        r.setFlaggedDeleted(i % 11 == 2);
        table->append(r);
    }
    return table;
}

std::vector<TagDescription> addressTags()
{
    return {{"NAME", "UPPER(LNAME-FNAME)"}, {"LNAME", "UPPER(LNAME)+UPPER(FNAME)"},
            {"STATE", "UPPER(STATE)"}, {"ZIP", "UPPER(ZIP)"}, {"TAG", "UPPER(TAG)"},
            {"CODES", "UPPER(CODES)"}, {"PREFIX", "UPPER(PREFIX)"}, {"DELETED", "DELETED()"},
            {"ISDEL", "ISDEL"}, {"NOTISDEL", "!ISDEL"}};
}

// The plain answer: every record read and tested.
uint32_t bruteCount(FakeTable& table, const std::string& condition, bool exact)
{
    const Expression e = Expression::compile(condition.empty() ? ".T." : condition, table.layout(), {exact});
    uint32_t count = 0;
    for (uint32_t r = 1; r <= table.recordCount(); ++r) {
        const RecordView& view = table.readRecord(r);
        if (!(table.hidden && view.isFlaggedDeleted()) && e.evaluateLogical(view))
            ++count;
    }
    return count;
}

const char* const kConditions[] = {
    "",
    "!ISDEL",
    "NOT ISDEL",
    "ISDEL",
    "UPPER(LNAME)=\"SMI\" .and. !ISDEL",
    "((UPPER(LNAME)=\"SMITH\").or.(UPPER(LNAME)=\"JONES\")) .and. !ISDEL",
    "\"C\"$UPPER(CODES) .and. !ISDEL",
    "UPPER(ZIP)>=\"6\" .and. !ISDEL",
    "((UPPER(ZIP)>=\"6\").and.(UPPER(ZIP)<\"7\")) .and. !ISDEL",
    "(UPPER(ZIP)<=\"60601\") and (UPPER(ZIP)>\"59999\") and UPPER(STATE)=\"IL\"",
    "UPPER(STATE)=\"IL\" and (UPPER(TAG)=\"T57LQA6\")",
    "(!(UPPER(LNAME)=\"SMI\" and UPPER(FNAME)=\"A\")) .and. !ISDEL",
    "((\"A\"$UPPER(CODES)).and..not.(\"B\"$UPPER(CODES))) .and. !ISDEL",
    "UPPER(LNAME)=\"M\xFC\"",
    "UPPER(LNAME)==\"SMITH       \"",
    "UPPER(LNAME)=\"SMITH\" .or. \"X\"$CODES",
    "UPPER(LNAME)<>\"SM\" .and. !ISDEL",
    "UPPER(LNAME)=\"\"",
    "UPPER(LNAME)<\"\" .or. UPPER(LNAME)>\"\"",
    "UPPER(LNAME)=\"A VERY LONG NAME INDEED\"",
    "UPPER(LNAME-FNAME)=\"SMITHANN\"",
    "UPPER(PREFIX)<>\"DELETED\"",
    "Recno()=17",
    "not DELETED()",
    "EMPTY(ZIP) .or. LEFT(upper(LNAME),2)==upper(\"sm\")",
    ".F.",
};

TEST(Query, CountsAgreeWithReadingEveryRecord)
{
    auto table = sampleTable(700);
    FakeIndex index(*table, addressTags());
    for (bool withIndex : {false, true}) {
        for (bool exact : {false, true}) {
            for (bool hidden : {true, false}) {
                table->index = withIndex ? &index : nullptr;
                table->hidden = hidden;
                Query query(*table, {exact});
                for (const char* condition : kConditions) {
                    query.setCondition(condition);
                    EXPECT_EQ(query.count(), bruteCount(*table, condition, exact))
                        << condition << " index=" << withIndex << " exact=" << exact << " hidden=" << hidden;
                }
            }
        }
    }
}

TEST(Query, TagsAnswerConditionsWithoutReadingRecords)
{
    auto table = sampleTable(5000);
    FakeIndex index(*table, addressTags());
    table->index = &index;
    Query query(*table);
    const char* const answeredByTags[] = {
        "UPPER(LNAME)=\"SMI\"", "!ISDEL", "UPPER(ZIP)>=\"6\" .and. !ISDEL", "not DELETED()",
        "((UPPER(LNAME)=\"SMITH\").or.(UPPER(LNAME)=\"JONES\")) .and. UPPER(STATE)<>\"IL\"",
    };
    for (const char* condition : answeredByTags) {
        table->reads = 0;
        query.setCondition(condition);
        const uint32_t count = query.count();
        EXPECT_EQ(table->reads, 0u) << condition;
        EXPECT_EQ(count, bruteCount(*table, condition, false)) << condition;
    }
    // A selective tag conjunct leaves only its candidates to read for the rest.
    table->reads = 0;
    query.setCondition("UPPER(LNAME)=\"JONES\" .and. \"C\"$UPPER(CODES)");
    query.count();
    EXPECT_GT(table->reads, 0u);
    EXPECT_LT(table->reads, 700u);
}

TEST(Query, MovesWithinTheSetInRecordAndIndexOrder)
{
    auto table = sampleTable(300);
    FakeIndex index(*table, addressTags());
    table->index = &index;
    const std::string condition = "UPPER(LNAME)=\"SM\" .and. !ISDEL";
    const Expression e = Expression::compile(condition, table->layout());
    auto member = [&](uint32_t r) {
        const RecordView& v = table->readRecord(r);
        return !v.isFlaggedDeleted() && e.evaluateLogical(v);
    };
    SequenceOrder byName(index.sequence(1));
    for (RecordOrder* order : {static_cast<RecordOrder*>(nullptr), static_cast<RecordOrder*>(&byName)}) {
        table->order = order;
        std::vector<uint32_t> expected;
        for (uint32_t r = order ? order->first() : 1; r != 0;
             r = order ? order->next(r, table->readRecord(r)) : (r < table->recordCount() ? r + 1 : 0)) {
            if (member(r))
                expected.push_back(r);
        }
        ASSERT_GT(expected.size(), 3u);
        Query query(*table);
        query.setCondition(condition);
        std::vector<uint32_t> forward;
        for (uint32_t r = query.top(); r != 0; r = query.skip(r, 1))
            forward.push_back(r);
        EXPECT_EQ(forward, expected);
        EXPECT_EQ(query.bottom(), expected.back());
        EXPECT_EQ(query.skip(expected.back(), -2), expected[expected.size() - 3]);
        EXPECT_EQ(query.skip(expected.front(), -1), 0u);
        EXPECT_EQ(query.skip(expected.front(), 3), expected[3]);
        EXPECT_TRUE(query.contains(expected[1]));
    }
    // The bitmap order and filter serve a table in record order directly.
    table->order = nullptr;
    Query query(*table);
    query.setCondition(condition);
    RecordOrder& order = query.recordOrder();
    uint32_t visited = 0;
    for (uint32_t r = order.first(); r != 0; r = order.next(r, table->readRecord(r))) {
        EXPECT_TRUE(query.filter().accepts(table->readRecord(r)));
        ++visited;
    }
    EXPECT_EQ(visited, query.count());
    EXPECT_FALSE(query.contains(0));
    EXPECT_FALSE(query.contains(table->recordCount() + 1));
}

TEST(Query, ChangedAndAppendedRecordsAreCheckedAfresh)
{
    auto table = sampleTable(40);
    Query query(*table);
    query.setCondition("UPPER(LNAME)=\"JONES\" .and. !ISDEL");
    const uint32_t before = query.count();
    // Record 5 is a Jones (index 4); the user deletes it.
    ASSERT_TRUE(query.contains(5));
    table->bytesOf(5)[table->layout().fields()[7].offset] = 'T';
    query.recordWritten(5, nullptr, table->bytesOf(5));
    EXPECT_FALSE(query.filter().accepts(table->readRecord(5)));
    DetachedRecord added = table->blank();
    added.setText("LNAME", "jones");
    added.setLogical("ISDEL", false);
    table->append(added);
    query.recordWritten(table->recordCount(), nullptr, table->bytesOf(table->recordCount()));
    EXPECT_TRUE(query.contains(table->recordCount()));
    EXPECT_EQ(query.bottom(), table->recordCount());
    EXPECT_EQ(query.count(), before);
    table->hidden = false;
    EXPECT_EQ(query.count(), bruteCount(*table, query.condition(), false));
}

TEST(Query, WalkSeesARecordThatChangedAheadOfIt)
{
    auto table = sampleTable(40);
    Query query(*table);
    query.setCondition("UPPER(LNAME)=\"JONES\" .and. !ISDEL");
    (void)query.count();
    std::vector<uint32_t> walked{query.top()};
    walked.push_back(query.skip(walked.back(), 1)); // the walk has looked ahead past record 30
    ASSERT_LT(walked.back(), 30u);
    // Record 30 (a Blacksmith) becomes a Jones while the walk stands before it.
    std::memcpy(table->bytesOf(30) + table->layout().fields()[0].offset, "Jones       ", 12);
    query.recordWritten(30, nullptr, table->bytesOf(30));
    for (uint32_t r = query.skip(walked.back(), 1); r != 0; r = query.skip(r, 1))
        walked.push_back(r);
    EXPECT_NE(std::find(walked.begin(), walked.end(), 30u), walked.end());
    EXPECT_EQ(walked.back(), 32u);
}

TEST(Query, ConditionsAreValidatedAndClearedByEmptyText)
{
    auto table = sampleTable(30);
    Query query(*table);
    query.setCondition("!ISDEL");
    const uint32_t notDeleted = query.count();
    EXPECT_THROW(query.setCondition("UPPER(LNAME"), XbaseError);
    EXPECT_THROW(query.setCondition("UPPER(LNAME)"), XbaseError);
    EXPECT_EQ(query.condition(), "!ISDEL");
    EXPECT_EQ(query.count(), notDeleted);
    query.setCondition("");
    EXPECT_FALSE(query.hasCondition());
    EXPECT_EQ(query.count(), bruteCount(*table, "", false));
    EXPECT_NO_THROW(query.validate("UPPER(LNAME)=\"X\" and ISDEL"));
}

TEST(Query, TestsAndEvaluatesOnTheCurrentRecord)
{
    auto table = sampleTable(10);
    Query query(*table);
    const RecordView& first = table->readRecord(1);
    EXPECT_TRUE(query.test("UPPER(LNAME)=\"SMI\"", first));
    EXPECT_FALSE(query.evaluateLogical("ISDEL", first));
    EXPECT_EQ(query.evaluateText("TRIM(LNAME)+\", \"+FNAME", first), "Smith, Ann     ");
    EXPECT_EQ(query.evaluateText("Recno()", first), "1");
    query.setExact(true);
    EXPECT_FALSE(query.test("UPPER(LNAME)=\"SMI\"", first));
    EXPECT_THROW(query.test("LNAME+", first), XbaseError);
}

} // namespace
} // namespace xbase
