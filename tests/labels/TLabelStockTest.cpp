#include "LabelsTestEnvironment.h"

#include "data/TAddressFiles.h"
#include "labels/TLabelArt.h"
#include "labels/TLabelPositionMask.h"
#include "labels/TLabelStock.h"
#include "xbase/WorkArea.h"

#include <QSet>

namespace {

TLabelStock Grid(int across, int down, double midX, double midY, const char* paper = "LTR")
{
    TLabelStock stock = TLabelStock::NewStock();
    stock.Across = across;
    stock.Down = down;
    stock.LeftMargin = 0.25_in;
    stock.TopMargin = 0.5_in;
    stock.HorizontalPitch = 2.0_in;
    stock.VerticalPitch = 1.0_in;
    stock.MiddleExtraX = TInches(midX);
    stock.MiddleExtraY = TInches(midY);
    stock.PaperSize = QString::fromLatin1(paper);
    return stock;
}

TEST(TLabelStockPlacement, MiddleGapsShiftTheColumnsAndRowsFromTheIntegerHalfOn)
{
    struct TCase {
        const char* Name;
        TLabelStock Stock;
        int Column, Row;
        double Left, Top;
    };
    const TCase cases[] = {
        {"no gap", Grid(3, 10, 0, 0), 2, 3, 4.25, 3.5},
        {"one column: half is 0, the only column moves", Grid(1, 10, 0.5, 0), 0, 0, 0.75, 0.5},
        {"three columns: first stays", Grid(3, 10, 0.5, 0), 0, 0, 0.25, 0.5},
        {"three columns: second moves", Grid(3, 10, 0.5, 0), 1, 0, 2.75, 0.5},
        {"three columns: third moves", Grid(3, 10, 0.5, 0), 2, 0, 4.75, 0.5},
        {"rows: above the half", Grid(2, 4, 0, 0.25), 0, 1, 0.25, 1.5},
        {"rows: from the half on", Grid(2, 4, 0, 0.25), 0, 2, 0.25, 2.75},
        {"negative gap is no gap", Grid(3, 4, -0.5, -0.5), 2, 3, 4.25, 3.5},
    };
    for (const auto& c : cases) {
        const TInchRect rect = c.Stock.Placement(c.Column, c.Row);
        EXPECT_DOUBLE_EQ(rect.Left.Value(), c.Left) << c.Name;
        EXPECT_DOUBLE_EQ(rect.Top.Value(), c.Top) << c.Name;
        EXPECT_DOUBLE_EQ(rect.Width().Value(), c.Stock.LabelWidth.Value()) << c.Name;
        EXPECT_DOUBLE_EQ(rect.Height().Value(), c.Stock.LabelHeight.Value()) << c.Name;
    }
}

TEST(TLabelStockPlacement, LandscapeStocksLayOutAcrossTheLongSide)
{
    TLabelStock card = Grid(2, 2, 0, 0, "LTRL");
    card.SheetWidth = 11.0_in;
    card.SheetDepth = 8.5_in;
    card.LabelWidth = 5.0_in;
    card.HorizontalPitch = 5.5_in;
    EXPECT_TRUE(card.Landscape());
    EXPECT_FALSE(Grid(2, 2, 0, 0, "A4").Landscape());
    EXPECT_TRUE(Grid(2, 2, 0, 0, "usERL").Landscape());
    // The right column ends within the 11-inch width, which a portrait page could not hold.
    EXPECT_DOUBLE_EQ(card.Placement(1, 0).Right.Value(), 10.75);
    EXPECT_EQ(card.PositionNumber(1, 1), 3);
}

TEST(TLabelStock, NewStockIsTheAddressSheetWithItsTwoBlanks)
{
    const TLabelStock stock = TLabelStock::NewStock();
    EXPECT_EQ(stock.TemplateName, QStringLiteral("Avery 5160  Address"));
    EXPECT_EQ(stock.SheetName(), stock.TemplateName);
    EXPECT_EQ(stock.Positions(), 30);
    EXPECT_DOUBLE_EQ(stock.HorizontalPitch.Value(), 2.765);
    EXPECT_DOUBLE_EQ(stock.VerticalPitch.Value(), 1.01);
    EXPECT_EQ(stock.PaperSize, QStringLiteral("LTR"));
    EXPECT_EQ(stock.Manufacturer, QStringLiteral("AVERY"));
    TLabelStock user = stock;
    user.TemplateName.clear();
    EXPECT_EQ(user.SheetName(), QStringLiteral("[User Defined]"));
}

TEST(TLabelPositionMask, SizedToTheStockUpToThreeHundredAllSet)
{
    TLabelStock big = TLabelStock::NewStock();
    big.Across = 10;
    big.Down = 30;
    TLabelPositionMask mask(big);
    EXPECT_EQ(mask.Size(), 300);
    EXPECT_EQ(mask.CountSet(), 300);
    EXPECT_TRUE(mask.IsSet(299)); // beyond the 200 an older mask held
    mask.Set(250, false);
    mask.Set(300, false); // outside: ignored
    mask.Set(-1, false);
    EXPECT_FALSE(mask.IsSet(250));
    EXPECT_FALSE(mask.IsSet(300));
    EXPECT_EQ(mask.CountSet(), 299);
    EXPECT_EQ(TLabelPositionMask(TLabelStock::NewStock()).Size(), 30);
}

class TLabelStockRowTest : public TLabelsTest {};

TEST_F(TLabelStockRowTest, ARowKeepsEveryColumnToThreeDecimals)
{
    auto area = TAddressFiles::OpenSystemTable(TSystemTable::stLabel);
    ASSERT_TRUE(area);
    TLabelStock stock = TLabelStock::NewStock();
    stock.LabelWidth = TInches(66.675 / 25.4); // 2.625 after rounding
    stock.MiddleExtraX = 0.12345_in;
    stock.Art = QStringLiteral("AV5196");
    area->table().appendBlank();
    stock.WriteRow(area->table());
    area->table().goTop();
    const TLabelStock back = TLabelStock::ReadRow(area->table());
    TLabelStock expected = stock;
    expected.LabelWidth = 2.625_in;
    expected.MiddleExtraX = 0.123_in;
    EXPECT_EQ(back, expected);
}

TEST(TLabelArt, EveryArtNameHasAPictureShownSilverOnWhite)
{
    for (const QString& name : TLabelStock::ArtNames()) {
        const QImage picture = TLabelArt::Picture(name.toLower() + QLatin1Char(' '));
        ASSERT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_TRUE(picture.allGray()) << name.toStdString();
    }
    EXPECT_TRUE(TLabelArt::Picture(QString()).isNull());
    EXPECT_TRUE(TLabelArt::Picture(QStringLiteral("AV9999")).isNull());

    const QImage backdrop = TLabelArt::Backdrop(QStringLiteral("AV5824"), QSize(240, 240));
    ASSERT_EQ(backdrop.size(), QSize(240, 240));
    QSet<QRgb> colours;
    for (int y = 0; y < backdrop.height(); ++y)
        for (int x = 0; x < backdrop.width(); ++x)
            colours.insert(backdrop.pixel(x, y));
    EXPECT_EQ(colours, (QSet<QRgb>{qRgb(255, 255, 255), qRgb(192, 192, 192)}));
    EXPECT_EQ(backdrop.pixel(120, 120), qRgb(255, 255, 255)) << "the disc's centre is paper";
    EXPECT_EQ(backdrop.pixel(0, 0), qRgb(192, 192, 192)) << "the outline is drawn";
}

} // namespace
