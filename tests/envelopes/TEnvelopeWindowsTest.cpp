// The envelope windows driven through their handlers with scripted prompts: the setup screen's
// commands and print path, the design screen's first activation, Layout and Save, the
// confirmation and feed dialogs, and the status window's envelope texts.
#include "EnvelopeTestTable.h"

#include "envelopes/TEnvelopeDesignScreen.h"
#include "envelopes/TEnvelopeFeed.h"
#include "envelopes/TEnvelopeFeedPicture.h"
#include "envelopes/TEnvelopeForm.h"
#include "envelopes/TEnvelopePrePrint.h"
#include "envelopes/TQVEnvelopes.h"

#include "layout/TLayoutDesigner.h"
#include "output/TPageStream.h"
#include "output/TReportFiler.h"
#include "settings/TIniFile.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

class TEnvelopeWindowsTest : public EnvelopeTestTable {
protected:
    void SetUp() override
    {
        EnvelopeTestTable::SetUp();
        TPrinterSelection::SetPdfPrinterOffered(true);
        Create({{"FNAME=Ann", "LNAME=Able", "ORG=Acme", "CITY=Ames"}, {"FNAME=Cy", "LNAME=Cole", "CITY=Cody"}});
    }

    QString Sysdata(const QString& name) const { return TProgramFolder::SysdataFolder() + name; }

    // The real design screen behind Modify and New, driven as a user would: first activation,
    // a description typed, an object drawn, Save.
    static void DesignThroughTheScreen(TQVEnvelopes& screen, const QString& description)
    {
        screen.DesignSetup = [description](TEnvelopeSetups& setups, TEnvelopeSetup& setup, bool isNew) {
            TEnvelopeDesignScreen design(setups, setup, isNew, nullptr, nullptr);
            design.FormActivate();
            EXPECT_EQ(design.SaveButton()->isHidden(), !isNew); // a new envelope is offered for saving at once
            design.DescriptionEdit()->setText(description);
            design.Panel().AddObject(design.Panel().CreateObject(TLPanelState::psAddressLabel), QRect(400, 180, 300, 90));
            design.SaveButtonClick();
            setup = design.Setup();
            return design.result() == QDialog::Accepted;
        };
    }
};

TEST_F(TEnvelopeWindowsTest, SetupCommandsKeepRowsAndFilesTogether)
{
    auto screen = TQVEnvelopes::Create(*Table);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), "Print Envelope");
    for (const char* text : {"Modify", "Clone", "&Print", "Pre&view", "Delete"})
        EXPECT_FALSE(screen->Button(text)->isEnabled()) << text;
    EXPECT_FALSE(screen->SetupList()->isEnabled());
    EXPECT_TRUE(screen->RecordsButton(TRecordChoice::TRecords::OnlyCurrent)->isChecked());
    EXPECT_EQ(screen->RecordField("Org"), "Acme");
    screen->MoveRecord(1);
    EXPECT_EQ(screen->RecordField("City"), "Cody");
    screen->MoveRecord(1); // past the end stays on the last record
    EXPECT_EQ(screen->RecordField("First"), "Cy");
    screen->MoveRecord(-2);

    // New: the size dialog first (cancelled: nothing), then the design screen.
    screen->ChooseSize = [](const TEnvelopeSize&) { return std::nullopt; };
    screen->NewButtonClick();
    EXPECT_EQ(screen->SetupList()->count(), 0);
    screen->ChooseSize = [](const TEnvelopeSize&) { return TEnvelopeSizes::Find(22); };
    DesignThroughTheScreen(*screen, "Big ones");
    screen->NewButtonClick();
    ASSERT_EQ(screen->SetupList()->count(), 1);
    EXPECT_TRUE(screen->Button("Modify")->isEnabled());
    EXPECT_EQ(screen->CurrentSetup()->Code, 22);
    EXPECT_TRUE(QFile::exists(Sysdata("BIN00001.E")));
    // The thumbnail: the #12 surface at 30 %, filled from the current record.
    EXPECT_EQ(screen->Thumbnail().Width, 1056);
    EXPECT_EQ(screen->Thumbnail().Objects().size(), 1u);

    // Clone asks first; No changes nothing.
    Prompts.Answer(false);
    screen->CloneButtonClick();
    EXPECT_EQ(screen->SetupList()->count(), 1);
    Prompts.Answer(true);
    screen->CloneButtonClick();
    EXPECT_EQ(Prompts.Texts(), QStringList({"Clone \"Big ones\"?", "Clone \"Big ones\"?"}));
    ASSERT_EQ(screen->SetupList()->count(), 2);
    EXPECT_EQ(screen->CurrentSetup()->Description, "Clone of Big ones");
    EXPECT_TRUE(QFile::exists(Sysdata("BIN00002.E")));

    Prompts.Clear();
    Prompts.Answer(true);
    screen->DeleteButtonClick();
    EXPECT_EQ(Prompts.Texts(), QStringList{"Delete \"Clone of Big ones\"?"});
    EXPECT_EQ(screen->SetupList()->count(), 1);
    EXPECT_FALSE(QFile::exists(Sysdata("BIN00002.E")));
}

