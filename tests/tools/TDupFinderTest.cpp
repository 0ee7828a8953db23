// The duplicate check: its kinds and keys, the "previous key" rule, the count and the result
// index, and the similar names check with its folded keys.
#include "ToolsTestTable.h"

#include "tools/TDupFinder.h"
#include "tools/TResultIndex.h"
#include "tools/TSimilarKey.h"

#include <QFileInfo>

namespace {

class DupFinderTest : public ToolsTestTable {
protected:
    // Runs a check and answers the count and the listed "LNAME/FNAME" (or street) in list order.
    std::pair<uint32_t, QStringList> Check(TDupOptions options, const TSimilarKey* words = nullptr)
    {
        TResultIndex result(*Table, TDupFinder::ResultPath(), TDupFinder::KeyExpression(options.Kind));
        const uint32_t count = TDupFinder::Run(*Table, result, options, {}, words);
        result.Install();
        QStringList listed;
        for (Table->Table().goTop(); !Table->Table().eof(); Table->Table().skip())
            listed << (options.Kind == TDupKind::dkStreet ? Table->FieldText("STREET")
                                                          : Table->FieldText("LNAME") + "/" + Table->FieldText("FNAME"));
        return {count, listed};
    }
};

TEST_F(DupFinderTest, NameKindsMatchNeighboursRegardlessOfCase)
{
    Create({{{"LNAME", "Smith"}, {"FNAME", "John"}},
            {{"LNAME", "smith"}, {"FNAME", "JOHN"}},
            {{"LNAME", "Smith"}, {"FNAME", "John"}},
            {{"LNAME", "Smith"}, {"FNAME", "Jane"}},
            {{"LNAME", "Ann"}, {"FNAME", "Lee"}},
            {{"LNAME", "Annl"}, {"FNAME", "ee"}},
            {{"FNAME", "Nobody"}},
            {{"FNAME", "Nobody"}},
            {{"LNAME", "Jones"}, {"FNAME", "Al"}}});
    struct {
        TDupKind Kind;
        uint32_t Count;
        QStringList Listed;
    } cases[] = {
        // A run of three counts 2; Ann/Lee meets Annl/ee because the parts join without a gap;
        // records without a last name never match.
        {TDupKind::dkLastFirst, 3, {"Ann/Lee", "Annl/ee", "Smith/John", "smith/JOHN", "Smith/John"}},
        // With the initial, Jane joins the Smiths (she sorts first, John follows her), while
        // Ann/L and Annl/e no longer meet.
        {TDupKind::dkLastInitial, 3, {"Smith/Jane", "Smith/John", "smith/JOHN", "Smith/John"}},
    };
    for (const auto& c : cases) {
        const auto [count, listed] = Check({c.Kind, 30});
        EXPECT_EQ(count, c.Count);
        EXPECT_EQ(listed, c.Listed) << listed.join(", ").toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(TDupFinder::ResultPath())) << "the result index is deleted with its object";
}

TEST_F(DupFinderTest, StreetKindComparesTheFirstCharactersOnly)
{
    Create({{{"STREET", "123 N Buffalo"}}, {{"STREET", "1234 S Eastern"}}, {{"STREET", "99 Elm"}}, {{"STREET", ""}}, {{"STREET", ""}}});
    EXPECT_EQ(Check({TDupKind::dkStreet, 3}).first, 1u);
    EXPECT_EQ(Check({TDupKind::dkStreet, 3}).second, QStringList({"123 N Buffalo", "1234 S Eastern"}));
    EXPECT_EQ(Check({TDupKind::dkStreet, 30}).first, 0u) << "empty streets do not take part";
}

TEST_F(DupFinderTest, DeletedAndFilteredRecordsStayOutAndTheOrderIsPutBack)
{
    Create({{{"LNAME", "Smith"}, {"FNAME", "John"}},
            {{"LNAME", "Smith"}, {"FNAME", "John"}, {"ISDEL", ""}},
            {{"LNAME", "Smith"}, {"FNAME", "John"}, {"FLAG", ""}},
            {{"LNAME", "Lee"}, {"FNAME", "Ann"}, {"STATE", "NY"}},
            {{"LNAME", "Lee"}, {"FNAME", "Ann"}, {"STATE", "IL"}}});
    EXPECT_EQ(Check({}).second, QStringList({"Lee/Ann", "Lee/Ann"}));
    Table->SetFilterText("STATE=\"NY\"");
    EXPECT_EQ(Check({}).first, 0u);
    EXPECT_EQ(Table->Area().tagName(Table->Area().order()), "LNAME");
}

TEST_F(DupFinderTest, CancelKeepsWhatWasFoundSoFar)
{
    Create({{{"LNAME", "A"}}, {{"LNAME", "A"}}, {{"LNAME", "B"}}, {{"LNAME", "B"}}});
    TResultIndex result(*Table, TDupFinder::ResultPath(), TDupFinder::KeyExpression(TDupKind::dkLastFirst));
    // The keys are read first (4 records), then walked; stop after the second walked record.
    const uint32_t count = TDupFinder::Run(*Table, result, {}, [](const TToolStep& step) { return step.Done < 6; });
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(result.Count(), 2u);
}

TEST(SimilarKeyTest, FoldsCaseAccentsPunctuationAndStreetWords)
{
    TSimilarKey keys;
    ASSERT_TRUE(keys.LoadWords(QStringLiteral(QUORVANE_SOURCE_DIR "/sysdata/STREETWORDS.TXT")));
    EXPECT_EQ(keys.Name("O'Brien-Smith"), "OBRIENSMITH");
    EXPECT_EQ(keys.Name("M\xfcller"), "MULLER"); // ü in Windows-1252
    EXPECT_EQ(keys.Name("Stra\xdf" "e"), "STRASSE");
    EXPECT_EQ(keys.Street("12 North Main Street"), keys.Street("12 n. main st"));
    EXPECT_EQ(keys.Street("4 Elm Avenue, Apt. 3"), "4ELMAVEAPT3");
    EXPECT_EQ(keys.Zip("12345-6789"), "12345");
    EXPECT_TRUE(TSimilarKey::NamesClose("SMITHJON", "SMITHJOHN"));
    EXPECT_FALSE(TSimilarKey::NamesClose("SMITHJOHN", "SMITHJANE"));
    EXPECT_TRUE(TSimilarKey::NamesClose("WILLIAMSONROBERT", "WILIAMSONROBBERT")) << "two edits from ten letters";
    EXPECT_EQ(TSimilarKey::Distance("KITTEN", "SITTING", 5), 3);
}

TEST_F(DupFinderTest, SimilarNamesOnTheSameZipAndStreetAreListed)
{
    TSimilarKey words;
    ASSERT_TRUE(words.LoadWords(QStringLiteral(QUORVANE_SOURCE_DIR "/sysdata/STREETWORDS.TXT")));
    Create({{{"LNAME", "Smith"}, {"FNAME", "John"}, {"STREET", "12 North Main Street"}, {"ZIP", "14850"}},
            {{"LNAME", "SMITH"}, {"FNAME", "Jon"}, {"STREET", "12 N. Main St"}, {"ZIP", "14850-1234"}},
            {{"LNAME", "Smith"}, {"FNAME", "Jane"}, {"STREET", "12 N Main St"}, {"ZIP", "14850"}},
            {{"LNAME", "Smith"}, {"FNAME", "John"}, {"STREET", "12 N Main St"}, {"ZIP", "90210"}},
            {{"LNAME", "M\u00fcller"}, {"FNAME", "Eva"}, {"STREET", "1 Oak Rd"}, {"ZIP", "10115"}},
            {{"LNAME", "Muller"}, {"FNAME", "Eva"}, {"STREET", "1 Oak Road"}, {"ZIP", "10115"}}});
    const auto [count, listed] = Check({TDupKind::dkSimilar, 30}, &words);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(listed, QStringList({"Muller/Eva", "Müller/Eva", "Smith/John", "SMITH/Jon"})) << listed.join(", ").toStdString();
}

} // namespace
