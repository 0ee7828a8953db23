// The system's preview window, opened modally after a previewed job that was not aborted.
// The caller sets the stream (which it keeps until the window has closed), the title and the
// initial zoom: 1 whole page, 2 page width, any other number a percentage. On every page or
// zoom change the title reads "Preview Page n of m ( z% )". Placement is remembered under the
// class name "TPreviewForm".
#pragma once

#include "TFilePreview.h"

#include <QDialog>

class QToolButton;
class QPushButton;

class TPreviewForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int izWholePage = 1;
    static constexpr int izPageWidth = 2;

    explicit TPreviewForm(QWidget* parent = nullptr);

    void SetStream(const TPageStream* stream) { Stream = stream; }
    void SetInitialZoom(int zoom) { InitialZoom = zoom; }
    TFilePreview& Previewer() { return *Preview; }
    // Called on first activation; public so that a window can be driven without showing it.
    void FormActivate();

    // The commands, named after their buttons.
    void ZoomInButtonClick() { Preview->ZoomIn(); }
    void ZoomOutButtonClick() { Preview->ZoomOut(); }
    void PageWidthButtonClick() { Preview->ZoomPageWidth(); }
    void WholePageButtonClick() { Preview->ZoomPage(); }
    void HundredPercentButtonClick() { Preview->SetZoomFactor(100); }
    void FirstPageButtonClick() { Preview->GotoPage(Preview->FirstPage()); }
    void PriorPageButtonClick() { Preview->GotoPage(Preview->CurrentPage() - 1); }
    void NextPageButtonClick() { Preview->GotoPage(Preview->CurrentPage() + 1); }
    void LastPageButtonClick() { Preview->GotoPage(Preview->PageCount()); }
    bool NavigationVisible() const;

    // The Help command: the preview's help page unless the caller gives another.
    std::function<void()> OnHelp;
    // With a handler, a "Print" button asks "Pages from … to …" and hands the range over, so a
    // jammed sheet is printed again without running the job again.
    std::function<void(int fromPage, int toPage)> OnPrintPages;
    void PrintButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    QToolButton* AddButton(const QString& text, const QString& tip, void (TPreviewForm::*handler)());
    void UpdateTitle();

    TFilePreview* Preview;
    const TPageStream* Stream = nullptr;
    int InitialZoom = izWholePage;
    bool Activated = false;
    QList<QToolButton*> NavigationButtons;
    QPushButton* PrintButton = nullptr;
};
