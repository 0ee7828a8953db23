#include "TFilePreview.h"
#include "TPageImageBound.h"

#include "TPagePainter.h"
#include "TPagePictures.h"
#include "settings/TScreenMetrics.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

// The magnifier pointer, drawn here so the preview needs no resource file.
QCursor MagnifierCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(18, 18), QPointF(28, 28));
    painter.drawEllipse(QPointF(12, 12), 9, 9);
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(18, 18), QPointF(28, 28));
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(255, 255, 255, 160));
    painter.drawEllipse(QPointF(12, 12), 9, 9);
    painter.end();
    return QCursor(pixmap, 12, 12);
}

} // namespace

class TPreviewPageWidget : public QWidget {
public:
    explicit TPreviewPageWidget(TFilePreview& owner) : QWidget(nullptr), Preview(owner)
    {
        setCursor(MagnifierCursor());
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (!Preview.Stream || Preview.PageCount() == 0)
            return;
        const double dpi = Preview.DotsPerInch();
        TPagePainter(painter, dpi, dpi).PlayPage(Preview.Stream->Page(Preview.Page), false);
    }
    void mousePressEvent(QMouseEvent* event) override { Preview.PagePressed(event->button()); }

private:
    TFilePreview& Preview;
};

TFilePreview::TFilePreview(QWidget* parent)
    : QScrollArea(parent), PixelsPerInch(TScreenMetrics::PixelsPerInch())
{
    PageWidget = new TPreviewPageWidget(*this);
    setWidget(PageWidget);
    setWidgetResizable(false);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackgroundRole(QPalette::Dark);
    setFocusPolicy(Qt::StrongFocus);
    Relayout();
}

void TFilePreview::Start(const TPageStream* stream)
{
    Stream = stream;
    Page = 1;
    Relayout();
    if (OnPageChange)
        OnPageChange();
}

void TFilePreview::Finish()
{
    Stream = nullptr;
    Relayout();
}

int TFilePreview::PageCount() const
{
    return Stream ? Stream->PageCount() : 0;
}

void TFilePreview::GotoPage(int pageNumber)
{
    const int page = std::clamp(pageNumber, 1, std::max(1, PageCount()));
    if (page == Page)
        return;
    Page = page;
    Relayout();
    verticalScrollBar()->setValue(0);
    if (OnPageChange)
        OnPageChange();
}

void TFilePreview::SetZoomFactor(double percent)
{
    const double zoom = std::clamp(percent, MinZoom, MaxZoom);
    if (zoom == Zoom)
        return;
    Zoom = zoom;
    Relayout();
    if (OnZoomChange)
        OnZoomChange();
}

void TFilePreview::SetPixelsPerInch(double pixelsPerInch)
{
    PixelsPerInch = pixelsPerInch;
    Relayout();
}

QSize TFilePreview::PagePixels(double percent) const
{
    if (!Stream || PageCount() == 0)
        return QSize(int(8.5 * PixelsPerInch * percent / 100), int(11 * PixelsPerInch * percent / 100));
    const TDisplayList& page = Stream->Page(Page);
    const double dpi = PixelsPerInch * percent / 100.0;
    return QSize(std::max(1, page.PageWidth().ToPixels(dpi)), std::max(1, page.PageHeight().ToPixels(dpi)));
}

void TFilePreview::ZoomPageWidth()
{
    const QSize atHundred = PagePixels(100);
    // Leave room for the vertical scroll bar that a page this wide will need.
    const int available = viewport()->width() - (verticalScrollBar()->isVisible() ? 0 : verticalScrollBar()->sizeHint().width()) - 8;
    SetZoomFactor(100.0 * available / atHundred.width());
}

void TFilePreview::ZoomPage()
{
    const QSize atHundred = PagePixels(100);
    const QSize available = maximumViewportSize() - QSize(8, 8);
    SetZoomFactor(100.0 * std::min(double(available.width()) / atHundred.width(),
                                   double(available.height()) / atHundred.height()));
}

void TFilePreview::Relayout()
{
    PageWidget->resize(PagePixels(Zoom));
    PageWidget->update();
}

void TFilePreview::PagePressed(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        ZoomIn();
    else
        ZoomOut();
}

void TFilePreview::ScrollStep(int direction)
{
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(std::clamp(bar->value() + direction * bar->singleStep(), bar->minimum(), bar->maximum()));
}

void TFilePreview::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up)
        ScrollStep(-1);
    else if (event->key() == Qt::Key_Down)
        ScrollStep(1);
    else
        QScrollArea::keyPressEvent(event);
}

QImage TFilePreview::RenderPage() const
{
    return RenderPage(Page, Zoom);
}

QImage TFilePreview::RenderPage(int pageNumber, double percent) const
{
    if (!Stream || pageNumber < 1 || pageNumber > PageCount())
        return {};
    return TPagePictures::ScreenPicture(Stream->Page(pageNumber), PixelsPerInch * percent / 100.0, PixelsPerInch);
}
