// The "Print Labels" window and its options dialog, driven headless: the list rules, the
// presort switches, and Print/Preview through the real loop with the table put back after.
#include "LabelsPrintTable.h"

#include "labels/TLabelSetupScreen.h"
#include "labels/TSelectSpecificLabels.h"
#include "output/TPreviewForm.h"
#include "output/TPrintStatusWindow.h"
#include "output/TRecordChoicePanel.h"
#include "tools/TAdcTable.h"
#include "tools/TBulkMailPresort.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QApplication>
#include <QMouseEvent>

namespace {

int PdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    return int(bytes.count("/Type /Page") - bytes.count("/Type /Pages"));
}

class TLabelSetupScreenTest : public TLabelsPrintTest {
protected:
    std::unique_ptr<TLabelSetupScreen> Screen;
    std::vector<TPrintOutcome> Outcomes;
    int PreviewPages = -1;

    void SetUp() override
    {
        TLabelsPrintTest::SetUp();
        std::vector<std::pair<QString, QString>> people;
        for (int n = 1; n <= 35; ++n)
            people.emplace_back(QStringLiteral("P%1").arg(n, 2, 10, QLatin1Char('0')), QStringLiteral("606%1").arg(n % 10, 2, 10, QLatin1Char('0')));
        CreateTable(people);
        Table->SetExtraFields(true);
    }
    void AddSetup(const QString& description)
    {
        Screen.reset(); // the screen holds LABEL.DBF for its own use
        auto setups = TLabelSetups::Open();
        ASSERT_TRUE(setups);
        const TLabelStock stock = TLabelStock::NewStock();
        setups->Add(description, stock, [&](const QString& path) { TLabelSetups::WriteNewLabelLayout(stock, path); });
    }
    void OpenScreen(bool filterSet = false)
    {
        Screen = std::make_unique<TLabelSetupScreen>(*Table, TLabelSetups::Open(), filterSet);
        Screen->PdfFileName = Home.filePath("labels.pdf");
        Screen->RunOptions = [](TSelectSpecificLabels&) { return true; };
        Screen->RunStatus = [this](TPrintStatusWindow& status) { Outcomes.push_back(status.RunJob()); };
        Screen->RunPreview = [this](TPreviewForm& preview) {
            preview.FormActivate();
            PreviewPages = preview.Previewer().PageCount();
        };
    }
};

TEST_F(TLabelSetupScreenTest, AnEmptyListDisablesItsCommandsAndHidesTheChoicesUntilASetupExists)
{
    OpenScreen();
    EXPECT_EQ(Screen->windowTitle(), "Print Labels");
    for (QWidget* widget : std::initializer_list<QWidget*>{Screen->ModifyButton, Screen->PrintButton, Screen->PreviewButton,
                                                           Screen->DeleteButton, Screen->CloneButton, Screen->SetupList})
        EXPECT_FALSE(widget->isEnabled());
    EXPECT_TRUE(Screen->NewButton->isEnabled());
    EXPECT_TRUE(Screen->RecordChoice->isHidden());
    EXPECT_TRUE(Screen->PrinterChoice->isHidden());

    AddSetup("Club");
    OpenScreen();
    EXPECT_TRUE(Screen->PrintButton->isEnabled());
    EXPECT_FALSE(Screen->RecordChoice->isHidden());
    EXPECT_EQ(Screen->ColumnText("Sheet Name"), "Avery 5160  Address");
    EXPECT_EQ(Screen->ColumnText("Label Width"), "2.625");
    EXPECT_EQ(Screen->ColumnText("# Down"), "10");

    // Clone asks, cuts the name, and Delete removes row and file.
    Prompts.Answer(true);
    Screen->CloneButtonClick();
    ASSERT_EQ(Screen->SetupCount(), 2);
    EXPECT_EQ(Screen->CurrentSetup()->Description, "Clone of :Club");
    EXPECT_EQ(Prompts.Asked().back().Caption, "CLONE");
    EXPECT_EQ(Prompts.Asked().back().Text, "Clone \"Club\"?");
    const QString cloneFile = TProgramFolder::SysdataFolder() + Screen->CurrentSetup()->LayoutFile;
    Prompts.Answer(true);
    Screen->DeleteButtonClick();
    EXPECT_EQ(Screen->SetupCount(), 1);
    EXPECT_FALSE(QFile::exists(cloneFile));
}

