#include "LetterTestTable.h"

#include "letters/TLetterMerge.h"
#include "richtext/TRichFormats.h"
#include "richtext/TRichTextFinder.h"
#include "richtext/TRtfWriter.h"

namespace {

const QDate Today(2024, 3, 5);
const QLocale English(QLocale::English, QLocale::UnitedStates);

QString Value(const TLetterRecord& record, const QString& field)
{
    for (const auto& [name, value] : TLetterMerge::FieldValues(record, Today, English))
        if (name == field)
            return value;
    ADD_FAILURE() << "no field " << field.toStdString();
    return {};
}

TEST(TLetterMergeTest, TheFieldsAreTheTwentyFiveInTheirOrders)
{
    ASSERT_EQ(TLetterMerge::FieldNames().size(), 25);
    const auto values = TLetterMerge::FieldValues(TLetterRecord(), Today, English);
    ASSERT_EQ(values.size(), 25u);
    QStringList merged;
    for (const auto& [name, value] : values)
        merged << name;
    EXPECT_EQ(QSet<QString>(merged.begin(), merged.end()),
              QSet<QString>(TLetterMerge::FieldNames().begin(), TLetterMerge::FieldNames().end()));
    EXPECT_EQ(merged.indexOf("Name and Address"), 22); // after the dates, as the merge has always gone
}

TEST(TLetterMergeTest, ValuesOfARecord)
{
    TLetterRecord full;
    full.Prefix = "Dr.";
    full.First = "Ann";
    full.Middle = "B";
    full.Last = "Lee";
    full.Title = "President";
    full.Org = "Northwind Supply";
    full.Street = "1 Main St";
    full.Street2 = "Suite 4";
    full.City = "Springfield";
    full.State = "IL";
    full.Zip = "62701";
    full.Country = "USA";
    full.Phone = "555-1234";
    full.Phone2 = "555-9999";
    full.Fax = "555-0000";
    full.Email = "ann@example.com";
    full.User1 = "one";
    full.User2 = "two";
    const std::pair<const char*, QString> expected[] = {
        {"Full Name", "Dr. Ann B. Lee"},
        {"Name and Address", "Dr. Ann B. Lee\r\nPresident,  Northwind Supply\r\n1 Main St\r\nSuite 4\r\nSpringfield IL  62701\r\nUSA\r\n"},
        {"First", "Ann"}, {"Last", "Lee"}, {"Middle", "B"}, {"Prefix", "Dr."}, {"Title", "President"},
        {"Organization", "Northwind Supply"}, {"Street", "1 Main St"}, {"Street 2", "Suite 4"},
        {"City+State+Zip", "Springfield IL 62701"}, {"City", "Springfield"}, {"State", "IL"}, {"Province", "IL"},
        {"Zip", "62701"}, {"Postal Code", "62701"}, {"Country", "USA"}, {"Phone", "555-1234"}, {"Phone 2", "555-9999"},
        {"Fax", "555-0000"}, {"E-Mail", "ann@example.com"}, {"Today's Date", English.toString(Today, QLocale::ShortFormat)},
        {"Long Date", "Mar 5, 2024"}, {"Comment 1", "one"}, {"Comment 2", "two"}};
    for (const auto& [field, value] : expected)
        EXPECT_EQ(Value(full, field), value) << field;
}

TEST(TLetterMergeTest, NameLinesAndAddressBlocks)
{
    struct TCase {
        TLetterRecord Record;
        QString FullName;
        QString CityStateZip;
        QString Block;
    };
    const auto record = [](std::initializer_list<std::pair<QString TLetterRecord::*, QString>> fields) {
        TLetterRecord r;
        for (const auto& [member, value] : fields)
            r.*member = value;
        return r;
    };
    using R = TLetterRecord;
    const TCase cases[] = {
        {record({{&R::Last, "Smith"}}), "Smith", "", "Smith\r\n"},
        {record({{&R::First, "Jo"}, {&R::Middle, "Q"}, {&R::Last, "Public"}}), "Jo Q. Public", "", "Jo Q. Public\r\n"},
        {record({{&R::Title, "President"}}), "", "", "President\r\n"},
        {record({{&R::Org, "Northwind"}}), "", "", "Northwind\r\n"},
        {record({{&R::City, "Springfield"}, {&R::Zip, "62701"}}), "", "Springfield  62701", "Springfield  62701\r\n"},
        {record({{&R::State, "IL"}, {&R::Zip, "62701"}}), "", "IL 62701", "IL  62701\r\n"},
        {record({{&R::City, "Springfield"}, {&R::State, "IL"}}), "", "Springfield IL", "Springfield IL\r\n"},
        {record({{&R::Prefix, " Ms."}, {&R::First, "Kim"}}), "Ms. Kim", "", "Ms. Kim\r\n"},
        {TLetterRecord(), "", "", ""},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(TLetterMerge::NameLine(c.Record), c.FullName);
        EXPECT_EQ(TLetterMerge::CityStateZip(c.Record), c.CityStateZip);
        EXPECT_EQ(TLetterMerge::NameAndAddress(c.Record), c.Block);
    }
}

class TReplaceTokensTest : public LetterTestTable {};

TEST_F(TReplaceTokensTest, TokensInAnyCaseTakeTheirFormat)
{
    auto letter = Letter(R"({\rtf1{\fonttbl{\f0 Arial;}{\f1 Times New Roman;}}\f0 Dear [FIRST] {\b\fs28\f1 [Last]}, )"
                         R"(or [{\i L}{\b ast}] [Province]/[state] [Zip]=[Postal code]. Kept: [] [ First] [Memo] [FullName] )"
                         R"([CityStateZip] [First})");
    TLetterRecord record;
    record.First = "Ann";
    record.Last = "Lee";
    record.State = "IL";
    record.Zip = "62701";
    TLetterMerge::ReplaceTokens(*letter, record, Today, English);
    EXPECT_EQ(Text(*letter), "Dear Ann Lee, or Lee IL/IL 62701=62701. Kept: [] [ First] [Memo] [FullName] [CityStateZip] [First");
    const QString text = Text(*letter);
    const auto at = [&](int position) { return TCharacterSettings::From(TRichTextFinder::AttributesAt(letter->Document(), position)); };
    const TCharacterSettings bold = at(int(text.indexOf("Lee")));
    EXPECT_TRUE(bold.Bold);
    EXPECT_EQ(bold.HalfPoints, 28);
    EXPECT_EQ(bold.FontName, "Times New Roman");
    const int split = int(text.indexOf("Lee", text.indexOf("or ")));
    EXPECT_TRUE(at(split).Italic);  // the first letter of the field name was italic
    EXPECT_FALSE(at(split + 2).Bold);
    EXPECT_FALSE(at(int(text.indexOf("Ann"))).Bold);
    EXPECT_EQ(letter->Caret().position(), 0);
}

TEST_F(TReplaceTokensTest, ValuesAreDataNeverTokensOrRtf)
{
    auto letter = Letter(R"({\rtf1 [Street] / [Phone] / [Street 2] / [Full Name]!\par [Name and Address]end})");
    TLetterRecord record;
    record.Street = "[Phone]";
    record.Phone = "555";
    record.Street2 = R"({\b x}\par \\)";
    record.Last = "Lee";
    TLetterMerge::ReplaceTokens(*letter, record, Today, English);
    EXPECT_EQ(Text(*letter), "[Phone] / 555 / {\\b x}\\par \\\\ / Lee!\nLee\n[Phone]\n{\\b x}\\par \\\\\nend");
    // ...and it stays so through a save and load.
    auto stored = Letter(TRtfWriter::Write(*letter));
    EXPECT_EQ(Text(*stored), Text(*letter));
}

TEST_F(TReplaceTokensTest, EmptyValuesRemoveTheirTokens)
{
    auto letter = Letter(R"({\rtf1 A[Middle]B[Name and Address]C})");
    TLetterMerge::ReplaceTokens(*letter, TLetterRecord(), Today, English);
    EXPECT_EQ(Text(*letter), "ABC");
}

TEST_F(TReplaceTokensTest, DoMergeReplacesEveryTokenOfOneField)
{
    auto letter = Letter(R"({\rtf1 [first] [First] [FIRST] [Last]})");
    TLetterMerge::DoMerge(*letter, "First", "[First]");
    EXPECT_EQ(Text(*letter), "[First] [First] [First] [Last]");
}

TEST_F(TReplaceTokensTest, RecordsComeFromTheStoredFields)
{
    Create({{"PREFIX=Dr.", "FNAME=Ann", "LNAME=Lee", "CITY=Springfield", "STATE=IL", "ZIP=62701", "USER1=vip"}});
    Table->SetExtraFields(false); // the letter command never switches the derived fields on
    const TLetterRecord record = TLetterRecord::FromTable(*Table);
    EXPECT_EQ(TLetterMerge::NameLine(record), "Dr. Ann Lee");
    EXPECT_EQ(TLetterMerge::CityStateZip(record), "Springfield IL 62701");
    EXPECT_EQ(record.User1, "vip");
}

} // namespace