TEST_F(TEnvelopeWindowsTest, PreviewRunsTheChosenRecordsAndWritesTheSettings)
{
    auto screen = TQVEnvelopes::Create(*Table);
    screen->ChooseSize = [](const TEnvelopeSize&) { return TEnvelopeSizes::Find(20); };
    DesignThroughTheScreen(*screen, "Ten");
    screen->NewButtonClick();
    screen->MoveRecord(2);

    bool confirmed = false;
    screen->ConfirmPrint = [&](TBaseReport& job, TEnvelopeForm& form) {
        confirmed = true;
        EXPECT_EQ(job.Orientation(), TOrientation::poLandscape); // the default feed
        EXPECT_FALSE(form.PageMismatch(job));
        return true;
    };
    QString finalText;
    screen->RunStatusWindow = [&](TPrintStatusWindow& window) {
        window.RunJob();
        finalText = window.StatusText();
    };
    int pages = -1;
    screen->ShowPreview = [&](const TPageStream& stream) { pages = stream.PageCount(); };
    screen->PreviewButtonClick();
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(pages, 1); // only the current record
    EXPECT_EQ(finalText, "\rEnvelope Print Completed!");
    EXPECT_EQ(screen->RecordField("First"), "Cy");
    const TIniFile ini(TProgramFolder::SettingsFile());
    EXPECT_EQ(ini.ReadString("Envelope Feed", "Orientation", ""), "1");
    EXPECT_EQ(ini.ReadString("Envelope Printer", "Orientation", ""), "1");

    screen->RecordsButton(TRecordChoice::TRecords::All)->setChecked(true);
    screen->PreviewButtonClick();
    EXPECT_EQ(pages, 2);

    // A layout file gone: the message, nothing run.
    QFile::remove(Sysdata("BIN00001.E"));
    confirmed = false;
    Prompts.Clear();
    screen->PrintButtonClick();
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(Prompts.Texts(), QStringList{"Envelope definition file has been removed from the sysdata directory"});
}

TEST_F(TEnvelopeWindowsTest, StatusWindowCancelsAtOnceAndStopsAPreview)
{
    for (const bool previewing : {false, true}) {
        TPageStream pages;
        TReportFiler job(pages);
        TPrintStatusWindow window(job, previewing, TQVEnvelopes::StatusTexts());
        job.OnPrint = [&](TBaseReport& report) {
            for (int page = 0; page < 5 && report.ProcessEvents(); ++page) {
                if (page > 0)
                    report.NewPage();
                if (page == 1)
                    window.CancelButtonClick();
            }
        };
        EXPECT_EQ(window.ButtonText(), previewing ? "Stop" : "Cancel");
        window.RunJob();
        EXPECT_EQ(window.StatusText(), previewing ? "\rPreview Stopped!" : "\rEnvelope Print Canceled!");
        EXPECT_EQ(window.ButtonText(), "Ok");
    }
    EXPECT_EQ(Prompts.Texts(), QStringList()); // no question before cancelling
}