TEST_F(TLabelSetupScreenTest, PresortIsForgottenOnEveryChoiceAndOffForTheCurrentRecordAlone)
{
    QFile list(TBulkMailPresort::ListPath());
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("12345\r\n");
    list.close();
    AddSetup("Club");
    OpenScreen(true);
    EXPECT_FALSE(QFile::exists(TBulkMailPresort::ListPath()));
    EXPECT_TRUE(Screen->RecordChoice->MatchingFilterButton->isChecked());

    Screen->PresortCheck->setChecked(true);
    Screen->RunPresort = [](TAddressTable& table) {
        return TBulkMailPresort::Run(table, TAdcTable::Load(), TBulkMailPresort::ListPath()).has_value();
    };
    Screen->PreviewButtonClick();
    EXPECT_TRUE(Screen->Presorted());
    EXPECT_EQ(Prompts.Texts().back(), TLabelPrinter::OrderMessage);
    Screen->RecordChoice->AllRecordsButton->click();
    EXPECT_FALSE(Screen->Presorted());
    Screen->RecordChoice->OnlyCurrentButton->click();
    EXPECT_FALSE(Screen->PresortCheck->isChecked());
    EXPECT_FALSE(Screen->PresortCheck->isEnabled());
}

TEST_F(TLabelSetupScreenTest, PrintAndPreviewPutQueryOrderAndRecordBackOnEveryPath)
{
    AddSetup("Club");
    Table->Area().setCondition("LNAME>=\"P05\" .AND. !ISDEL");
    Table->SetOrderTag("LNAME");
    Table->Table().go(7);
    const std::string condition = Table->Area().condition();
    const size_t order = Table->Area().order();
    auto expectPutBack = [&](const char* path) {
        SCOPED_TRACE(path);
        EXPECT_EQ(Table->Area().condition(), condition);
        EXPECT_EQ(Table->Area().order(), order);
        EXPECT_EQ(Table->Table().recordNumber(), 7u);
    };
    OpenScreen(true);

    // Completed: a preview of the 31 filtered records on two sheets, then pages 2 to 2 again.
    Screen->RunPreview = [&](TPreviewForm& preview) {
        preview.FormActivate();
        PreviewPages = preview.Previewer().PageCount();
        ASSERT_TRUE(preview.OnPrintPages);
        preview.OnPrintPages(2, 2);
    };
    Screen->PreviewButtonClick();
    EXPECT_EQ(Outcomes.back(), TPrintOutcome::poCompleted);
    EXPECT_EQ(PreviewPages, 2);
    EXPECT_EQ(PdfPages(Screen->PdfFileName), 1);
    expectPutBack("preview");

    // Printed straight to the PDF, "All records" from the current one.
    Screen->RecordChoice->AllRecordsButton->click();
    Screen->PrintButtonClick();
    EXPECT_EQ(Outcomes.back(), TPrintOutcome::poCompleted);
    EXPECT_EQ(PdfPages(Screen->PdfFileName), 2);
    expectPutBack("print");

    // Cancelled in the options dialog: nothing runs.
    Screen->RunOptions = [](TSelectSpecificLabels&) { return false; };
    const size_t runs = Outcomes.size();
    Screen->PrintButtonClick();
    EXPECT_EQ(Outcomes.size(), runs);
    expectPutBack("options cancelled");

    // Failed: the PDF cannot be written; nothing says completed.
    Screen->RunOptions = [](TSelectSpecificLabels&) { return true; };
    Screen->PdfFileName = Home.filePath("missing/folder/labels.pdf");
    Screen->PrintButtonClick();
    EXPECT_NE(Outcomes.back(), TPrintOutcome::poCompleted);
    expectPutBack("failed");

    // The layout file gone: the message, nothing printed.
    QFile::remove(TProgramFolder::SysdataFolder() + Screen->CurrentSetup()->LayoutFile);
    Prompts.Clear();
    Screen->PrintButtonClick();
    EXPECT_EQ(Prompts.Texts(), QStringList{TLabelSetupScreen::MissingLayoutMessage});
    expectPutBack("layout missing");
}

