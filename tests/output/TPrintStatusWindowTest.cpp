#include "output/TPrintStatusWindow.h"
#include "output/TReportFiler.h"
#include "output/TSingleRecordPrint.h"
#include "prompts/TScriptedUserPrompts.h"

#include <gtest/gtest.h>

namespace {

// A five-page job whose loop presses the window's Cancel/Stop button on page `pressOnPage`,
// the way a click arrives through ProcessEvents().
struct TStatusRun {
    TPageStream Stream;
    TReportFiler Job{Stream};
    TPrintStatusWindow* Window = nullptr;

    TStatusRun(bool previewing, int pressOnPage)
    {
        Job.OnPrint = [this, pressOnPage](TBaseReport& report) {
            for (int page = 1; page <= 5; ++page) {
                if (page > 1)
                    report.NewPage();
                if (page == pressOnPage)
                    Window->CancelButtonClick();
                if (!report.ProcessEvents())
                    break;
            }
        };
        Window = new TPrintStatusWindow(Job, previewing, TSingleRecordPrint::StatusTexts());
    }
    ~TStatusRun() { delete Window; }
};

TEST(TPrintStatusWindowTest, FinalTextsOfCompletedRuns)
{
    for (bool previewing : {false, true}) {
        TStatusRun run(previewing, 0);
        EXPECT_EQ(run.Window->windowTitle(), previewing ? "Preview Status" : "Print Status");
        EXPECT_EQ(run.Window->ButtonText(), previewing ? "Stop" : "Cancel");
        EXPECT_EQ(run.Window->RunJob(), TPrintOutcome::poCompleted);
        EXPECT_EQ(run.Window->StatusText(), previewing ? "\rReport Preview Ready!" : "\rReport Print Completed!");
        EXPECT_EQ(run.Window->ButtonText(), "Ok");
        EXPECT_EQ(run.Stream.PageCount(), 5);
    }
}

TEST(TPrintStatusWindowTest, CancelWhilePrintingAsksAndAbortsOnlyOnYes)
{
    TScriptedUserPrompts prompts;
    prompts.Answer(false);
    {
        TStatusRun run(false, 2);
        EXPECT_EQ(run.Window->RunJob(), TPrintOutcome::poCompleted);
    }
    prompts.Answer(true);
    TStatusRun run(false, 3);
    EXPECT_EQ(run.Window->RunJob(), TPrintOutcome::poCanceled);
    EXPECT_EQ(run.Window->StatusText(), "\rReport Print Canceled!");
    EXPECT_EQ(run.Window->ButtonText(), "Ok");
    EXPECT_EQ(prompts.Texts(), QStringList({"Cancel Report Printing?", "Cancel Report Printing?"}));
    EXPECT_EQ(prompts.Unanswered(), 0);
}

TEST(TPrintStatusWindowTest, StopWhilePreviewingKeepsThePagesSoFar)
{
    TScriptedUserPrompts prompts;
    TStatusRun run(true, 2);
    EXPECT_EQ(run.Window->RunJob(), TPrintOutcome::poStopped);
    EXPECT_EQ(run.Window->StatusText(), "\rPreview Stopped at page 2!");
    EXPECT_EQ(run.Stream.PageCount(), 2);
    EXPECT_TRUE(prompts.Asked().empty());   // stopping a preview asks nothing
}

TEST(TPrintStatusWindowTest, StatusLineFollowsThePages)
{
    TPageStream stream;
    TReportFiler job(stream);
    TPrintStatusWindow window(job, false, TSingleRecordPrint::StatusTexts());
    QStringList seen;
    job.OnBeforePrint = [](TBaseReport& r) { r.StatusText = {"Jones", ""}; };
    job.OnPrint = [&](TBaseReport& r) {
        seen << window.StatusText();
        r.NewPage();
        seen << window.StatusText();
    };
    window.RunJob();
    EXPECT_EQ(seen, QStringList({"Printing Page 1\rJones\r", "Printing Page 2\rJones\r"}));
}

} // namespace
