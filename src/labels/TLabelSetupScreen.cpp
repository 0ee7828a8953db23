#include "TLabelSetupScreen.h"

#include "TCalibratePrinter.h"
#include "TLabelDesignScreen.h"
#include "TLabelJob.h"
#include "TLabelPrinter.h"
#include "TSelectSpecificLabels.h"

#include "data/TAddressTable.h"
#include "data/TRecordChoice.h"
#include "output/TBaseReport.h"
#include "output/TFilePrinter.h"
#include "output/TPageStream.h"
#include "output/TPreviewForm.h"
#include "output/TPrintStatusWindow.h"
#include "output/TPrinterCalibration.h"
#include "output/TRecordChoicePanel.h"
#include "prompts/TUserPrompts.h"
#include "settings/TProgramFolder.h"
#include "tools/TBulkMailPresort.h"
#include "tools/TSortBulkMail.h"
#include "help/THelp.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Inches(TInches length) { return QString::number(length.Value(), 'f', 3); }

// The sysdata path of a setup's layout file; empty when the row names none. A name that breaks
// the layout file rule (a folder, "..") throws: the setup is refused, never followed elsewhere.
QString LayoutPath(const TLabelSetup& setup)
{
    return setup.LayoutFile.isEmpty() ? QString() : TLabelSetups::LayoutPath(setup);
}

// LayoutPath, its refusal shown; false when refused.
bool CheckedLayoutPath(const TLabelSetup& setup, QString* path)
{
    try {
        *path = LayoutPath(setup);
        return true;
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
        return false;
    }
}

} // namespace

TLabelSetupScreen::TLabelSetupScreen(TAddressTable& table, std::unique_ptr<TLabelSetups> setups, bool filterSet,
                                     QWidget* parent)
    : QDialog(parent), Table(table), Setups(std::move(setups)), Data(table)
{
    setWindowTitle(QStringLiteral("Print Labels"));
    // A presort list left from before is of other records.
    QFile::remove(TBulkMailPresort::ListPath());

    RunOptions = [](TSelectSpecificLabels& dialog) { return dialog.exec() == QDialog::Accepted; };
    RunStatus = [](TPrintStatusWindow& status) { status.exec(); };
    RunPreview = [](TPreviewForm& preview) { preview.exec(); };
    RunPresort = [this](TAddressTable& records) { return TSortBulkMail::Execute(this, records); };
    RunModify = &TLabelDesignScreen::Modify;
    RunNew = &TLabelDesignScreen::New;

    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    SetupList = new QListWidget(this);
    SetupList->setMinimumWidth(300);
    left->addWidget(SetupList, 1);
    auto* manage = new QHBoxLayout;
    ModifyButton = new QPushButton(QStringLiteral("Modify"), this);
    NewButton = new QPushButton(QStringLiteral("New"), this);
    CloneButton = new QPushButton(QStringLiteral("Clone"), this);
    DeleteButton = new QPushButton(QStringLiteral("Delete"), this);
    for (QPushButton* button : {ModifyButton, NewButton, CloneButton, DeleteButton})
        manage->addWidget(button);
    left->addLayout(manage);
    layout->addLayout(left, 1);

    auto* middle = new QVBoxLayout;
    auto* columns = new QFormLayout;
    for (const char* caption : {"Sheet Name", "Label Height", "Label Width", "# Across", "# Down", "Paper Size",
                                "Paper Width", "Paper Height"}) {
        auto* value = new QLabel(this);
        columns->addRow(QString::fromLatin1(caption), value);
        Columns.emplace_back(QString::fromLatin1(caption), value);
    }
    middle->addLayout(columns);
    RecordChoice = new TRecordChoicePanel(TRecordChoice::TPrintout::Labels, filterSet, this);
    middle->addWidget(RecordChoice);
    PresortCheck = new QCheckBox(QStringLiteral("Presort for Bulk Mail"), this);
    middle->addWidget(PresortCheck);
    PrinterLabel = new QLabel(QStringLiteral("Printer"), this);
    PrinterChoice = new QComboBox(this);
    {
        TPrinterSelection printers;
        PrinterChoice->addItems(printers.Printers());
        PrinterChoice->setCurrentText(printers.PrinterName());
    }
    middle->addWidget(PrinterLabel);
    middle->addWidget(PrinterChoice);
    middle->addStretch();
    layout->addLayout(middle);

    auto* right = new QVBoxLayout;
    PrintButton = new QPushButton(QStringLiteral("Print"), this);
    PreviewButton = new QPushButton(QStringLiteral("Preview"), this);
    CalibrateButton = new QPushButton(QStringLiteral("Calibrate..."), this);
    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    HelpButton = new QPushButton(QStringLiteral("Help"), this);
    for (QPushButton* button : {PrintButton, PreviewButton, CalibrateButton, OkButton, HelpButton})
        right->addWidget(button);
    right->addStretch();
    layout->addLayout(right);

    connect(SetupList, &QListWidget::currentRowChanged, this, [this] { ShowCurrent(); });
    connect(SetupList, &QListWidget::itemDoubleClicked, this, [this] { ModifyButtonClick(); });
    connect(ModifyButton, &QPushButton::clicked, this, &TLabelSetupScreen::ModifyButtonClick);
    connect(NewButton, &QPushButton::clicked, this, &TLabelSetupScreen::NewButtonClick);
    connect(CloneButton, &QPushButton::clicked, this, &TLabelSetupScreen::CloneButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TLabelSetupScreen::DeleteButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &TLabelSetupScreen::PrintButtonClick);
    connect(PreviewButton, &QPushButton::clicked, this, &TLabelSetupScreen::PreviewButtonClick);
    connect(CalibrateButton, &QPushButton::clicked, this, &TLabelSetupScreen::CalibrateButtonClick);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpButton, &QPushButton::clicked, this, [this] { THelp::ShowPageOf(this); });
    connect(RecordChoice, &TRecordChoicePanel::ChoiceClicked, this, &TLabelSetupScreen::RecordChoiceClicked);

    Panel.DataSet = &Data;
    Refresh();
    RecordChoiceClicked();
    PresortDone = false;
}

