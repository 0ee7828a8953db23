#include "RichTextTestSupport.h"

#include "richtext/TRichPageRenderer.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

TEST(TRichPageRendererTest, PageBreakBeforeStartsTheSecondPage)
{
    const auto document = ReadRtf(RichFixture("letter-two-pages.rtf"));
    EXPECT_EQ(TRichPageRenderer::PageCount(*document), 2);
    EXPECT_EQ(TRichPageRenderer::NextPageStart(*document, 0), PlainText(*document).indexOf("Page two"));
}

TEST(TRichPageRendererTest, LongTextFlowsOverPagesInOrder)
{
    QByteArray rtf = "{\\rtf1\\paperw5760\\paperh5760\\margl720\\margr720\\margt720\\margb720 ";
    for (int i = 0; i < 60; ++i)
        rtf += "Paragraph " + QByteArray::number(i) + " has words enough to wrap over two lines here.\\par ";
    rtf += "}";
    const auto document = ReadRtf(rtf);
    QList<int> starts{0};
    while (const int next = TRichPageRenderer::NextPageStart(*document, starts.last())) {
        ASSERT_GT(next, starts.last());
        starts << next;
        ASSERT_LT(starts.size(), 100);
    }
    EXPECT_GT(starts.size(), 5);
    EXPECT_EQ(TRichPageRenderer::PageCount(*document), starts.size());
    // Every page starts where the previous one left off: no text is skipped or drawn twice.
    EXPECT_EQ(TRichPageRenderer::NextPageStart(*document, starts[2] + 3), starts[3]);
}

TEST(TRichPageRendererTest, TextTallerThanThePageStillEnds)
{
    const auto document = ReadRtf(R"({\rtf1\paperw1440\paperh1440\margl100\margr100\margt100\margb100\fs3276 W W W W})");
    const int pages = TRichPageRenderer::PageCount(*document);
    EXPECT_GE(pages, 1);
    EXPECT_LE(pages, 8);
}

TEST(TRichPageRendererTest, DrawsInsideTheTextAreaAtAnyZoom)
{
    const auto document = ReadRtf(R"({\rtf1\paperw4320\paperh4320\margl720\margr720\margt720\margb720\fs24 )"
                                  R"(Some words to fill the text area with ink over several lines of text.\page Second})");
    for (const double zoom : {0.5, 1.0, 2.0}) {
        const double dpi = 96 * zoom;
        const int side = int(3 * dpi);
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QRectF textArea(0.5 * dpi, 0.5 * dpi, 2 * dpi, 2 * dpi);
        int next = 0;
        {
            QPainter painter(&image);
            next = TRichPageRenderer::RenderPage(*document, painter, textArea, 96, zoom, 0);
        }
        EXPECT_EQ(next, PlainText(*document).indexOf("Second"));
        int inside = 0, outside = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    ++(textArea.adjusted(-1, -1, 1, 1).contains(x, y) ? inside : outside);
        EXPECT_GT(inside, 20) << zoom;
        EXPECT_EQ(outside, 0) << zoom;
    }
}

} // namespace
