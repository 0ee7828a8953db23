// Pictures of the report windows for a look by eye (not run by default):
//   QUORVANE_SCREENSHOTS=DIR test_reports --gtest_also_run_disabled_tests --gtest_filter=*Screenshots*
#include "ReportTestTable.h"

#include "layout/TLPDLabel.h"
#include "layout/TLPLabel.h"
#include "reports/TReportDesigner.h"
#include "reports/TReportProperties.h"
#include "reports/TReportSetup.h"

#include <QTabWidget>

namespace {

class TReportScreenshots : public ReportTestTable {};

TEST_F(TReportScreenshots, DISABLED_Screenshots)
{
    const QString folder = qEnvironmentVariable("QUORVANE_SCREENSHOTS");
    ASSERT_FALSE(folder.isEmpty());
    QDir().mkpath(folder);
    Create({{"LNAME=Able", "FNAME=Ann", "MEMO=A memo of the record"}});
    {
        TReportSetup window(*Table, true, TReportSetups::Open());
        window.resize(620, 380);
        window.show();
        window.grab().save(folder + "/report-window-builtin.png");
        window.Pages->setCurrentIndex(1);
        window.grab().save(folder + "/report-window-designer.png");
    }
    {
        TReportDesigner designer(Table.get());
        designer.Settings().Bands[0] = TLBandFrame{true, true, true, true, 2, 40, 0xFF0000};
        designer.Settings().Bands[1] = TLBandFrame{false, false, true, true, 1, 20, 0x808080};
        designer.Settings().Bands[2] = TLBandFrame{true, true, true, true, 1, 10, 0x00FF00};
        auto text = std::make_unique<TLPLabel>();
        text->SetCaption("Member list");
        designer.Band(TReportBand::rbHeader).AddObject(std::move(text), QRect(10, 5, 150, 20));
        auto field = std::make_unique<TLPDLabel>();
        field->DataFieldName = "LNAME";
        field->DataFieldDescript = "Last Name";
        designer.Band(TReportBand::rbDetail).AddObject(std::move(field), QRect(10, 5, 150, 20));
        designer.BandCheckClick(TReportBand::rbMemo, true);
        designer.BandCheckClick(TReportBand::rbFooter, true);
        designer.resize(900, 600);
        designer.show();
        designer.grab().save(folder + "/designer.png");
        // The same report printed, shaded bands and a memo.
        const QString file = TProgramFolder::SysdataFolder() + "BIN00001.R";
        designer.WriteReport(file);
        TReportRequest request;
        request.BuiltIn = 0;
        request.LayoutFile = file;
        ASSERT_TRUE(Run(request));
        TReportRun::WritePagePictures(Pages, folder + "/user-defined", 60);
    }
    {
        TLReportSettings settings;
        settings.UseFooter = settings.UseMemo = true;
        settings.Bands[0] = TLBandFrame{true, true, true, true, 2, 40, 0x0000FF};
        settings.Bands[1] = TLBandFrame{false, false, false, true, 1, 20, 0x808080};
        TReportProperties dialog(settings);
        dialog.Pages->setCurrentIndex(1);
        dialog.show();
        dialog.grab().save(folder + "/report-layout.png");
    }
}

} // namespace
