#include "output/TPreviewForm.h"
#include "output/TReportFiler.h"

#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

TPageStream PagesOfText(int pages)
{
    TPageStream stream;
    TReportFiler job(stream);
    job.OnPrint = [pages](TBaseReport& r) {
        for (int page = 1; page <= pages; ++page) {
            if (page > 1)
                r.NewPage();
            r.PrintAt(1.0_in, 1.0_in, QString("Page %1").arg(page));
        }
    };
    job.Execute();
    return stream;
}

TEST(TPreviewFormTest, TitleFollowsPageAndZoom)
{
    const TPageStream stream = PagesOfText(3);
    TPreviewForm form;
    form.SetStream(&stream);
    form.SetInitialZoom(100);
    form.FormActivate();
    EXPECT_EQ(form.windowTitle(), "Preview Page 1 of 3 ( 100% )");
    EXPECT_TRUE(form.NavigationVisible());
    form.NextPageButtonClick();
    form.ZoomInButtonClick();
    EXPECT_EQ(form.windowTitle(), "Preview Page 2 of 3 ( 110% )");
    form.LastPageButtonClick();
    form.NextPageButtonClick();   // stays on the last page
    EXPECT_EQ(form.Previewer().CurrentPage(), 3);
    form.FirstPageButtonClick();
    form.PriorPageButtonClick();
    EXPECT_EQ(form.Previewer().CurrentPage(), 1);
}

TEST(TPreviewFormTest, ZoomStaysWithinTenAndTwoHundredPercent)
{
    const TPageStream stream = PagesOfText(1);
    TPreviewForm form;
    form.SetStream(&stream);
    form.SetInitialZoom(195);
    form.FormActivate();
    EXPECT_FALSE(form.NavigationVisible());   // one page: no page commands
    form.ZoomInButtonClick();
    form.ZoomInButtonClick();
    EXPECT_DOUBLE_EQ(form.Previewer().ZoomFactor(), 200);
    for (int i = 0; i < 30; ++i)
        form.ZoomOutButtonClick();
    EXPECT_DOUBLE_EQ(form.Previewer().ZoomFactor(), 10);
    EXPECT_EQ(form.windowTitle(), "Preview Page 1 of 1 ( 10% )");
    form.Previewer().SetZoomFactor(5000);
    EXPECT_DOUBLE_EQ(form.Previewer().ZoomFactor(), 200);
}

TEST(TPreviewFormTest, FitCommandsFitTheView)
{
    const TPageStream stream = PagesOfText(1);
    TPreviewForm form;
    // Within the offscreen screen (800 x 600): a larger window is fitted onto the screen as it shows.
    form.resize(700, 560);
    form.SetStream(&stream);
    form.SetInitialZoom(TPreviewForm::izWholePage);
    form.show();
    TFilePreview& preview = form.Previewer();
    const QImage whole = preview.RenderPage();
    EXPECT_LE(whole.height(), preview.viewport()->height());
    EXPECT_LE(whole.width(), preview.viewport()->width());
    form.PageWidthButtonClick();
    const QImage wide = preview.RenderPage();
    EXPECT_LE(wide.width(), preview.viewport()->width());
    EXPECT_GT(wide.width(), preview.viewport()->width() - 40);
    // Arrow keys scroll by one step and never past either end.
    QScrollBar* bar = preview.verticalScrollBar();
    preview.ScrollStep(-1);
    EXPECT_EQ(bar->value(), 0);
    preview.ScrollStep(1);
    EXPECT_EQ(bar->value(), std::min(bar->singleStep(), bar->maximum()));
    form.HundredPercentButtonClick();
    EXPECT_DOUBLE_EQ(preview.ZoomFactor(), 100);
    form.accept();
}

} // namespace
