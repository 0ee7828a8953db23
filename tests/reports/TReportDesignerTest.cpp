#include "ReportTestTable.h"

#include "layout/TLPLabel.h"
#include "reports/THRuler.h"
#include "reports/TReportBandBars.h"
#include "reports/TReportDesigner.h"
#include "reports/TReportProperties.h"
#include "reports/TReportSetup.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QToolButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

namespace {

class TReportDesignerTest : public ReportTestTable {
protected:
    void SetUp() override
    {
        ReportTestTable::SetUp();
        Create({{"LNAME=Able", "MEMO=first memo"}});
    }
    static TLGraphicControl* Text(TReportPanel& band, const QRect& rect)
    {
        auto label = std::make_unique<TLPLabel>();
        label->SetCaption("x");
        return band.AddObject(std::move(label), rect);
    }
};

TEST_F(TReportDesignerTest, NewReportBandsSizersAndSwitches)
{
    TReportDesigner designer(Table.get());
    const TLReportSettings& s = designer.Settings();
    EXPECT_EQ(designer.Description(), "<new report>");
    EXPECT_EQ(designer.LayoutText(), "Letter Size, Portrait");
    EXPECT_EQ(s.HeaderHeight, 33);
    EXPECT_EQ(s.DetailHeight, 33);
    EXPECT_TRUE(s.UseHeader && s.UseDetail && !s.UseMemo && !s.UseFooter);
    EXPECT_EQ(designer.DefaultFontAction->text(), "Default Font: Arial, 10 pt "); // as the other designers write it
    for (const TLBandFrame& frame : s.Bands)
        EXPECT_TRUE(!frame.Top && frame.LineWidth == 1 && frame.ShadePercent == 0 && frame.ShadeColor == 0xFFFFFF);
    // Band width: 816 - 48 - 48 - 96/4; the ruler starts at the left margin.
    EXPECT_EQ(designer.Layout().BandWidth(), 696);
    EXPECT_EQ(designer.Band(TReportBand::rbDetail).Width, 696);
    EXPECT_DOUBLE_EQ(designer.Ruler->StartInch(), 0.5);
    EXPECT_FALSE(designer.Sizers[3]->isEnabled());
    EXPECT_FALSE(designer.Captions[2]->PropertiesButton->isVisibleTo(&designer));

    // Dragging the header sizer far down stops where the bands and 100 pixels fill the page area.
    TReportDesignLayout& layout = designer.Layout();
    layout.SetBandHeight(TReportBand::rbHeader, 5000);
    EXPECT_EQ(s.HeaderHeight + s.DetailHeight + 100, layout.PageAreaHeight());
    // Switching the footer on at height 0 gives 20 pixels, reduced to what is left (nothing here).
    designer.Settings().FooterHeight = 0;
    designer.BandCheckClick(TReportBand::rbFooter, true);
    EXPECT_EQ(s.FooterHeight, 0);
    layout.SetBandHeight(TReportBand::rbHeader, 33);
    designer.Settings().FooterHeight = 0;
    designer.BandCheckClick(TReportBand::rbFooter, true);
    EXPECT_EQ(s.FooterHeight, 20);
    EXPECT_TRUE(designer.Sizers[3]->isEnabled());
    // The memo band shows its strip, its Properties button and the record's memo.
    designer.BandCheckClick(TReportBand::rbMemo, true);
    EXPECT_TRUE(designer.Captions[2]->PropertiesButton->isVisibleTo(&designer));
    EXPECT_EQ(designer.MemoStrip->height(), 33);
    EXPECT_EQ(designer.MemoStrip->text(), "first memo");
}

TEST_F(TReportDesignerTest, ReleasingASizerPullsObjectsIn)
{
    TReportDesigner designer(Table.get());
    TLGraphicControl* low = Text(designer.Band(TReportBand::rbDetail), QRect(800, 30, 50, 15));
    designer.Layout().SetBandHeight(TReportBand::rbDetail, 20);
    designer.Layout().PullObjectsInside(TReportBand::rbDetail);
    EXPECT_LE(low->Top(), 20);
    EXPECT_LE(low->Left(), designer.Layout().BandWidth());
}

TEST_F(TReportDesignerTest, SaveRules)
{
    TReportDesigner designer(Table.get());
    TReportPanel& detail = designer.Band(TReportBand::rbDetail);
    TLGraphicControl* near = Text(detail, QRect(0, 40, 50, 15));  // 7 pixels below the bottom: kept
    Text(detail, QRect(0, 44, 50, 15));                            // 11 below: deleted
    Text(designer.Band(TReportBand::rbFooter), QRect(0, 0, 50, 15)); // footer off: deleted
    designer.SaveButtonClick();
    EXPECT_EQ(designer.result(), QDialog::Accepted);
    ASSERT_EQ(detail.Objects().size(), 1u);
    EXPECT_EQ(detail.Objects()[0].get(), near);
    EXPECT_TRUE(designer.Band(TReportBand::rbFooter).Objects().empty());

    // A band of height 0 is switched off; no band on keeps the designer open with the message.
    TReportDesigner empty(Table.get());
    empty.Settings().DetailHeight = 0;
    empty.BandCheckClick(TReportBand::rbHeader, false);
    empty.setResult(QDialog::Rejected);
    empty.SaveButtonClick();
    EXPECT_EQ(empty.result(), QDialog::Rejected);
    EXPECT_FALSE(empty.Settings().UseDetail);
    EXPECT_EQ(Prompts.Texts(), QStringList{TReportDesignLayout::NoBandsMessage});
}

TEST_F(TReportDesignerTest, RulerTicksCountFromThePaperEdge)
{
    THRuler ruler;
    EXPECT_EQ(ruler.height(), 33);
    EXPECT_EQ(ruler.width(), 768);
    ruler.SetStartInch(0.5);
    const auto ticks = ruler.Ticks();
    ASSERT_GT(ticks.size(), 10u);
    EXPECT_EQ(ticks[0].Index, 8);
    EXPECT_EQ(ticks[0].Length, 16);           // half inch
    EXPECT_EQ(ticks[1].X, 6);                  // 96 / 16 pixels apart
    EXPECT_EQ(ticks[1].Length, 8);
    EXPECT_EQ(ticks[8].Index, 16);
    EXPECT_EQ(ticks[8].Length, 33);            // the inch
    ruler.SetAlignHRuler(3);
    EXPECT_EQ(ruler.AlignHRuler(), 0);
    ruler.SetAlignHRuler(2);
    EXPECT_EQ(ruler.AlignHRuler(), 2);
}

TEST_F(TReportDesignerTest, LayoutDialogFindsThePaperAndSetsDefaults)
{
    TLReportSettings settings;
    settings.PageWidth = 1121;
    settings.PageHeight = 794;
    settings.LeftMargin = 96;
    settings.Bands[1] = TLBandFrame{true, true, true, true, 3, 40, 0x00FF00};
    TReportProperties dialog(settings);
    EXPECT_TRUE(dialog.A4Button->isChecked());
    EXPECT_TRUE(dialog.LandscapeButton->isChecked());
    EXPECT_DOUBLE_EQ(dialog.MarginEdits[0]->value(), 1.0);
    EXPECT_EQ(dialog.LayoutText(), "A4 Size, Landscape");
    EXPECT_EQ(dialog.Settings().Bands[1].ShadePercent, 40);
    dialog.PortraitButton->setChecked(true);
    EXPECT_EQ(dialog.Settings().PageWidth, 794);
    dialog.DefaultsButtonClick();
    const TLReportSettings defaults = dialog.Settings();
    EXPECT_EQ(dialog.LayoutText(), "Letter Size, Portrait");
    EXPECT_EQ(defaults.LeftMargin, 48);
    EXPECT_EQ(defaults.Bands[1].LineWidth, 1);
    EXPECT_FALSE(defaults.Bands[1].Top);
    EXPECT_EQ(defaults.Bands[1].ShadeColor, 0xFFFFFF);
    // A click on the detail band of the miniature opens its page.
    dialog.MiniatureClick(QPoint(20, 5));
    EXPECT_EQ(dialog.Pages->tabText(dialog.Pages->currentIndex()), "Detail");
}

TEST_F(TReportDesignerTest, ReportWindowDefaultsEnablingAndListCommands)
{
    auto setups = TReportSetups::Open();
    ASSERT_NE(setups, nullptr);
    const TReportEntry stored = setups->Save({0, "Members", "Letter Size, Portrait", {}}, [](const QString& path) {
        TReportDesigner designer(nullptr);
        designer.WriteReport(path);
    });
    TReportSetup window(*Table, false, std::move(setups));
    EXPECT_EQ(window.windowTitle(), "Print Report");
    EXPECT_EQ(window.TitleEdit->text(), "Report 1");
    EXPECT_TRUE(window.AllRecordsButton->isChecked());
    EXPECT_FALSE(window.MatchingFilterButton->isEnabled());
    window.ReportList->setCurrentRow(2);
    EXPECT_EQ(window.TitleEdit->text(), "Report 3");
    EXPECT_EQ(window.ReportList->item(2)->text(), "3. Organization,Name,Phone,Fax ");
    EXPECT_EQ(window.Request().BuiltIn, 3);

    window.Pages->setCurrentIndex(1);
    EXPECT_TRUE(window.PrintButton->isEnabled());
    EXPECT_EQ(window.Request().LayoutFile, TReportSetups::LayoutPath(stored));
    Prompts.Answer(true);
    window.CloneButtonClick();
    ASSERT_EQ(window.UserReportList->count(), 2);
    EXPECT_EQ(window.UserReportList->currentItem()->text(), "Clone of Members");
    window.UserReportList->setCurrentRow(1);
    Prompts.Answer(true);
    window.DeleteButtonClick();
    Prompts.Answer(false);
    window.DeleteButtonClick(); // No keeps the last one
    EXPECT_EQ(Prompts.Texts(), (QStringList{"Clone \"Members\"?", "Delete \"Members\"?", "Delete \"Clone of Members\"?"}));
    EXPECT_FALSE(QFile::exists(TReportSetups::LayoutPath(stored)));
    ASSERT_EQ(window.UserReportList->count(), 1);
    window.UserReportList->setCurrentRow(-1);
    EXPECT_FALSE(window.PrintButton->isEnabled());
    EXPECT_FALSE(window.ModifyButton->isEnabled());
}

} // namespace