TEST_F(TLabelSetupScreenTest, OptionsDialogFlipsPositionsAndWantsAtLeastOne)
{
    const TLabelStock stock = TLabelStock::NewStock();
    TLabelPositionMask mask(stock);
    TSelectSpecificLabels dialog(stock, mask, {"PDF file"}, "PDF file", false);
    EXPECT_EQ(dialog.windowTitle(), "Labels Print");
    const QRect second = dialog.Picture->PositionRect(1);
    // One fifth of real size: the pitch across is 2.75 in.
    EXPECT_NEAR(second.left() - dialog.Picture->PositionRect(0).left(), 2.75 * dialog.Picture->PixelsPerInch(), 1.0);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(second.center()), QPointF(second.center()), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.Picture, &press);
    EXPECT_FALSE(dialog.Mask().IsSet(1));
    EXPECT_TRUE(mask.IsSet(1)); // the caller's mask changes only on Ok
    dialog.NoneButtonClick();
    dialog.OkButtonClick();
    EXPECT_EQ(Prompts.Texts(), QStringList{TSelectSpecificLabels::NoneSelectedMessage});
    EXPECT_EQ(dialog.result(), 0);
    dialog.AllButtonClick();
    EXPECT_EQ(dialog.Mask().CountSet(), 30);
    dialog.CountEdit->setValue(3);
    EXPECT_EQ(dialog.LabelsPerRecord(), 3);

    TSelectSpecificLabels presorted(stock, mask, {"PDF file"}, "PDF file", true);
    EXPECT_TRUE(presorted.CountEdit->isHidden());
    EXPECT_EQ(presorted.LabelsPerRecord(), 1);
}

} // namespace

namespace {

TEST_F(TLabelSetupScreenTest, ModifyAndNewOpenTheDesignScreenAndTheListShowsWhatWasStored)
{
    AddSetup("Club");
    AddSetup("Another");
    OpenScreen();
    Screen->SetupList->setCurrentRow(1); // "Club"
    const uint32_t club = Screen->CurrentSetup()->RecordNumber;
    uint32_t designed = 0;
    Screen->RunModify = [&](TLabelSetups& setups, uint32_t record, TAddressTable* table, QWidget*) -> std::optional<TLabelSetup> {
        designed = record;
        EXPECT_EQ(table, Table.get());
        return setups.Update(record, "Aardvark club", TLabelStock::NewStock(), [](const QString& path) {
            TLabelSetups::WriteNewLabelLayout(TLabelStock::NewStock(), path);
        });
    };
    Screen->ModifyButtonClick();
    EXPECT_EQ(designed, club);
    EXPECT_EQ(Screen->SetupList->currentRow(), 0); // the stored setup, in its new place
    EXPECT_EQ(Screen->CurrentSetup()->Description, "Aardvark club");

    Screen->RunNew = [](TLabelSetups&, TAddressTable*, QWidget*) { return std::optional<TLabelSetup>(); };
    Screen->NewButtonClick(); // cancelled: nothing added, the same setup current
    EXPECT_EQ(Screen->SetupCount(), 2);
    EXPECT_EQ(Screen->CurrentSetup()->Description, "Aardvark club");
}

} // namespace
