#include "TRichPageRenderer.h"

#include "TRichDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

#include <cmath>

namespace {
// Half a layout dot: lines pushed to a page's top sit exactly on the boundary.
constexpr double Tolerance = 0.5;

double LineTop(const QTextBlock& block, const QTextLine& line)
{
    return block.layout()->position().y() + line.y();
}
} // namespace

int TRichPageRenderer::PageOf(const TRichDocument& document, int position)
{
    const QTextDocument& text = document.Document();
    (void)text.pageCount(); // the layout is complete before positions are asked for
    const QTextBlock block = text.findBlock(position);
    if (!block.isValid() || !block.layout())
        return 0;
    const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
    const double top = line.isValid() ? LineTop(block, line) : block.layout()->position().y();
    return std::max(0, int(std::floor((top + Tolerance) / document.TextAreaHeight())));
}

int TRichPageRenderer::NextPageStart(const TRichDocument& document, int start)
{
    const QTextDocument& text = document.Document();
    const int page = PageOf(document, start);
    const double nextTop = (page + 1) * document.TextAreaHeight() - Tolerance;
    for (QTextBlock block = text.findBlock(std::max(0, start)); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; layout && i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int position = block.position() + line.textStart();
            if (position > start && LineTop(block, line) >= nextTop)
                return position;
        }
    }
    return 0;
}

int TRichPageRenderer::PageCount(const TRichDocument& document)
{
    int pages = 1;
    for (int start = NextPageStart(document, 0); start > 0; start = NextPageStart(document, start))
        ++pages;
    return pages;
}

int TRichPageRenderer::RenderPage(const TRichDocument& document, QPainter& painter, const QRectF& textArea,
                                  double dotsPerInch, double zoom, int start)
{
    const int page = PageOf(document, start);
    const double width = document.TextAreaWidth();
    const double height = document.TextAreaHeight();
    const double scale = dotsPerInch * zoom / TRichDocument::LayoutDpi;
    painter.save();
    painter.translate(textArea.topLeft());
    painter.scale(scale, scale);
    painter.translate(0, -page * height);
    QAbstractTextDocumentLayout::PaintContext context;
    // Lines never straddle pages, so the clip only cuts the neighbouring pages off; sideways it
    // leaves room for italic overhangs and negative indents.
    context.clip = QRectF(-width, page * height, 3 * width, height);
    context.palette.setColor(QPalette::Text, Qt::black);
    painter.setClipRect(context.clip, Qt::IntersectClip);
    document.Document().documentLayout()->draw(&painter, context);
    painter.restore();
    return NextPageStart(document, start);
}

QImage TRichPageRenderer::RenderPageImage(const TRichDocument& document, double dotsPerInch, double zoom, int start,
                                          int* next)
{
    const TRichPageLayout& page = document.PageLayout();
    const double scale = dotsPerInch * zoom;
    QImage image(int(std::lround(page.PaperWidth.ToInches().Value() * scale)),
                 int(std::lround(page.PaperHeight.ToInches().Value() * scale)), QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRectF textArea(page.MarginLeft.ToInches().Value() * scale, page.MarginTop.ToInches().Value() * scale,
                          page.TextWidth().ToInches().Value() * scale, page.TextHeight().ToInches().Value() * scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int following = RenderPage(document, painter, textArea, dotsPerInch, zoom, start);
    if (next)
        *next = following;
    return image;
}