TLabelSetupScreen::~TLabelSetupScreen() = default;

// ---- the list

const TLabelSetup* TLabelSetupScreen::CurrentSetup() const
{
    const int row = SetupList->currentRow();
    return row >= 0 && row < int(Rows.size()) ? &Rows[size_t(row)] : nullptr;
}

QString TLabelSetupScreen::PrinterName() const { return PrinterChoice->currentText(); }

QString TLabelSetupScreen::ColumnText(const QString& caption) const
{
    for (const auto& [name, label] : Columns)
        if (name == caption)
            return label->text();
    return QString();
}

void TLabelSetupScreen::Refresh(uint32_t selectRecord)
{
    const TLabelSetup* current = CurrentSetup();
    const uint32_t keep = selectRecord != 0 ? selectRecord : (current ? current->RecordNumber : 0);
    Rows = Setups->Setups();
    SetupList->blockSignals(true);
    SetupList->clear();
    int select = Rows.empty() ? -1 : 0;
    for (size_t i = 0; i < Rows.size(); ++i) {
        SetupList->addItem(Rows[i].Description);
        if (Rows[i].RecordNumber == keep)
            select = int(i);
    }
    SetupList->setCurrentRow(select);
    SetupList->blockSignals(false);
    ShowCurrent();
}

void TLabelSetupScreen::ShowCurrent()
{
    const TLabelSetup* setup = CurrentSetup();
    auto set = [this](const char* caption, const QString& text) {
        for (auto& [name, label] : Columns)
            if (name == QLatin1String(caption))
                label->setText(text);
    };
    if (!setup) {
        for (auto& [name, label] : Columns)
            label->clear();
    } else {
        const TLabelStock& stock = setup->Stock;
        const TLabelPaperSize* paper = TLabelStock::FindPaperSize(stock.PaperSize);
        set("Sheet Name", stock.SheetName());
        set("Label Height", Inches(stock.LabelHeight));
        set("Label Width", Inches(stock.LabelWidth));
        set("# Across", QString::number(stock.Across));
        set("# Down", QString::number(stock.Down));
        set("Paper Size", paper ? paper->ChoiceText : stock.PaperSize);
        set("Paper Width", Inches(stock.SheetWidth));
        set("Paper Height", Inches(stock.SheetDepth));
    }
    SetButtons();
}

