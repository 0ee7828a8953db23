// The count report's lines and its pages, read from the display lists.
#include "output/TReportFiler.h"
#include "tools/TZipReport.h"
#include "tools/TZipTally.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(TZipReportLines, PaddedZipThenGroupedCountInReportOrder)
{
    TZipTally tally(TZipTally::TRule::zrCount);
    for (int i = 0; i < 1234; ++i)
        tally.Add("12345");
    for (const char* zip : {"60601", "60601-1234", "K1A 0B1", "", "00501"})
        tally.Add(zip);
    tally.Sort();
    EXPECT_EQ(TZipReport::CountLines(tally), (QStringList{"00501     1", "12345     1,234", "60601     2", "", "",
                                                          "K1A 0     1", "BLANK     1"}));

    TZipTally noBlank(TZipTally::TRule::zrCount);
    noBlank.Add("12345");
    noBlank.Sort();
    EXPECT_EQ(TZipReport::CountLines(noBlank), (QStringList{"12345     1", "", ""}));

    EXPECT_EQ(TZipReport::FormatCount(0), "0");
    EXPECT_EQ(TZipReport::FormatCount(999), "999");
    EXPECT_EQ(TZipReport::FormatCount(1000000), "1,000,000");
    EXPECT_EQ(TZipReport::Line("12345-6789-XYZ", 7), "12345-67897");
}

struct TRow {
    QString Zip;
    QString Count;
    TInchRect ZipClip;
    bool Shaded = false;
};

// The rows of a page: pairs of clipped texts, with the shading drawn just before them.
std::vector<TRow> Rows(const TDisplayList& page)
{
    std::vector<TRow> rows;
    bool shaded = false;
    int cell = 0;
    for (const TDisplayOp& op : page.Operations()) {
        if (std::holds_alternative<TFillRectOp>(op))
            shaded = true;
        if (const auto* text = std::get_if<TClippedTextOp>(&op)) {
            if (cell++ % 2 == 0) {
                rows.push_back({text->Text, QString(), text->Clip, shaded});
            } else {
                rows.back().Count = text->Text;
                shaded = false;
            }
        }
    }
    return rows;
}

QStringList Texts(const TDisplayList& page)
{
    QStringList texts;
    for (const TDisplayOp& op : page.Operations())
        if (const auto* text = std::get_if<TTextOp>(&op))
            texts << text->Text;
    return texts;
}

TPageStream Print(const QStringList& lines)
{
    TPageStream stream;
    TReportFiler job(stream);
    TZipReport report(lines);
    report.Attach(job);
    EXPECT_TRUE(job.Execute());
    return stream;
}

QStringList Numbered(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << TZipReport::Line(QString::number(10000 + i), uint64_t(i + 1) * 1000);
    return lines;
}

int Column(const TRow& row) { return int(std::floor((row.ZipClip.Left.Value() - 0.5) / 1.875)); }

TEST(TZipReportPages, TwoHundredLinesFillTheFourColumnsOfOneLetterPage)
{
    const TPageStream stream = Print(Numbered(200));
    ASSERT_EQ(stream.PageCount(), 1);
    const TDisplayList& page = stream.Page(1);
    const std::vector<TRow> rows = Rows(page);
    ASSERT_EQ(rows.size(), 200u);

    int perColumn = 0;
    while (Column(rows[size_t(perColumn)]) == 0)
        ++perColumn;
    EXPECT_GE(perColumn, 50); // 200 lines need all four columns ...
    EXPECT_LT(perColumn, 67); // ... and fit in them
    for (size_t i = 0; i < rows.size(); ++i) {
        const int column = int(i) / perColumn;
        const int rowInColumn = int(i) % perColumn;
        ASSERT_EQ(Column(rows[i]), column) << i;
        EXPECT_EQ(rows[i].Shaded, rowInColumn % 2 == 0) << i; // every column starts shaded
        if (rowInColumn == 0) {
            EXPECT_DOUBLE_EQ(rows[i].ZipClip.Top.Value(), 1.0) << i;
        }
        EXPECT_LE(rows[i].ZipClip.Bottom.Value(), 10.0 + 1e-6) << i;
    }
    EXPECT_EQ(rows[0].Zip, "10000");
    EXPECT_EQ(rows[0].Count, "1,000");

    EXPECT_EQ(Texts(page), (QStringList{"Zip Code Count Report", "Page 1"}));
    int verticals = 0, frames = 0;
    for (const TDisplayOp& op : page.Operations()) {
        if (const auto* line = std::get_if<TLineOp>(&op); line && line->From.X == line->To.X) {
            EXPECT_NEAR(std::fmod(line->From.X.Value() - 0.5, 1.875), 0.0, 1e-9);
            ++verticals;
        }
        if (const auto* rect = std::get_if<TRectOp>(&op)) {
            EXPECT_EQ(rect->Rect, (TInchRect{0.5_in, 1.0_in, 8.0_in, 10.0_in}));
            ++frames;
        }
    }
    EXPECT_EQ(verticals, 3);
    EXPECT_EQ(frames, 1);
}

TEST(TZipReportPages, ColumnsThenPagesAndTheZipNeverRunsIntoTheCount)
{
    // One more line than four full columns starts page 2, framed and numbered like page 1.
    TPageStream probe = Print(Numbered(400));
    const std::vector<TRow> first = Rows(probe.Page(1));
    const int capacity = int(first.size());
    ASSERT_GE(capacity, 200);
    QStringList lines = Numbered(capacity);
    lines << TZipReport::Line("K1A 0B1", 1000000);
    const TPageStream stream = Print(lines);
    ASSERT_EQ(stream.PageCount(), 2);
    const std::vector<TRow> second = Rows(stream.Page(2));
    ASSERT_EQ(second.size(), 1u);
    EXPECT_TRUE(second[0].Shaded);
    EXPECT_EQ(Column(second[0]), 0);
    EXPECT_EQ(second[0].Zip, "K1A 0B1");
    EXPECT_EQ(second[0].Count, "1,000,000");
    EXPECT_EQ(Texts(stream.Page(2)), (QStringList{"Zip Code Count Report", "Page 2"}));
}

} // namespace
