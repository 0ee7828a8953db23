#include "labels/TLabelStockRules.h"

#include <gtest/gtest.h>

namespace {

QString FirstBrokenRule(const TLabelStock& stock)
{
    try {
        TLabelStockRules::Validate(stock);
    } catch (const EValid& error) {
        return error.Message();
    }
    return {};
}

TEST(TLabelStockRules, RulesRunInOrderAndTheFirstBrokenOneSpeaks)
{
    struct TCase {
        const char* Name;
        std::function<void(TLabelStock&)> Change;
        const char* Message; // empty: passes
    };
    const TCase cases[] = {
        {"new stock passes", [](TLabelStock&) {}, ""},
        {"7 mm high", [](TLabelStock& s) { s.LabelHeight = TLabelStockRules::ToInches(7, TLengthUnit::luMillimetres); },
         "Label Height must be at least .3 inches (or 7mm)"},
        {"8 mm high", [](TLabelStock& s) { s.LabelHeight = TLabelStockRules::ToInches(8, TLengthUnit::luMillimetres); }, ""},
        {"height before width",
         [](TLabelStock& s) {
             s.LabelHeight = 0.2_in;
             s.LabelWidth = 0.2_in;
         },
         "Label Height must be at least .3 inches (or 7mm)"},
        {"narrow", [](TLabelStock& s) { s.LabelWidth = 0.499_in; }, "Label Width must be at least .5 inch (or 13mm)"},
        {"one across wider than its pitch",
         [](TLabelStock& s) {
             s.Across = 1;
             s.LabelWidth = 4.0_in;
         },
         ""},
        {"two across wider than the pitch",
         [](TLabelStock& s) {
             s.Across = 2;
             s.LabelWidth = 4.0_in;
         },
         "Horizontal Pitch must be at least = Label Width"},
        {"one down taller than its pitch",
         [](TLabelStock& s) {
             s.Down = 1;
             s.LabelHeight = 3.0_in;
         },
         ""},
        {"two down taller than the pitch", [](TLabelStock& s) { s.LabelHeight = 1.5_in; },
         "Vertical Pitch must be at least = Label Height"},
        {"page width", [](TLabelStock& s) { s.SheetWidth = 0.29_in; }, "Page Width must be at least .3 inch"},
        {"page height", [](TLabelStock& s) { s.SheetDepth = 0.0_in; }, "Page Height must be at least .3 inches"},
        // What an N 6.3 column holds: 99.999 inches, never 100 (stored as asterisks, read back as 0).
        {"a page just under 100 inches", [](TLabelStock& s) { s.SheetDepth = 99.999_in; }, ""},
        {"a page of 100 inches", [](TLabelStock& s) { s.SheetDepth = 100.0_in; }, "Page Height must be less than 100 inches (or 2540mm)"},
        {"a pitch that rounds to 100", [](TLabelStock& s) { s.HorizontalPitch = 99.9996_in; },
         "Horizontal Pitch must be less than 100 inches (or 2540mm)"},
        {"a margin of 2540 mm", [](TLabelStock& s) { s.LeftMargin = TLabelStockRules::ToInches(2540, TLengthUnit::luMillimetres); },
         "Left Margin must be less than 100 inches (or 2540mm)"},
    };
    for (const auto& c : cases) {
        TLabelStock stock = TLabelStock::NewStock();
        c.Change(stock);
        EXPECT_EQ(FirstBrokenRule(stock), QString::fromLatin1(c.Message)) << c.Name;
    }
}

TEST(TLabelStockRules, ApplyingAnEntryMakesAUserStockOrChangesNothing)
{
    TLabelStock stock = TLabelStock::NewStock();
    stock.PaperSize = QStringLiteral("A4L");
    stock.MiddleExtraX = 0.5_in;
    stock.Art = QStringLiteral("AV5196");
    TLabelEntry entry = TLabelEntry::FromStock(stock);
    entry.Shape = QStringLiteral("SR");
    const TLabelStock user = TLabelStockRules::ApplyEntry(stock, entry);
    EXPECT_EQ(user.PaperSize, QStringLiteral("A4L")) << "no paper choice keeps the code";
    EXPECT_EQ(user.Manufacturer, QStringLiteral("USER"));
    EXPECT_TRUE(user.TemplateName.isEmpty() && user.PrinterKind.isEmpty() && user.ProductType.isEmpty() && user.Art.isEmpty());
    EXPECT_EQ(user.MiddleExtraX, TInches());
    EXPECT_EQ(user.Shape, QStringLiteral("SR"));
    EXPECT_EQ(user.LabelWidth, stock.LabelWidth);

    entry.Unit = TLengthUnit::luMillimetres;
    entry.LabelWidth = 66.675;
    entry.LabelHeight = 25.4;
    entry.HorizontalPitch = 70;
    entry.VerticalPitch = 25.4;
    entry.PaperWidth = 210.058;
    entry.PaperHeight = 296.926;
    entry.LeftMargin = entry.TopMargin = 5;
    entry.PaperSize = QStringLiteral("A4");
    const TLabelStock metric = TLabelStockRules::ApplyEntry(stock, entry);
    EXPECT_DOUBLE_EQ(metric.LabelWidth.Value(), 2.625);
    EXPECT_DOUBLE_EQ(metric.HorizontalPitch.Value(), 2.756);
    EXPECT_DOUBLE_EQ(metric.SheetWidth.Value(), 8.27);
    EXPECT_EQ(metric.PaperSize, QStringLiteral("A4"));

    entry.Across = 2;
    entry.LabelWidth = 80; // wider than the 70 mm pitch
    EXPECT_THROW(TLabelStockRules::ApplyEntry(stock, entry), EValid);
}

TEST(TLabelStockRules, StockValuesFromTheCommandLine)
{
    const TLabelStock stock = TLabelStockRules::StockFromValues(QStringLiteral("2.625, 1,3,10,0.5,0.1875,2.75,1,a4l"));
    EXPECT_DOUBLE_EQ(stock.LeftMargin.Value(), 0.188);
    EXPECT_EQ(stock.Across, 3);
    EXPECT_EQ(stock.PaperSize, QStringLiteral("A4L"));
    EXPECT_DOUBLE_EQ(stock.SheetWidth.Value(), 11.69);
    EXPECT_EQ(stock.Manufacturer, QStringLiteral("USER"));

    struct TCase {
        const char* Values;
        const char* Message;
    };
    const TCase bad[] = {
        {"2.625,1,3,10,0.5,0.1875,2.75,1", "A stock takes nine values: W,H,ACROSS,DOWN,TOP,LEFT,HPITCH,VPITCH,PAPER"},
        {"2.625,x,3,10,0.5,0.1875,2.75,1,LTR", "H is not a length or count: x"},
        {"2.625,1,11,10,0.5,0.1875,2.75,1,LTR", "ACROSS must be a whole number from 1 to 10"},
        {"2.625,1,3,2.5,0.5,0.1875,2.75,1,LTR", "DOWN must be a whole number from 1 to 30"},
        {"2.625,1,3,10,0.5,0.1875,2.75,1,USERP", "PAPER must be LTR, LTRL, A4, A4L or A5, not USERP"},
        {"2.625,0.276,3,10,0.5,0.1875,2.75,1,LTR", "Label Height must be at least .3 inches (or 7mm)"},
        {"3,1,2,10,0.5,0.1875,2.75,1,LTR", "Horizontal Pitch must be at least = Label Width"},
    };
    for (const auto& c : bad) {
        try {
            TLabelStockRules::StockFromValues(QLatin1String(c.Values));
            ADD_FAILURE() << c.Values;
        } catch (const EValid& error) {
            EXPECT_EQ(error.Message(), QLatin1String(c.Message)) << c.Values;
        }
    }
}

TEST(TLabelStockRules, DisplayPatternsAndTheUnitRoundTrip)
{
    EXPECT_EQ(TLabelStockRules::Format(2.625, TLengthUnit::luInches), QStringLiteral("2.625"));
    EXPECT_EQ(TLabelStockRules::Format(1.0, TLengthUnit::luInches), QStringLiteral("1.0"));
    EXPECT_EQ(TLabelStockRules::Format(0.5, TLengthUnit::luInches), QStringLiteral("0.5"));
    EXPECT_EQ(TLabelStockRules::Format(0.18849, TLengthUnit::luInches), QStringLiteral("0.188"));
    EXPECT_EQ(TLabelStockRules::Format(66.675, TLengthUnit::luMillimetres), QStringLiteral("67"));
    EXPECT_EQ(TLabelStockRules::Format(279.4, TLengthUnit::luMillimetres), QStringLiteral("279"));
    // Inches, millimetres, inches: only the whole-millimetre display changes the value.
    const double mm = TLabelStockRules::FromInches(2.625_in, TLengthUnit::luMillimetres);
    const double shown = TLabelStockRules::Format(mm, TLengthUnit::luMillimetres).toDouble();
    EXPECT_EQ(TLabelStockRules::Format(shown / 25.4, TLengthUnit::luInches), QStringLiteral("2.638"));
    EXPECT_EQ(TLabelStockRules::Format(25.4 / 25.4, TLengthUnit::luInches), QStringLiteral("1.0"));
}

TEST(TLabelStockRules, PaperPresetsInEitherUnit)
{
    double width = 0, height = 0;
    ASSERT_TRUE(TLabelStockRules::Preset(QStringLiteral("A4L"), TLengthUnit::luMillimetres, width, height));
    EXPECT_DOUBLE_EQ(width, 296.926);
    EXPECT_DOUBLE_EQ(height, 210.058);
    ASSERT_TRUE(TLabelStockRules::Preset(QStringLiteral("A5"), TLengthUnit::luInches, width, height));
    EXPECT_DOUBLE_EQ(width, 5.82);
    ASSERT_TRUE(TLabelStockRules::Preset(QStringLiteral("LTRL"), TLengthUnit::luMillimetres, width, height));
    EXPECT_DOUBLE_EQ(width, 279.4);
    EXPECT_FALSE(TLabelStockRules::Preset(QStringLiteral("USERP"), TLengthUnit::luInches, width, height));
}

} // namespace
