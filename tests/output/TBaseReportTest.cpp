#include "output/TPagePainter.h"
#include "output/TReportFiler.h"

#include <QPainter>
#include <QPicture>
#include <gtest/gtest.h>

namespace {

// A page stream on a pretend printer with a known resolution and unprintable offset.
class TOffsetFiler : public TReportFiler {
public:
    using TReportFiler::TReportFiler;
    double Resolution() override { return 600; }
    TInches UnprintableLeft() override { return 0.25_in; }
    TInches UnprintableTop() override { return 0.125_in; }
};

TEST(TBaseReportTest, PenWidthRuleNegativeMeansHundredthsAndNeverBelowOnePixel)
{
    struct Case { int Width; double RecordedInches; double Dpi; double Pixels; };
    const Case cases[] = {
        {-5, 0.05, 96, 5},         // 4.8 px rounds to 5
        {-1, 0.01, 96, 1},         // 0.96 px
        {-1, 0.01, 1200, 12},
        {0, 0.0, 1200, 1},         // hairline
        {3, 3.0 / 600, 600, 3},    // positive widths are pixels of the target
        {3, 3.0 / 600, 96, 1},     // ... and stay visible on a coarser device
    };
    for (const Case& c : cases) {
        TPageStream stream;
        TOffsetFiler job(stream);
        job.OnPrint = [&](TBaseReport& report) { report.SetPen(Qt::red, Qt::DashLine, c.Width); };
        ASSERT_TRUE(job.Execute());
        const TPenOp pen = stream.Page(1).OfKind<TPenOp>().back();
        EXPECT_DOUBLE_EQ(pen.Width.Value(), c.RecordedInches) << "width " << c.Width;
        EXPECT_EQ(pen.Style, Qt::DashLine);
        EXPECT_DOUBLE_EQ(TPagePainter::PenPixels(pen.Width, c.Dpi), c.Pixels) << "width " << c.Width << " at " << c.Dpi;
    }
}

TEST(TBaseReportTest, InchRectToDeviceRemovesTheUnprintableOffset)
{
    TPageStream stream;
    TOffsetFiler job(stream);
    const QRect device = job.InchRectToDevice(TInchRect{1.0_in, 1.0_in, 2.0_in, 1.5_in});
    EXPECT_EQ(device.left(), 450);      // (1 - 0.25) x 600
    EXPECT_EQ(device.top(), 525);       // (1 - 0.125) x 600
    EXPECT_EQ(device.width(), 600);
    EXPECT_EQ(device.height(), 300);
}

TEST(TBaseReportTest, PagesAreRecordedInInchesAndEachCarriesTheDrawingState)
{
    TPageStream stream;
    TReportFiler job(stream);
    job.SetPaper(9);
    job.SetOrientation(TOrientation::poLandscape);
    QStringList events;
    job.OnBeforePrint = [&](TBaseReport&) { events << "before"; };
    job.OnPrintHeader = [&](TBaseReport& r) { events << QString("header %1").arg(r.CurrentPage()); };
    job.OnPrintFooter = [&](TBaseReport& r) { events << QString("footer %1").arg(r.CurrentPage()); };
    job.OnNewPage = [&](TBaseReport& r) { events << QString("new %1").arg(r.CurrentPage()); };
    job.OnAfterPrint = [&](TBaseReport&) { events << "after"; };
    job.OnPrint = [](TBaseReport& r) {
        r.SetFont("Arial", 14);
        r.SetBold(true);
        r.PrintAt(1.0_in, 2.0_in, "first", TTextAlign::taCenter);
        r.NewPage();
        r.Rectangle(TInchRect{1.0_in, 1.0_in, 3.0_in, 2.0_in});
    };
    ASSERT_TRUE(job.Execute());

    EXPECT_EQ(events, QStringList({"before", "header 1", "footer 1", "header 2", "new 2", "footer 2", "after"}));
    ASSERT_EQ(stream.PageCount(), 2);
    EXPECT_NEAR(stream.Page(1).PageWidth().Value(), 11.69, 0.01);   // A4 landscape
    const auto text = stream.Page(1).OfKind<TTextOp>();
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0].Anchor, (TInchPoint{1.0_in, 2.0_in}));
    EXPECT_EQ(text[0].Align, TTextAlign::taCenter);
    // Page 2 starts with the font still in force, so it can be shown on its own.
    const auto fonts = stream.Page(2).OfKind<TFontOp>();
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(fonts.front().Family, "Arial");
    EXPECT_DOUBLE_EQ(fonts.front().PointSize, 14);
    EXPECT_TRUE(fonts.front().Bold);
    EXPECT_EQ(job.DeviceName(), "Preview");
}

TEST(TBaseReportTest, StatusFormatReplacesPageAndStatusLines)
{
    TPageStream stream;
    TReportFiler job(stream);
    QStringList shown;
    job.StatusLabel = [&](const QString& text) { shown << text; };
    job.StatusText = {"Smith", "Springfield"};
    job.OnPrint = [](TBaseReport& r) { r.NewPage(); };
    job.Execute();
    EXPECT_EQ(shown, QStringList({"Printing Page 1\rSmith\rSpringfield", "Printing Page 2\rSmith\rSpringfield"}));
    job.StatusText = {"only one"};
    EXPECT_EQ(job.StatusMessage("%p|%0|%1|100%"), "2|only one||100%");
}

TEST(TBaseReportTest, AbortedJobOpensNoFurtherPagesAndReportsFailure)
{
    TPageStream stream;
    TReportFiler job(stream);
    job.OnPrint = [](TBaseReport& r) {
        for (int page = 0; page < 10 && r.ProcessEvents(); ++page) {
            if (page == 2)
                r.Abort();
            r.NewPage();
        }
    };
    EXPECT_FALSE(job.Execute());
    EXPECT_TRUE(job.Aborted());
    EXPECT_EQ(stream.PageCount(), 3);
}

