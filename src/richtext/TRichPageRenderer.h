// Pages of a TRichDocument: the document is laid out in its page's text area; a page is named
// by the document position it starts at (0 for the first). Renders a page into a rectangle of
// any QPainter at any resolution and zoom and tells where the next page starts. The print loop
// and the preview both draw through here.
#pragma once

#include <QImage>
#include <QRectF>

class QPainter;
class TRichDocument;

class TRichPageRenderer {
public:
    // Draws the page on which `start` lies into `textArea` (painter coordinates, the page's text
    // area at this resolution and zoom) for a device of `dotsPerInch`, enlarged by `zoom`.
    // Returns the next page's start, 0 when this page is the last.
    static int RenderPage(const TRichDocument& document, QPainter& painter, const QRectF& textArea, double dotsPerInch,
                          double zoom, int start);
    // The whole sheet as a picture: white paper at the page's size, the text area inset by the
    // margins, as the preview shows it. `next` (when given) receives the next page's start.
    static QImage RenderPageImage(const TRichDocument& document, double dotsPerInch, double zoom, int start,
                                  int* next = nullptr);
    static int NextPageStart(const TRichDocument& document, int start);
    static int PageCount(const TRichDocument& document);

private:
    static int PageOf(const TRichDocument& document, int position);
};
