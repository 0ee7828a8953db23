#include "data/TAddressText.h"
#include "data/TCp1252.h"
#include "data/TDisplayDate.h"
#include "data/TTagId.h"

#include <gtest/gtest.h>

TEST(TAddressText, DerivedFields)
{
    EXPECT_EQ(TAddressText::FullName("Ann", "", "Lee"), "Ann Lee");
    EXPECT_EQ(TAddressText::FullName("Ann", "B", "Lee"), "Ann B Lee");
    EXPECT_EQ(TAddressText::FullNameWithPrefix("Dr.", "Ann", "B", "Lee"), "Dr. Ann B Lee");
    EXPECT_EQ(TAddressText::FullNameWithPrefix("", "Ann", "", "Lee"), "Ann Lee");
    EXPECT_EQ(TAddressText::CityStateZip("Springfield", "IL", "62701"), "Springfield IL 62701");
    EXPECT_EQ(TAddressText::CityStateZip("", "", "62701"), "62701");
    EXPECT_EQ(TAddressText::FullName(QString(30, 'F'), "M", QString(30, 'L')).size(), 35);
}

TEST(TAddressText, TrimmingRemovesOnlyTheSpaceCharacter)
{
    EXPECT_EQ(TAddressText::TrimRight("a\t \n  "), "a\t \n");
    EXPECT_EQ(TAddressText::Trim("  a b  "), "a b");
}

TEST(TAddressText, MemoPaddingKeepsLengthsOffMultiplesOf4)
{
    EXPECT_EQ(TAddressText::PadMemo(""), "");
    EXPECT_EQ(TAddressText::PadMemo("abc"), "abc");
    EXPECT_EQ(TAddressText::PadMemo("abcd"), "abcd ");
    EXPECT_EQ(TAddressText::PadMemo("abc\r\ndef\r\ngh"), "abc\r\ndef\r\ngh "); // 12 with the CR LFs
}

TEST(TTagId, MadeFromYearAndMonthDayTimeInBase36)
{
    EXPECT_EQ(TTagId::NewTagId(QDateTime(QDate(2024, 3, 15), QTime(10, 20, 30))), "T57LQA6");
    EXPECT_EQ(TTagId::NewTagId(QDateTime(QDate(1995, 1, 1), QTime(0, 0, 0))), "1O4S3K"); // year 0 writes no digits
    EXPECT_LE(TTagId::NewTagId(QDateTime(QDate(2200, 12, 31), QTime(23, 59, 59))).size(), 8);
}

TEST(TDisplayDate, PatternsAreWidenedToFourDigitYears)
{
    struct Case {
        const char* qtFormat;
        const char* widened;
    };
    const Case cases[] = {
        {"M/d/yy", "M/d/yyyy"},   {"dd.MM.yy", "dd.MM.yyyy"}, {"yyyy-MM-dd", "yyyy-MM-dd"},
        {"d/M/yyy", "d/M/yyyy"},  {"d/M/y", "d/M/yyyy"},      {"dd.MM", "dd.MM.yyyy"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TDisplayDate::WidenQtFormat(c.qtFormat), c.widened) << c.qtFormat;
}

TEST(TDisplayDate, InvalidStoredDatesShowNothing)
{
    EXPECT_EQ(TDisplayDate::Format("20240315", "dd.MM.yyyy"), "15.03.2024");
    EXPECT_EQ(TDisplayDate::Format("20240315       ", "M/d/yyyy"), "3/15/2024");
    for (const char* bad : {"", "2024031", "2024031 ", "ABCD0315", "20240230", "2024+315"})
        EXPECT_EQ(TDisplayDate::Format(bad, "dd.MM.yyyy"), "") << bad;
}

TEST(TCp1252, RoundTripsEveryByteAndMarksWhatItCannotHold)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    bool lossy = false;
    EXPECT_EQ(TCp1252::Encode(TCp1252::Decode(all), &lossy), all);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(TCp1252::Decode("M\xFCller \x80"), QString::fromUtf8("Müller €"));
    EXPECT_EQ(TCp1252::Encode(QString::fromUtf8("Łódź 😀"), &lossy), "?\xF3" "d? ?");
    EXPECT_TRUE(lossy);
}