void TLabelSetupScreen::SetButtons()
{
    const bool any = !Rows.empty();
    for (QWidget* widget : std::initializer_list<QWidget*>{ModifyButton, PrintButton, PreviewButton, DeleteButton,
                                                           CloneButton, SetupList, CalibrateButton})
        widget->setEnabled(any);
    for (QWidget* widget : std::initializer_list<QWidget*>{RecordChoice, PresortCheck, PrinterLabel, PrinterChoice})
        widget->setVisible(any);
}

void TLabelSetupScreen::RecordChoiceClicked()
{
    // Any change of the chosen records makes an earlier presort stale.
    PresortDone = false;
    const bool onlyCurrent = RecordChoice->Records() == TRecordChoice::TRecords::OnlyCurrent;
    if (onlyCurrent)
        PresortCheck->setChecked(false);
    PresortCheck->setEnabled(!onlyCurrent);
}

// ---- managing setups

void TLabelSetupScreen::Design(const std::function<std::optional<TLabelSetup>()>& run)
{
    try {
        const std::optional<TLabelSetup> stored = run();
        Refresh(stored ? stored->RecordNumber : 0);
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
        Refresh();
    }
}

void TLabelSetupScreen::ModifyButtonClick()
{
    if (const TLabelSetup* setup = CurrentSetup()) {
        const uint32_t record = setup->RecordNumber;
        const TLabelSetup chosen = *setup;
        Design([&] {
            LayoutPath(chosen); // a layout file outside sysdata is refused before the designer opens
            return RunModify(*Setups, record, &Table, this);
        });
    }
}

void TLabelSetupScreen::NewButtonClick()
{
    Design([&] { return RunNew(*Setups, &Table, this); });
}

void TLabelSetupScreen::CloneButtonClick()
{
    const TLabelSetup* setup = CurrentSetup();
    if (!setup)
        return;
    if (!TUserPrompts::Current().Question(QStringLiteral("CLONE"), QStringLiteral("Clone \"%1\"?").arg(setup->Description)))
        return;
    QString path;
    if (!CheckedLayoutPath(*setup, &path))
        return;
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        TUserPrompts::Current().Information(QLatin1String(MissingLayoutMessage));
        return;
    }
    try {
        Refresh(Setups->Clone(setup->RecordNumber).RecordNumber);
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
}

void TLabelSetupScreen::DeleteButtonClick()
{
    const TLabelSetup* setup = CurrentSetup();
    if (!setup)
        return;
    if (!TUserPrompts::Current().Question(QStringLiteral("DELETE"), QStringLiteral("Delete \"%1\"?").arg(setup->Description)))
        return;
    Setups->Delete(setup->RecordNumber);
    Refresh();
}

void TLabelSetupScreen::CalibrateButtonClick()
{
    const TLabelSetup* setup = CurrentSetup();
    if (!setup)
        return;
    TCalibratePrinter dialog(PrinterName(), setup->Stock, this);
    if (!PdfFileName.isEmpty())
        dialog.SheetPdfFile = PdfFileName;
    dialog.exec();
}

// ---- printing

bool TLabelSetupScreen::EnsureMask(const TLabelStock& stock)
{
    // The mask lives as long as the screen; a setup of another sheet size starts all set.
    if (PositionMask.Size() != std::min(stock.Positions(), TLabelPositionMask::MaximumPositions))
        PositionMask = TLabelPositionMask(stock);
    return PositionMask.Size() > 0;
}

