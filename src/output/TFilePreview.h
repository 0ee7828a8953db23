// Shows one page of a TPageStream at ZoomFactor percent inside a scroll box: page count,
// current page, going to a page, zooming by ZoomInc within 10% to 200%, fitting the page's
// width or the whole page into the view. A left click on the page zooms in, any other button
// zooms out; the pointer over the page is a magnifier. The stream must outlive the preview.
#pragma once

#include "TPageStream.h"

#include <QScrollArea>

#include <functional>

class TFilePreview : public QScrollArea {
    Q_OBJECT
public:
    static constexpr double MinZoom = 10.0;
    static constexpr double MaxZoom = 200.0;

    explicit TFilePreview(QWidget* parent = nullptr);

    void Start(const TPageStream* stream);
    void Finish();
    bool Active() const { return Stream != nullptr; }

    int PageCount() const;
    int FirstPage() const { return 1; }
    int CurrentPage() const { return Page; }
    void GotoPage(int pageNumber);

    double ZoomFactor() const { return Zoom; }
    void SetZoomFactor(double percent);   // kept within MinZoom..MaxZoom
    double ZoomInc = 10.0;
    void ZoomIn() { SetZoomFactor(Zoom + ZoomInc); }
    void ZoomOut() { SetZoomFactor(Zoom - ZoomInc); }
    void ZoomPageWidth();
    void ZoomPage();

    // Screen pixels per inch at 100%; TScreenMetrics unless a caller sets another.
    void SetPixelsPerInch(double pixelsPerInch);
    // The current page as the preview draws it, at the current zoom.
    QImage RenderPage() const;
    // Any page at `percent`, for PNG output and timing.
    QImage RenderPage(int pageNumber, double percent) const;

    std::function<void()> OnPageChange;
    std::function<void()> OnZoomChange;

    // Scrolls one step up or down, never past either end.
    void ScrollStep(int direction);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class TPreviewPageWidget;
    double DotsPerInch() const { return PixelsPerInch * Zoom / 100.0; }
    QSize PagePixels(double percent) const;
    void PagePressed(Qt::MouseButton button);
    void Relayout();

    const TPageStream* Stream = nullptr;
    int Page = 1;
    double Zoom = 100.0;
    double PixelsPerInch;
    QWidget* PageWidget;
};
