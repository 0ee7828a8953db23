// The state/ZIP check: the ranges with the whole-abbreviation and ZIP+4 mends, the blanks
// option, the result listed in name order, and the state table read from CSZ.DBF.
#include "ToolsTestTable.h"

#include "data/TAddressFiles.h"
#include "data/TAddressSchema.h"
#include "tools/TResultIndex.h"
#include "tools/TStateZipChecker.h"

#include <QFileInfo>

namespace {

TEST(StateZipRulesTest, RangesAbbreviationsAndZipPlusFour)
{
    TStateZipChecker checker;
    checker.AddState("NY", "10000", "14999");
    checker.AddState("NJ", "07000", "08999");
    checker.AddState("ON", "K", "P9Z");
    struct {
        const char* State;
        const char* Zip;
        bool Questionable;
    } cases[] = {
        {"NY", "10000", false},      {"NY", "14999", false},      {"NY", "09999", true}, {"NY", "15000", true},
        {"ny", "12345", false},      {"NY", "14999-0001", false}, // ZIP+4 inside the range's last ZIP
        {"NY", "15000-0001", true},  {"N", "12345", true},         // a part of an abbreviation finds nothing
        {"", "12345", true},         {"NY", "", true},             // an empty ZIP lies below every LOW_ZIP
        {"XX", "12345", true},       {"ON", "M5V 2T6", false},     {"ON", "A1A 1A1", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checker.Questionable(c.State, c.Zip), c.Questionable) << c.State << " " << c.Zip;
}

class StateZipCheckerTest : public ToolsTestTable {};

TEST_F(StateZipCheckerTest, ListsQuestionableRecordsInNameOrderAndHonoursTheBlanksOption)
{
    // CSZ.DBF as delivered: created from its definition, two rows and a duplicate NY row that a
    // seek never reaches (the first NY row in tag order wins).
    const QString csz = TAddressFiles::SystemTablePath(TSystemTable::stCsz);
    TAddressFiles::CreateSystemTableFile(TAddressSchema::SystemTableDef(TSystemTable::stCsz), csz);
    {
        auto rows = TAddressFiles::OpenSystemTable(TSystemTable::stCsz);
        ASSERT_NE(rows, nullptr);
        const char* states[][3] = {{"NY", "10000", "14999"}, {"IL", "60000", "62999"}, {"NY", "00000", "99999"}};
        for (const auto& s : states) {
            rows->table().appendBlank();
            rows->table().setText(rows->table().fieldIndex("STATE"), s[0]);
            rows->table().setText(rows->table().fieldIndex("LOW_ZIP"), s[1]);
            rows->table().setText(rows->table().fieldIndex("HIGH_ZIP"), s[2]);
        }
    }
    Create({{{"LNAME", "Zed"}, {"STATE", "NY"}, {"ZIP", "15000"}},
            {{"LNAME", "Adams"}, {"STATE", "IL"}, {"ZIP", "60601"}},
            {{"LNAME", "Brown"}, {"STATE", "TX"}, {"ZIP", "75001"}},
            {{"LNAME", "Carter"}, {"STATE", ""}, {"ZIP", "60601"}},
            {{"LNAME", "Avery"}, {"STATE", "NY"}, {"ZIP", "99999"}, {"ISDEL", ""}}});
    TStateZipChecker checker;
    ASSERT_TRUE(checker.LoadStates());
    for (const bool blanks : {false, true}) {
        TResultIndex result(*Table, TStateZipChecker::ResultPath(*Table), TStateZipChecker::KeyExpression);
        EXPECT_TRUE(QFileInfo(result.Path()).absolutePath() == QFileInfo(TablePath()).absolutePath());
        const uint32_t count = checker.Run(*Table, result, blanks);
        result.Install();
        EXPECT_EQ(count, blanks ? 3u : 2u);
        EXPECT_EQ(Column("LNAME"), blanks ? QStringList({"Brown", "Carter", "Zed"}) : QStringList({"Brown", "Zed"}));
    }
    EXPECT_FALSE(QFileInfo::exists(TStateZipChecker::ResultPath(*Table)));
}

TEST_F(StateZipCheckerTest, MissingStateTableIsReported)
{
    TStateZipChecker checker;
    EXPECT_FALSE(checker.LoadStates());
    EXPECT_EQ(Prompts.Texts(), QStringList({"Unable to Open or Create CSZ.DBF"}));
}

} // namespace
