// Search and replace: the conditions (with quoting of typed text), the confirmation text, the
// left-to-right replacement and the run over the table.
#include "ToolsTestTable.h"

#include "tools/TFieldReplacer.h"

namespace {

TReplaceOptions Options(const QString& field, const QString& search, const QString& with, bool contains, bool caseSensitive,
                        bool matchingOnly)
{
    TReplaceOptions o;
    o.Field = field;
    o.Search = search;
    o.Replacement = with;
    o.Contains = contains;
    o.CaseSensitive = caseSensitive;
    o.MatchingTextOnly = matchingOnly;
    return o;
}

TEST(FieldReplacerRulesTest, ConditionsQuoteTheTypedText)
{
    struct {
        TReplaceOptions Options;
        const char* Condition;
    } cases[] = {
        {Options("CITY", "", "x", false, true, false), "EMPTY(CITY)"},
        {Options("CITY", "cow", "x", true, true, false), "\"cow\"$CITY"},
        {Options("CITY", "cow", "x", true, false, false), "upper(\"COW\")$upper(CITY)"},
        {Options("CITY", "Spring", "x", false, true, false), "LEFT(CITY,6)==\"Spring\""},
        {Options("CITY", "Spring", "x", false, false, false), "LEFT(upper(CITY),6)==upper(\"SPRING\")"},
        {Options("ORG", "12\" pipe", "x", true, true, false), "'12\" pipe'$ORG"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TFieldReplacer::SearchCondition(c.Options).value_or("(refused)"), c.Condition);
    EXPECT_FALSE(TFieldReplacer::SearchCondition(Options("ORG", "\"'[]", "", true, true, false)));
}

TEST(FieldReplacerRulesTest, ConfirmationTextIsBuiltExactly)
{
    EXPECT_EQ(TFieldReplacer::ConfirmationText(Options("CITY", "spring", "Fall", false, false, false)),
              "Find records where field City\rexactly matches: \"spring\" (not case sensitive)\r"
              "and replace the entire field with \"Fall\"");
    EXPECT_EQ(TFieldReplacer::ConfirmationText(Options("LNAME", "a", "", true, true, true)),
              "Find records where field Last Name\rcontains: \"a\"  (case sensitive)\rand delete the matching text ");
    EXPECT_EQ(TFieldReplacer::ConfirmationText(Options("ZIP", "", "", false, true, false)),
              "Find records where field Zip\ris empty \rand delete the entire field ");
}

TEST(FieldReplacerRulesTest, ReplacementScansLeftToRightAndNeverRescans)
{
    struct {
        const char* Value;
        const char* Search;
        const char* With;
        bool CaseSensitive;
        const char* Out;
    } cases[] = {
        {"COWBOY", "cow", "horse", false, "horseBOY"},
        {"banana", "a", "aa", true, "baanaanaa"},
        {"Banana", "A", "o", false, "Bonono"},
        {"Banana", "A", "o", true, "Banana"},
        {"", "", "N/A", true, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TFieldReplacer::ReplaceText(c.Value, c.Search, c.With, c.CaseSensitive), c.Out) << c.Value;
    EXPECT_EQ(TFieldReplacer::ReplaceText(QString(60, u'a'), "a", "b", true), QString(50, u'b') + QString(10, u'a'));
}

class FieldReplacerTest : public ToolsTestTable {
protected:
    void SetUp() override
    {
        ToolsTestTable::SetUp();
        Create({{{"CITY", "SPRINGFIELD"}, {"STATE", "IL"}, {"ORG", "COWBOY"}},
                {{"CITY", "Spring Valley"}, {"STATE", "NY"}},
                {{"CITY", "Aspring"}, {"STATE", "IL"}},
                {{"CITY", ""}, {"STATE", "IL"}},
                {{"CITY", "springs"}, {"FLAG", ""}}});
    }
};

TEST_F(FieldReplacerTest, RunReplacesMatchingRecordsOnly)
{
    EXPECT_EQ(TFieldReplacer::Run(*Table, Options("CITY", "SPRING", "Fall", false, false, false)), 2u);
    EXPECT_EQ(FieldOf(1, "CITY"), "Fall");
    EXPECT_EQ(FieldOf(2, "CITY"), "Fall");
    EXPECT_EQ(FieldOf(3, "CITY"), "Aspring");
    EXPECT_EQ(FieldOf(5, "CITY"), "springs") << "flagged records are passed over";

    EXPECT_EQ(TFieldReplacer::Run(*Table, Options("CITY", "", "N/A", false, true, false)), 1u);
    EXPECT_EQ(FieldOf(4, "CITY"), "N/A");
    EXPECT_EQ(TFieldReplacer::Run(*Table, Options("ORG", "", "", false, true, true)), 3u) << "counted, nothing to replace";
    EXPECT_EQ(TFieldReplacer::Run(*Table, Options("ORG", "cow", "horse", true, false, true)), 1u);
    EXPECT_EQ(FieldOf(1, "ORG"), "horseBOY");
}

TEST_F(FieldReplacerTest, RecordConditionNarrowsAndLongResultsAreCut)
{
    TReplaceOptions o = Options("STATE", "IL", QString(30, u'X'), false, true, false);
    o.RecordCondition = "CITY=\"Aspring\"";
    EXPECT_EQ(TFieldReplacer::Run(*Table, o), 1u);
    EXPECT_EQ(FieldOf(3, "STATE"), QString(20, u'X')) << "cut to the field's width";
    EXPECT_EQ(FieldOf(1, "STATE"), "IL");
    EXPECT_EQ(Table->Area().condition(), "!ISDEL") << "the record set is put back";
}

} // namespace

namespace {

// µ, ƒ and ß have no capital in the table's character set: ignoring case, they match only
// themselves, as the engine's UPPER() compares the field.
TEST_F(ToolsTestTable, IgnoringCaseUsesTheTablesUpperCase)
{
    Create({{{"ORG", "5 \u00b5m Optics"}}, {{"ORG", "5 Mm Optics"}}, {{"ORG", "\u0192 Finance"}},
            {{"ORG", "F Finance"}}, {{"ORG", "Stra\u00dfe"}}, {{"ORG", "STRASSE"}}, {{"ORG", "m\u00fcller"}}});
    Table->SetOrderTag(QString());
    struct TCase {
        QString Search;
        bool Contains;
        QString Org; // the ORG of the one record replaced
    };
    const std::vector<TCase> cases = {{QStringLiteral("\u00b5M"), true, "5 \u00b5m Optics"},
                                      {QStringLiteral("\u0192 fin"), false, "\u0192 Finance"},
                                      {QStringLiteral("stra\u00df"), false, "Stra\u00dfe"},
                                      {QStringLiteral("M\u00dcLLER"), false, "m\u00fcller"}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Search.toStdString());
        TReplaceOptions o;
        o.Field = "ORG";
        o.Search = c.Search;
        o.Replacement = "X";
        o.Contains = c.Contains;
        o.CaseSensitive = false;
        o.MatchingTextOnly = true;
        QStringList before = Column("ORG");
        EXPECT_EQ(TFieldReplacer::Run(*Table, o), 1u);
        const QStringList after = Column("ORG");
        int changed = 0;
        for (qsizetype i = 0; i < before.size(); ++i)
            if (before[i] != after[i]) {
                ++changed;
                EXPECT_EQ(before[i], c.Org);
            }
        EXPECT_EQ(changed, 1);
    }
}

} // namespace