void TLabelSetupScreen::PrintLabels(bool preview)
{
    // 1. The current row as it is now.
    Panel.DeleteAllObjects();
    const uint32_t record = CurrentSetup() ? CurrentSetup()->RecordNumber : 0;
    Refresh(record);
    const TLabelSetup* current = CurrentSetup();
    if (!current)
        return;
    const TLabelSetup setup = *current;
    if (!EnsureMask(setup.Stock))
        return;

    // 2. Positions, printer and labels per record.
    TSelectSpecificLabels options(setup.Stock, PositionMask, TPrinterSelection().Printers(), PrinterName(),
                                  PresortCheck->isChecked(), this);
    if (!RunOptions(options))
        return;
    PositionMask = options.Mask();
    PrinterChoice->setCurrentText(options.Printer());

    // 3. The layout.
    QString layoutPath;
    if (!CheckedLayoutPath(setup, &layoutPath))
        return;
    if (layoutPath.isEmpty() || !QFileInfo::exists(layoutPath)) {
        TUserPrompts::Current().Information(QLatin1String(MissingLayoutMessage));
        return;
    }
    try {
        Panel.LoadFromFile(layoutPath);
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
        return;
    }

    // 4.-6. Narrow and position the records; the choice puts query, order and record back
    // when it goes, whichever way this routine ends (15.).
    std::unique_ptr<TRecordChoice> choice;
    try {
        choice = RecordChoice->MakeChoice(Table);
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
        return;
    }
    const uint32_t firstRecord = Table.Table().recordNumber();

    // 7.-8. The presort.
    const bool presort = PresortCheck->isChecked();
    if (presort && !PresortDone) {
        PresortDone = RunPresort(Table);
        if (!PresortDone)
            return;
    }
    if (presort) {
        TUserPrompts::Current().Information(QLatin1String(TLabelPrinter::OrderMessage));
        Table.Table().go(firstRecord);
    }

    // 9.-11. The job.
    TLabelPrintOptions printOptions;
    printOptions.Stock = setup.Stock;
    printOptions.Mask = PositionMask;
    printOptions.LabelsPerRecord = presort ? 1 : options.LabelsPerRecord();
    printOptions.Presort = presort;
    printOptions.PresortListPath = TBulkMailPresort::ListPath();
    printOptions.Preview = preview;
    TLabelPrinter printer(Panel, Table, printOptions);
    TPageStream pages;
    TLabelJobTarget target;
    target.Title = setup.Description;
    target.Printer = PrinterName();
    target.PdfFile = PdfFileName;
    target.Calibration = TPrinterCalibration::Load(TProgramFolder::SettingsFile(), PrinterName());
    target.Pages = preview ? &pages : nullptr;
    target.Preview = preview;
    const TLabelJob made = TLabelJob::Make(target, printer, setup.Stock);
    TBaseReport* job = made.Job.get();

    // 12. The paper size the printer took.
    if ((!made.PaperConfirmed || TLabelPrinter::PaperDiffers(*job, setup.Stock)) &&
        !TUserPrompts::Current().Question(QStringLiteral("Confirm"), TLabelPrinter::PaperQuestion(setup.Stock),
                                          TQuestionDefault::qdNo))
        return;

    // 13. The status window runs the job.
    TPrintStatusWindow status(*job, preview, TLabelPrinter::StatusTexts(), this);
    status.setWindowTitle(preview ? QStringLiteral("Preview Status") : QStringLiteral("Print Status "));
    status.ClosePreviewWhenDone = true;
    status.FinalNote = [&printer] { return printer.NotPresortedNote(); };
    RunStatus(status);
    const TPrintOutcome outcome = status.Outcome();

    // 14. The preview, from which pages can be printed again.
    if (preview && (outcome == TPrintOutcome::poCompleted || outcome == TPrintOutcome::poStopped) &&
        pages.PageCount() > 0) {
        TPreviewForm form(this);
        form.SetStream(&pages);
        form.SetInitialZoom(TPreviewForm::izPageWidth);
        form.setWindowTitle(QStringLiteral("Preview Labels"));
        form.OnPrintPages = [this, &pages, &setup](int from, int to) {
            TFilePrinter file;
            file.Printers().SelectPrinter(PrinterName());
            if (!PdfFileName.isEmpty())
                file.Printers().SetPdfFileName(PdfFileName);
            if (!file.ExecuteRange(pages, setup.Description, from, to) && !file.Error().isEmpty())
                TUserPrompts::Current().Information(file.Error());
        };
        RunPreview(form);
    }
    // 15. `choice` puts the records back as it goes; the loop has cleared the panel's flag.
}