TEST(TBaseReportTest, TabsJustifyClipShadeAndFrameTheirCells)
{
    TPageStream stream;
    TReportFiler job(stream);
    job.SetMarginLeft(1.0_in);
    job.OnPrint = [](TBaseReport& r) {
        r.SetTab(std::nullopt, TTabJustify::tjLeft, 2.0_in, 5, 10);
        r.SetTab(std::nullopt, TTabJustify::tjRight, 1.5_in, 0, 0, tbBottom);
        r.PrintTab("left");
        r.PrintTab("right");
        EXPECT_FALSE(r.Tab());
    };
    job.Execute();
    const TDisplayList& page = stream.Page(1);
    const auto texts = page.OfKind<TClippedTextOp>();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Clip.Left, 1.05_in);               // first tab at the section's left + margin
    EXPECT_EQ(texts[0].Start.X, 1.05_in);
    EXPECT_EQ(texts[1].Clip.Left, 3.0_in);                // second tab directly after the first
    EXPECT_LT(texts[1].Start.X, 4.5_in);
    EXPECT_GT(texts[1].Start.X, 4.0_in);                  // right-justified: ends at the right edge
    const auto fills = page.OfKind<TFillRectOp>();
    ASSERT_EQ(fills.size(), 1u);                          // only the shaded tab
    EXPECT_EQ(fills[0].Color, QColor(230, 230, 230));
    const auto lines = page.OfKind<TLineOp>();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].From.X, 3.0_in);
    EXPECT_EQ(lines[0].To.X, 4.5_in);
}

} // namespace

namespace {

TEST(TPagePainterTest, ShapesPicturesAndImagesLandOnTheirInchRectangles)
{
    QPicture picture;
    {
        QPainter painter(&picture);
        painter.fillRect(QRect(0, 0, 50, 20), Qt::blue);   // the whole frame, in the picture's units
    }
    QImage green(4, 4, QImage::Format_RGB32);
    green.fill(Qt::green);

    TPageStream stream;
    TReportFiler job(stream);
    job.OnPrint = [&](TBaseReport& r) {
        r.FillRect(TInchRect{1.0_in, 1.0_in, 2.0_in, 2.0_in}, Qt::red);
        r.StretchPicture(TInchRect{3.0_in, 1.0_in, 4.0_in, 2.0_in}, picture, QRectF(0, 0, 50, 20));
        r.StretchDraw(TInchRect{5.0_in, 1.0_in, 6.0_in, 2.0_in}, green);
    };
    job.Execute();

    QImage image(8 * 96, 3 * 96, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TPagePainter(painter, 96, 96).PlayPage(stream.Page(1), false);
    painter.end();
    struct Probe { int X; int Y; QColor Expected; };
    const Probe probes[] = {
        {97, 97, Qt::red},    {190, 190, Qt::red},   {94, 150, Qt::white}, {194, 150, Qt::white},
        {290, 98, Qt::blue},  {380, 190, Qt::blue},  {390, 150, Qt::white},
        {490, 98, Qt::green}, {570, 190, Qt::green}, {150, 200, Qt::white},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(image.pixelColor(p.X, p.Y), p.Expected) << p.X << "," << p.Y;
}

} // namespace

namespace {

// The inked area of an image inside `area` (inches), in inches.
QRectF InkInches(const QImage& image, double dpi, const QRectF& area)
{
    QRect ink;
    for (int y = int(area.top() * dpi); y < int(area.bottom() * dpi); ++y)
        for (int x = int(area.left() * dpi); x < int(area.right() * dpi); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return QRectF(ink.left() / dpi, ink.top() / dpi, ink.width() / dpi, ink.height() / dpi);
}

TEST(TPagePainterTest, PictureTextScalesWithTheGeometryAtAnyResolution)
{
    // Text objects draw into a picture at screen resolution; on a printer their text must keep
    // its place and size in inches, not grow with the printer's dots per inch.
    QPicture picture;
    {
        QPainter painter(&picture);
        QFont font("Arial");
        font.setPixelSize(40);
        painter.setFont(font);
        painter.drawText(QPointF(0, 40), "HH");
        painter.drawRect(0, 0, 191, 95);   // an outline over the text must not paint it out
    }
    TDisplayList page(8.5_in, 11.0_in);
    page.Add(TPictureOp{TInchRect{1.0_in, 1.0_in, 3.0_in, 2.0_in}, picture, QRectF(0, 0, 192, 96)});

    QRectF reference;
    for (double dpi : {96.0, 300.0, 600.0}) {
        QImage image(int(4 * dpi), int(3 * dpi), QImage::Format_RGB32);
        const int dotsPerMeter = int(dpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        image.fill(Qt::white);
        QPainter painter(&image);
        TPagePainter(painter, dpi, dpi).PlayPage(page, false);
        painter.end();
        const QRectF ink = InkInches(image, dpi, QRectF(1.05, 1.05, 1.9, 0.9));
        if (reference.isNull()) {
            reference = ink;
            EXPECT_GT(ink.width(), 0.3);
            continue;
        }
        EXPECT_NEAR(ink.left(), reference.left(), 0.02) << dpi;
        EXPECT_NEAR(ink.top(), reference.top(), 0.02) << dpi;
        EXPECT_NEAR(ink.width(), reference.width(), 0.03) << dpi;
        EXPECT_NEAR(ink.height(), reference.height(), 0.03) << dpi;
    }
}

} // namespace
