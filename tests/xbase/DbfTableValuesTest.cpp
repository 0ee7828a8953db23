#include "DbfTestSupport.h"

#include "xbase/XbaseError.h"

#include <gtest/gtest.h>

namespace xbase {
namespace {

using testing::createSample;

std::string stored(const DbfTable& table, int index) { return std::string(table.fieldBytes(index)); }

TEST(DbfTableValuesTest, WritesAreCutPaddedAndAligned)
{
    struct Case { const char* field; const char* input; const char* bytes; const char* text; };
    const Case cases[] = {
        {"NAME", "Smith", "Smith     ", "Smith"},
        {"NAME", "Bartholomew-Jones", "Bartholome", "Bartholome"},
        {"NAME", "  lead", "  lead    ", "  lead"},
        {"NAME", "", "          ", ""},
        {"AMT", "12.5", "   12.50", "12.50"},
        {"AMT", "-3", "   -3.00", "-3.00"},
        {"AMT", "99999.99", "99999.99", "99999.99"},
        {"AMT", "123456.7", "********", "********"},
        {"AMT", "-0.001", "    0.00", "0.00"},
        {"AMT", "", "        ", ""},
        {"PAID", ".T.", "T", "T"},
        {"PAID", "y", "T", "T"},
        {"PAID", "false", "F", "F"},
        {"PAID", "", " ", ""},
        {"BORN", "20240131", "20240131", "20240131"},
        {"BORN", "", "        ", ""},
    };
    MemoryFileSystem fs;
    auto table = createSample(fs);
    table->appendBlank();
    for (const auto& c : cases) {
        const int index = table->fieldIndex(c.field);
        table->setText(index, c.input);
        EXPECT_EQ(stored(*table, index), c.bytes) << c.field << " <- \"" << c.input << "\"";
        EXPECT_EQ(table->text(index), c.text) << c.field << " <- \"" << c.input << "\"";
    }
}

TEST(DbfTableValuesTest, RefusesTextThatIsNotAValueOfTheField)
{
    MemoryFileSystem fs;
    auto table = createSample(fs);
    table->appendBlank();
    EXPECT_THROW(table->setText(1, "12abc"), XbaseError);
    EXPECT_THROW(table->setText(2, "maybe"), XbaseError);
    EXPECT_THROW(table->setText(3, "2024-01-31"), XbaseError);
    EXPECT_THROW(table->setText(3, "20230229"), XbaseError);
    EXPECT_THROW(table->setText(3, "20241300"), XbaseError);
    EXPECT_NO_THROW(table->setText(3, "20240229"));
    EXPECT_THROW(table->setLogical(0, true), XbaseError);
    EXPECT_THROW(table->setNumber(0, 1), XbaseError);
    EXPECT_THROW(table->setMemo(0, "x"), XbaseError);
    EXPECT_THROW(table->setText(99, "x"), XbaseError);
}

TEST(DbfTableValuesTest, TypedReadsAndEmptiness)
{
    MemoryFileSystem fs;
    auto table = createSample(fs);
    table->appendBlank();
    for (int i = 0; i < table->fieldCount(); ++i)
        EXPECT_TRUE(table->isEmpty(i)) << table->field(i).name;
    table->setText(0, "Lee");
    table->setNumber(1, -7.25);
    table->setLogical(2, true);
    table->setText(3, "19991231");
    table->setMemo(4, "notes");
    for (int i = 0; i < table->fieldCount(); ++i)
        EXPECT_FALSE(table->isEmpty(i)) << table->field(i).name;
    EXPECT_DOUBLE_EQ(table->number(1), -7.25);
    EXPECT_TRUE(table->logical(2));
    EXPECT_EQ(table->dateText(3), "19991231");
    EXPECT_EQ(table->textView(4), "notes");
    EXPECT_EQ(table->memoText(4), "notes");
}

TEST(DbfTableValuesTest, FieldNamesAreCaseInsensitive)
{
    MemoryFileSystem fs;
    auto table = createSample(fs);
    EXPECT_EQ(table->fieldIndex("amt"), 1);
    EXPECT_EQ(table->fieldIndex("Note"), 4);
    EXPECT_EQ(table->fieldIndex("NOTES"), -1);
    EXPECT_EQ(table->fieldIndex(""), -1);
}

TEST(DbfTableValuesTest, MemosAreBinarySafeAndSurviveReopening)
{
    const std::string binary("a\0b\x1A\r\n\xFF", 7);
    const std::string big(100000, 'q');
    MemoryFileSystem fs;
    {
        auto table = createSample(fs);
        table->appendBlank();
        table->setMemo(4, binary);
        table->appendBlank();
        table->setMemo(4, big);
        table->appendBlank();
        table->setMemo(4, "");
        table->close();
    }
    auto table = DbfTable::open(fs, "T.DBF");
    EXPECT_EQ(table->memoText(4), binary);
    table->skip();
    EXPECT_EQ(table->memoText(4), big);
    table->skip();
    EXPECT_TRUE(table->isEmpty(4));
    EXPECT_EQ(table->memoText(4), "");
}

TEST(DbfTableValuesTest, MemoRewriteReusesBlocksOnlyWhenTheTextFits)
{
    MemoryFileSystem fs;
    auto table = createSample(fs);
    table->appendBlank();
    table->setMemo(4, std::string(100, 'a')); // 108 bytes: blocks 8 and 9
    const auto pointer = [&] { return std::string(table->fieldBytes(4)); };
    EXPECT_EQ(pointer(), "         8");
    table->setMemo(4, std::string(120, 'b')); // 128 bytes still fit two blocks
    EXPECT_EQ(pointer(), "         8");
    table->setMemo(4, std::string(121, 'c')); // needs three: goes to the end
    EXPECT_EQ(pointer(), "        10");
    EXPECT_EQ(table->memoText(4), std::string(121, 'c'));
    table->setMemo(4, "");
    EXPECT_EQ(pointer(), "          ");
}

} // namespace
} // namespace xbase
