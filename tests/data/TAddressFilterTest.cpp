#include "SmallAddressTable.h"

#include "data/TAddressFilter.h"
#include "data/TFilterFile.h"
#include "data/TXbaseLiteral.h"

#include <QDir>
#include <QFile>

namespace {

class TAddressFilterTest : public SmallAddressTable {
protected:
    TAddressFilter Filter;

    uint32_t Apply(std::initializer_list<std::pair<const char*, const char*>> entries, bool reverse = false)
    {
        Filter.ClearQueryVars();
        for (const auto& [caption, value] : entries)
            Filter.Values.Values[static_cast<size_t>(TQueryValues::EntryIndex(caption))] = QString::fromUtf8(value);
        Filter.Values.Reverse = reverse;
        return Filter.ApplyQuery(*Table);
    }
};

struct TCountCase {
    std::initializer_list<std::pair<const char*, const char*>> Entries;
    bool Reverse;
    uint32_t Count;
};

TEST_F(TAddressFilterTest, EntriesSelectTheRecordsTheyDescribe)
{
    const TCountCase cases[] = {
        {{{"Last", "smi"}}, false, 2},               // Smith, Smithers, not Blacksmith nor the ISDEL Smith
        {{{"Last", "$smi"}}, false, 3},              // and Blacksmith
        {{{"Last", "smith;jones"}}, false, 3},
        {{{"City", "spring"}}, false, 2},            // any state
        {{{"State or Prov", "IL;IN"}}, false, 3},
        {{{"Codes", "$A+$B"}}, false, 1},
        {{{"Codes", "$A^$B"}}, false, 2},
        {{{"Zip or Postal", ">=60000"}}, false, 3},
        {{{"Zip or Postal", ">=6+<65"}}, false, 2},
        {{{"Last", "müller"}}, false, 1},            // Windows-1252 upper case
        {{{"Last", "smi"}}, true, 3},                // Reverse: the others
        {{{"Last", "smi"}, {"State or Prov", "mo"}}, false, 1},
    };
    for (const auto& entry : cases) {
        EXPECT_EQ(Apply(entry.Entries, entry.Reverse), entry.Count) << Filter.FilterText().toStdString();
        EXPECT_EQ(Table->Count(), entry.Count);
    }
    EXPECT_TRUE(Prompts.Texts().isEmpty());
}

TEST_F(TAddressFilterTest, NoFilterShowsEveryLiveRecordAndCountsZero)
{
    EXPECT_EQ(Apply({{"Last", "  "}}), 0u);
    EXPECT_FALSE(Filter.IsSet());
    EXPECT_EQ(Table->Area().condition(), "!ISDEL");
    EXPECT_EQ(Table->Count(), 5u);
}

TEST_F(TAddressFilterTest, FilterThatMatchesNothingIsDropped)
{
    EXPECT_EQ(Apply({{"Last", "nobody"}, {"City", "x"}}), 0u);
    EXPECT_FALSE(Filter.IsSet());
    EXPECT_EQ(Filter.Values, TQueryValues());
    EXPECT_EQ(Table->Count(), 5u);
    EXPECT_TRUE(Prompts.Texts().isEmpty());
}

TEST_F(TAddressFilterTest, TooLongFilterIsRefusedWithAMessageAndDropped)
{
    // 243 characters of condition fit with " .and. !ISDEL"; one more does not.
    const QString fits = QString(243 - QString(R"(UPPER(LNAME)="")").size(), u'S');
    Filter.Values.Values[0] = fits;
    EXPECT_EQ(Filter.BuildQueryString().size(), 243);
    Filter.ApplyQuery(*Table); // matches nothing, but is not refused for its length
    EXPECT_TRUE(Prompts.Texts().isEmpty());

    Filter.Values.Values[0] = "$smi;" + QString(230, u'x'); // only text after an operator is cut
    EXPECT_EQ(Filter.ApplyQuery(*Table), 0u);
    EXPECT_EQ(Prompts.Texts(), QStringList{"Sorry - filter is too complex.Please simplify it."});
    EXPECT_FALSE(Filter.IsSet());
    EXPECT_EQ(Filter.Values, TQueryValues());
    EXPECT_EQ(Table->Area().condition(), "!ISDEL");
}

TEST_F(TAddressFilterTest, QuotesInValuesFindTheirRecordsInjectNothingAndAreRefusedOnlyAllThree)
{
    Table->Table().go(4);
    Table->SetFieldText("LNAME", "Jo\"nes's");
    Table->Table().commit();
    EXPECT_EQ(Apply({{"Last", "jo\""}}), 1u);
    EXPECT_EQ(Apply({{"Last", "$s's"}}), 1u);
    EXPECT_EQ(Apply({{"Last", "$\"nes'"}}), 1u);
    EXPECT_TRUE(Prompts.Texts().isEmpty());

    // A filter file line written to match everything is a value like any other: it matches
    // nothing here and is dropped.
    const QString path = Home.filePath("CRAFTED.FLT");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("smi\" .or. \"1\"=\"1\r\n");
    file.close();
    EXPECT_EQ(Filter.RestoreFilterFrom(path, *Table), 0u);
    EXPECT_FALSE(Filter.IsSet());

    EXPECT_EQ(Apply({{"Last", "smi"}, {"Org", "a\"b'c]"}}), 0u);
    EXPECT_EQ(Prompts.Texts(), QStringList{TXbaseLiteral::RefusedMessage("a\"b'c]")});
    EXPECT_FALSE(Filter.IsSet());
    EXPECT_EQ(Table->Area().condition(), "!ISDEL");
}

TEST_F(TAddressFilterTest, FilterFileKeepsEveryValueAndBothFlags)
{
    TQueryValues values;
    for (int i = 0; i < TQueryValues::EntryCount; ++i)
        values.Values[i] = QString::number(i) + QString::fromUtf8(" Müller;$x");
    values.Values[3].clear();
    values.Tagged = true;
    const QString path = Home.filePath("MINE.FLT");
    ASSERT_TRUE(TFilterFile::Save(path, values));
    EXPECT_EQ(TFilterFile::Restore(path), values);
    values.Tagged = false;
    values.Reverse = true;
    ASSERT_TRUE(TFilterFile::Save(path, values));
    EXPECT_EQ(TFilterFile::Restore(path), values);
    EXPECT_FALSE(TFilterFile::Restore(Home.filePath("NONE.FLT")).has_value());
}

TEST_F(TAddressFilterTest, ShortFilterFileRestoresWhatItHas)
{
    const QString path = Home.filePath("SHORT.FLT");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("smi\r\nJohn\r\nDr");
    file.close();
    const auto values = TFilterFile::Restore(path);
    ASSERT_TRUE(values.has_value());
    TQueryValues expected;
    expected.Values[0] = "smi";
    expected.Values[1] = "John";
    expected.Values[2] = "Dr";
    EXPECT_EQ(*values, expected);
}

TEST_F(TAddressFilterTest, SaveAndRestoreFollowTheDialogsRulesOnNames)
{
    Filter.Values.Values[0] = "smi";
    const QString folder = Home.filePath("with.dot");
    QDir().mkpath(folder);
    EXPECT_TRUE(Filter.SaveFilterTo(folder + "/people")); // ".FLT" appended; the folder's dot is no extension
    EXPECT_TRUE(QFile::exists(folder + "/people.FLT"));
    EXPECT_FALSE(Filter.SaveFilterTo(folder + "/people.txt"));
    EXPECT_EQ(Prompts.Texts().last(), "Must have a .FLT extension");

    Prompts.Answer(false); // do not overwrite
    Filter.Values.Values[0] = "jones";
    EXPECT_FALSE(Filter.SaveFilterTo(folder + "/people.FLT"));
    EXPECT_TRUE(Prompts.Texts().last().endsWith("already exists.\nDo you want to overwrite it?"));

    Filter.ClearQueryVars();
    EXPECT_FALSE(Filter.RestoreFilterFrom(folder + "/people.txt", *Table).has_value());
    EXPECT_EQ(Prompts.Texts().last(), "Must be a Filter (.FLT) file");
    EXPECT_EQ(Filter.RestoreFilterFrom(folder + "/people.FLT", *Table), 2u);
    EXPECT_EQ(Filter.Values.Values[0], "smi");
    EXPECT_EQ(Table->Count(), 2u);
}

} // namespace
