// Case conversion: the three rules on examples, and the record choices with the filter and the
// current record put back.
#include "ToolsTestTable.h"

#include "tools/TCaseConverter.h"

namespace {

TEST(CaseConversionRulesTest, OnlyAsciiLettersChangeAndOnlyBlanksSeparateWords)
{
    struct {
        const char* In;
        TCaseConversion Conversion;
        const char* Out;
    } cases[] = {
        {"MARY ANN o'BRIEN", TCaseConversion::ccCapitalized, "Mary Ann O'brien"},
        {"jean-paul", TCaseConversion::ccCapitalized, "Jean-paul"},
        {"123 main st", TCaseConversion::ccCapitalized, "123 Main St"},
        {"  two  blanks", TCaseConversion::ccCapitalized, "  Two  Blanks"},
        {"école é", TCaseConversion::ccUpper, "éCOLE é"},
        {"MÜLLER Ab", TCaseConversion::ccLower, "mÜller ab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TCaseConverter::Convert(QString::fromUtf8(c.In), c.Conversion), QString::fromUtf8(c.Out)) << c.In;
}

// Names as people write them; a word already in mixed case is kept as written.
TEST(CaseConversionRulesTest, NamesKeepMcMacApostrophesHyphensAndParticles)
{
    const std::pair<const char*, const char*> names[] = {
        {"o'brien", "O'Brien"},       {"O'BRIEN", "O'Brien"},           {"O'Brien", "O'Brien"},
        {"macdonald", "MacDonald"},   {"MACDONALD", "MacDonald"},       {"MacDonald", "MacDonald"},
        {"mcdonald", "McDonald"},     {"McDonald", "McDonald"},         {"d'angelo", "D'Angelo"},
        {"D'ANGELO", "D'Angelo"},     {"worthington-smythe", "Worthington-Smythe"},
        {"WORTHINGTON-SMYTHE", "Worthington-Smythe"},                   {"Worthington-Smythe", "Worthington-Smythe"},
        {"van der berg", "van der Berg"}, {"VAN DER BERG", "van der Berg"}, {"van der Berg", "van der Berg"},
        {"MARY ANN O'BRIEN", "Mary Ann O'Brien"}, {"JOHN SMITH III", "John Smith III"},
        {"MACK", "Mack"},             {"MACHADO", "Machado"},           {"LE", "Le"},
        {"DeVries", "DeVries"},       {"MÜLLER", "Müller"},   {"jean-paul", "Jean-Paul"},
    };
    for (const auto& [before, after] : names)
        EXPECT_EQ(TCaseConverter::Convert(QString::fromUtf8(before), TCaseConversion::ccNames), QString::fromUtf8(after)) << before;
}

class CaseConverterTest : public ToolsTestTable {
protected:
    void SetUp() override
    {
        ToolsTestTable::SetUp();
        Create({{{"LNAME", "smith"}, {"CITY", "springfield"}, {"STATE", "il"}},
                {{"LNAME", "jones"}, {"CITY", "boston"}, {"STATE", "ma"}},
                {{"LNAME", "gone"}, {"ISDEL", ""}},
                {{"LNAME", "brown"}, {"CITY", "peoria"}, {"STATE", "il"}}});
    }
    QStringList AllFields() const
    {
        QStringList fields;
        for (const auto& f : TCaseConverter::Fields())
            fields << f.Name;
        return fields;
    }
};

TEST_F(CaseConverterTest, AllRecordsPassOverTheFilterButNeverDeletedOnes)
{
    Table->SetFilterText("STATE=\"il\"");
    Table->Table().goTop();
    const uint32_t current = Table->Table().recordNumber();
    const auto result = TCaseConverter::Run(*Table, TCaseRecords::crAll, TCaseConversion::ccUpper, AllFields());
    EXPECT_EQ(Table->Table().recordNumber(), current) << "the current record is put back";
    EXPECT_EQ(result.Changed, 3u);
    EXPECT_EQ(FieldOf(2, "CITY"), "BOSTON");
    EXPECT_EQ(FieldOf(3, "LNAME"), "gone");
    EXPECT_EQ(Table->Area().condition(), "STATE=\"il\".and. !ISDEL") << "the filter is put back";
}

TEST_F(CaseConverterTest, FilterChoiceAndCurrentRecordChangeOnlyTheirRecordsAndFields)
{
    Table->SetFilterText("STATE=\"ma\"");
    TCaseConverter::Run(*Table, TCaseRecords::crMatchingFilter, TCaseConversion::ccCapitalized, {"CITY"});
    EXPECT_EQ(FieldOf(2, "CITY"), "Boston");
    EXPECT_EQ(FieldOf(2, "LNAME"), "jones");
    EXPECT_EQ(FieldOf(1, "CITY"), "springfield");

    Table->SetFilterText(QString());
    Table->Table().go(4);
    const auto result = TCaseConverter::Run(*Table, TCaseRecords::crCurrent, TCaseConversion::ccUpper, AllFields());
    EXPECT_EQ(result.Visited, 1u);
    EXPECT_EQ(FieldOf(4, "LNAME"), "BROWN");
    EXPECT_EQ(FieldOf(1, "LNAME"), "smith");
}

TEST_F(CaseConverterTest, StoppedRunKeepsConvertedRecords)
{
    const auto result = TCaseConverter::Run(*Table, TCaseRecords::crAll, TCaseConversion::ccUpper, AllFields(),
                                            [](const TToolStep& step) { return step.Done < 1; });
    EXPECT_EQ(result.Visited, 1u);
    EXPECT_EQ(FieldOf(1, "LNAME"), "SMITH");
    EXPECT_EQ(FieldOf(2, "LNAME"), "jones");
}

} // namespace