TEST_F(TEnvelopeWindowsTest, DesignScreenSurfaceLayoutAndUnknownSizes)
{
    auto setups = TEnvelopeSetups::Open();
    TEnvelopeSetup odd;
    odd.Description = "Odd";
    odd.Code = 99;
    odd = setups->Save(odd, WriteLayout);
    TEnvelopeDesignScreen design(*setups, odd, false, Table.get(), nullptr);
    design.FormActivate();
    EXPECT_EQ(design.windowTitle(), "Envelope Design Screen");
    EXPECT_EQ(design.LayoutCaption(), "Layout: Unknown");
    EXPECT_EQ(design.Panel().Width, 912); // the #10 surface until a size is chosen
    EXPECT_EQ(design.Panel().Objects().size(), 2u);
    EXPECT_EQ(design.DefaultFontCaption(), "Default Font: Arial, 10 pt ");

    design.ChooseSize = [](const TEnvelopeSize&) { return TEnvelopeSizes::Find(30); };
    design.LayoutMenuClick();
    EXPECT_EQ(design.LayoutCaption(), "Layout: ENVELOPE C4  229 X 324 MM");
    EXPECT_EQ(design.Panel().Width, 1244); // 12.96 x 9.16 inches
    EXPECT_EQ(design.Panel().Height, 879);
    EXPECT_FALSE(design.SaveButton()->isHidden());

    // Save drops objects outside the surface and keeps 50 characters of the description.
    design.Panel().AddObject(design.Panel().CreateObject(TLPanelState::psLabel), QRect(1240, 10, 60, 20));
    design.DescriptionEdit()->setText(QString(60, 'x'));
    design.SaveButtonClick();
    EXPECT_EQ(design.Setup().Description, QString(50, 'x'));
    EXPECT_EQ(design.Setup().Code, 30);
    EXPECT_EQ(design.Panel().Objects().size(), 2u);

    // Zoom keeps to 50..150 %.
    design.Designer().SetZoomPercent(200);
    EXPECT_EQ(design.Designer().ZoomPercent(), 150);
    design.Designer().SetZoomPercent(10);
    EXPECT_EQ(design.Designer().ZoomPercent(), 50);
}

TEST_F(TEnvelopeWindowsTest, ConfirmationWarnsAndFeedDialogFollowsTheChoices)
{
    TEnvelopePanel panel;
    TEnvelopeForm form(*Table, panel, TEnvelopeSizes::Find(20), {});
    TPageStream pages;
    TReportFiler job(pages);
    form.PreparePage(job);
    TEnvelopePrePrint dialog(job, form);
    EXPECT_FALSE(dialog.WarningShown());
    EXPECT_EQ(dialog.Field("Orientation:"), "Landscape");
    EXPECT_EQ(dialog.FeedDescription(), "Position: Center\nOrientation : Landscape\nFacing Down");

    dialog.FeedDialog = [](const TEnvelopeFeedSettings&, QWidget*) {
        return std::optional<TEnvelopeFeedSettings>(
            TEnvelopeFeedSettings{TFeedOrientation::foPortrait, TFeedFacing::ffUp, TFeedPosition::fpLeft, false});
    };
    dialog.PaperFeedButtonClick();
    EXPECT_EQ(dialog.Field("Orientation:"), "Portrait");
    EXPECT_TRUE(dialog.WarningShown()); // a portrait #10 page is not the envelope

    TEnvelopeFeed feed(TEnvelopeFeedSettings{TFeedOrientation::foLandscape, TFeedFacing::ffUp, TFeedPosition::fpRight, true});
    EXPECT_FALSE(feed.ClockwiseBox()->isHidden());
    EXPECT_EQ(feed.Picture()->Feed().ClockWiseRotation, true);
    feed.PortraitButton()->setChecked(true);
    EXPECT_TRUE(feed.ClockwiseBox()->isHidden());
    EXPECT_FALSE(feed.Settings().ClockWiseRotation);
    EXPECT_EQ(feed.Picture()->Feed().Orientation, TFeedOrientation::foPortrait);
    EXPECT_EQ(TEnvelopeFeedPicture::EnvelopeRect(feed.Settings()), QRect(96 - 72 - 2, 2, 72, 32));
}

} // namespace
