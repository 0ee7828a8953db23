#include "TQVEnvelopes.h"

#include "TChooseEnvelopeLayout.h"
#include "TEnvelopeDesignScreen.h"
#include "TEnvelopeForm.h"
#include "TEnvelopePrePrint.h"

#include "data/TAddressTable.h"
#include "help/THelp.h"
#include "layout/TLAddressDataSource.h"
#include "layout/TLPanelWidget.h"
#include "layout/TLStreamError.h"
#include "layout/TLayoutUnits.h"
#include "output/TPageStream.h"
#include "output/TPaperCodes.h"
#include "output/TPreviewForm.h"
#include "output/TReportFiler.h"
#include "prompts/TUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"
#include "xbase/DbfTable.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

const char* const RecordCaptions[] = {"First", "Last", "Org", "City"};
const char* const RecordFields[] = {"FNAME", "LNAME", "ORG", "CITY"};

// The surface of a size; an unknown size shows the #10 surface until one is chosen.
QSize Surface(const TEnvelopeSize& size)
{
    const TEnvelopeSize shown = size.Known() ? size : TEnvelopeSizes::Find(TEnvelopeSizes::DefaultCode);
    const int ppi = TLayoutUnits::PixelsPerInch();
    return {int(std::lround(ppi * shown.Length)), int(std::lround(ppi * shown.Width))};
}

} // namespace

std::unique_ptr<TQVEnvelopes> TQVEnvelopes::Create(TAddressTable& table, QWidget* parent)
{
    auto setups = TEnvelopeSetups::Open();
    if (!setups)
        return nullptr;
    return std::make_unique<TQVEnvelopes>(table, std::move(setups), parent);
}

TQVEnvelopes::TQVEnvelopes(TAddressTable& table, std::unique_ptr<TEnvelopeSetups> setups, QWidget* parent)
    : QDialog(parent), Table(table), Setups(std::move(setups)), Data(std::make_unique<TLAddressDataSource>(table))
{
    setWindowTitle(QStringLiteral("Print Envelope"));
    Job.Title = QLatin1String(TEnvelopeForm::JobTitle);
    ThumbnailPanel.DataSet = Data.get();
    DesignSetup = [this](TEnvelopeSetups& setups, TEnvelopeSetup& setup, bool isNew) {
        return TEnvelopeDesignScreen::Design(setups, setup, isNew, Table, Job, this);
    };
    ChooseSize = [this](const TEnvelopeSize& size) { return TChooseEnvelopeLayout::Choose(size, this); };
    ConfirmPrint = [this](TBaseReport& job, TEnvelopeForm& form) { return TEnvelopePrePrint::Confirm(job, form, this); };
    ShowPreview = [this](const TPageStream& pages) { OpenPreview(pages); };
    BuildWindow();
    ApplyPrinterSettings();
    FillList();
    RefreshRecord();
}

TQVEnvelopes::~TQVEnvelopes()
{
    ThumbnailPanel.DataSet = nullptr;
}

TStatusTexts TQVEnvelopes::StatusTexts()
{
    TStatusTexts texts;
    texts.PrintCanceled = QLatin1String(TEnvelopeForm::PrintCanceledText);
    texts.PreviewCanceled = QLatin1String(TEnvelopeForm::PreviewCanceledText);
    texts.PreviewStopped = QLatin1String(TEnvelopeForm::PreviewStoppedText);
    texts.PrintCompleted = QLatin1String(TEnvelopeForm::PrintCompletedText);
    texts.PreviewReady = QLatin1String(TEnvelopeForm::PrintCompletedText);
    // Cancel aborts an envelope run at once: no question.
    return texts;
}

void TQVEnvelopes::BuildWindow()
{
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    List = new QListWidget(this);
    List->setMinimumWidth(260);
    left->addWidget(List, 1);
    auto* setupButtons = new QHBoxLayout;
    const auto addButton = [this](const QString& text, QBoxLayout* into, auto handler) {
        auto* button = new QPushButton(text, this);
        connect(button, &QPushButton::clicked, this, handler);
        into->addWidget(button);
        Buttons.push_back(button);
        return button;
    };
    addButton(QStringLiteral("Modify"), setupButtons, &TQVEnvelopes::ModifyButtonClick);
    addButton(QStringLiteral("New"), setupButtons, &TQVEnvelopes::NewButtonClick);
    addButton(QStringLiteral("Delete"), setupButtons, &TQVEnvelopes::DeleteButtonClick);
    addButton(QStringLiteral("Clone"), setupButtons, &TQVEnvelopes::CloneButtonClick);
    left->addLayout(setupButtons);

    ThumbnailView = new TLPanelWidget(ThumbnailPanel, this);
    left->addWidget(ThumbnailView, 0, Qt::AlignHCenter);

    auto* record = new QGroupBox(QStringLiteral("Current record"), this);
    auto* recordLayout = new QGridLayout(record);
    for (int i = 0; i < 4; ++i) {
        recordLayout->addWidget(new QLabel(QLatin1String(RecordCaptions[i]), record), i / 2, (i % 2) * 2);
        RecordLabels[i] = new QLabel(record);
        RecordLabels[i]->setMinimumWidth(110);
        recordLayout->addWidget(RecordLabels[i], i / 2, (i % 2) * 2 + 1);
    }
    auto* moves = new QHBoxLayout;
    const std::pair<const char*, int> steps[] = {{"|<", -2}, {"<", -1}, {">", 1}, {">|", 2}};
    for (const auto& [text, step] : steps) {
        auto* button = new QPushButton(QLatin1String(text), record);
        button->setFixedWidth(36);
        connect(button, &QPushButton::clicked, this, [this, step = step] { MoveRecord(step); });
        moves->addWidget(button);
    }
    recordLayout->addLayout(moves, 2, 0, 1, 4);
    left->addWidget(record);
    layout->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    auto* choice = new QGroupBox(QStringLiteral("Which records"), this);
    auto* choiceLayout = new QVBoxLayout(choice);
    AllRecords = new QRadioButton(QStringLiteral("All records"), choice);
    MatchingFilter = new QRadioButton(QStringLiteral("Records matching filter"), choice);
    OnlyCurrent = new QRadioButton(QStringLiteral("Only current record"), choice);
    StartFromCurrent = new QCheckBox(QStringLiteral("Start from current record"), choice);
    RecordsButton(TRecordChoice::DefaultRecords(TRecordChoice::TPrintout::Envelopes))->setChecked(true);
    for (QWidget* widget : std::initializer_list<QWidget*>{AllRecords, MatchingFilter, OnlyCurrent, StartFromCurrent})
        choiceLayout->addWidget(widget);
    right->addWidget(choice);
    addButton(QStringLiteral("Printer Setup"), right, &TQVEnvelopes::PrinterSetupButtonClick);
    addButton(QStringLiteral("Pre&view"), right, &TQVEnvelopes::PreviewButtonClick);
    addButton(QStringLiteral("&Print"), right, &TQVEnvelopes::PrintButtonClick);
    right->addStretch(1);
    addButton(QStringLiteral("Ok"), right, &QDialog::accept);
    addButton(QStringLiteral("Help"), right, [this] { THelp::ShowPageOf(this); });
    layout->addLayout(right);

    connect(List, &QListWidget::currentRowChanged, this, [this] { SetupChanged(); });
    connect(List, &QListWidget::itemDoubleClicked, this, [this] { ModifyButtonClick(); });
}

QPushButton* TQVEnvelopes::Button(const QString& text) const
{
    for (QPushButton* button : Buttons)
        if (button->text() == text)
            return button;
    return nullptr;
}

QRadioButton* TQVEnvelopes::RecordsButton(TRecordChoice::TRecords records) const
{
    switch (records) {
    case TRecordChoice::TRecords::All: return AllRecords;
    case TRecordChoice::TRecords::MatchingFilter: return MatchingFilter;
    case TRecordChoice::TRecords::OnlyCurrent: break;
    }
    return OnlyCurrent;
}

TRecordChoice::TRecords TQVEnvelopes::Records() const
{
    if (AllRecords->isChecked())
        return TRecordChoice::TRecords::All;
    return MatchingFilter->isChecked() ? TRecordChoice::TRecords::MatchingFilter : TRecordChoice::TRecords::OnlyCurrent;
}

void TQVEnvelopes::FillList(uint32_t select)
{
    Rows = Setups->Setups();
    const QSignalBlocker blocker(List);
    List->clear();
    int row = 0;
    for (size_t i = 0; i < Rows.size(); ++i) {
        List->addItem(Rows[i].Description);
        if (Rows[i].RecordNumber == select)
            row = int(i);
    }
    if (!Rows.empty())
        List->setCurrentRow(row);
    SetupChanged();
}

std::optional<TEnvelopeSetup> TQVEnvelopes::CurrentSetup() const
{
    const int row = List->currentRow();
    if (row < 0 || size_t(row) >= Rows.size())
        return std::nullopt;
    return Rows[size_t(row)];
}

void TQVEnvelopes::SetupChanged()
{
    UpdateButtons();
    RefreshThumbnail();
}

void TQVEnvelopes::UpdateButtons()
{
    const bool any = !Rows.empty();
    List->setEnabled(any);
    for (const char* text : {"Modify", "Clone", "&Print", "Pre&view", "Delete"})
        Button(QLatin1String(text))->setEnabled(any);
}

void TQVEnvelopes::RefreshThumbnail()
{
    // Loaded at 100 % zoom, then shown at 30 %.
    ThumbnailPanel.DeleteAllObjects();
    ThumbnailPanel.SetZoom(1.0);
    const std::optional<TEnvelopeSetup> setup = CurrentSetup();
    const QSize surface = Surface(setup ? setup->Size() : TEnvelopeSizes::Find(TEnvelopeSizes::DefaultCode));
    ThumbnailPanel.SetSize(surface.width(), surface.height());
    if (setup && TSetupStore::IsLayoutName(setup->LayoutFile, TEnvelopeSetups::LayoutExtension)) {
        try {
            ThumbnailPanel.LoadFromFile(TEnvelopeSetups::LayoutPath(*setup));
        } catch (const TLStreamError&) {
            // A damaged layout shows what could be read; printing reports the fault.
        }
    }
    ThumbnailPanel.RefreshData();
    ThumbnailView->SetZoom(0.3);
    ThumbnailView->setFixedSize(ThumbnailView->sizeHint());
    ThumbnailView->update();
}

void TQVEnvelopes::RefreshRecord()
{
    for (int i = 0; i < 4; ++i)
        RecordLabels[i]->setText(Table.Table().eof() ? QString() : Table.FieldText(QLatin1String(RecordFields[i])));
}

QString TQVEnvelopes::RecordField(const QString& caption) const
{
    for (int i = 0; i < 4; ++i)
        if (caption == QLatin1String(RecordCaptions[i]))
            return RecordLabels[i]->text();
    return {};
}

void TQVEnvelopes::MoveRecord(int step)
{
    xbase::DbfTable& rows = Table.Table();
    const uint32_t before = rows.recordNumber();
    switch (step) {
    case -2: rows.goTop(); break;
    case 2: rows.goBottom(); break;
    default:
        rows.skip(step);
        if (rows.eof() || rows.bof()) {
            // Past either end the record stays where it was.
            rows.go(before);
            if (step > 0)
                rows.goBottom();
            else
                rows.goTop();
        }
    }
    RefreshRecord();
    ThumbnailPanel.RefreshData();
    ThumbnailView->update();
}

void TQVEnvelopes::NewButtonClick()
{
    const std::optional<TEnvelopeSetup> current = CurrentSetup();
    const std::optional<TEnvelopeSize> size = ChooseSize(current ? current->Size() : TEnvelopeSizes::Find(TEnvelopeSizes::DefaultCode));
    if (!size)
        return;
    TEnvelopeSetup setup;
    setup.Description = QLatin1String(TEnvelopeSizes::DefaultDescription);
    setup.SetSize(*size);
    if (DesignSetup(*Setups, setup, true))
        FillList(setup.RecordNumber);
}

void TQVEnvelopes::ModifyButtonClick()
{
    std::optional<TEnvelopeSetup> setup = CurrentSetup();
    if (!setup)
        return;
    if (DesignSetup(*Setups, *setup, false))
        FillList(setup->RecordNumber);
}

void TQVEnvelopes::CloneButtonClick()
{
    const std::optional<TEnvelopeSetup> setup = CurrentSetup();
    if (!setup || !TUserPrompts::Current().Question(QStringLiteral("CLONE"),
                                                     QStringLiteral("Clone \"%1\"?").arg(setup->Description)))
        return;
    try {
        FillList(Setups->Clone(setup->RecordNumber).RecordNumber);
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
}

void TQVEnvelopes::DeleteButtonClick()
{
    const std::optional<TEnvelopeSetup> setup = CurrentSetup();
    if (!setup || !TUserPrompts::Current().Question(QStringLiteral("DELETE"),
                                                     QStringLiteral("Delete \"%1\"?").arg(setup->Description)))
        return;
    Setups->Delete(setup->RecordNumber);
    FillList();
}

void TQVEnvelopes::ApplyPrinterSettings()
{
    TEnvelopePrinterSettings::Read(TProgramFolder::SettingsFile()).Apply(Job);
}

void TQVEnvelopes::PrinterSetupButtonClick()
{
    if (!Job.PrinterSetup(this))
        return;
    try {
        TEnvelopePrinterSettings::Of(Job).Write(TProgramFolder::SettingsFile());
    } catch (const TIniError& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
}

void TQVEnvelopes::PrintEnvelopes(bool previewing)
{
    const std::optional<TEnvelopeSetup> setup = CurrentSetup();
    if (!setup)
        return;
    TUserPrompts& prompts = TUserPrompts::Current();
    ApplyPrinterSettings();
    try {
        TEnvelopeForm::LoadLayout(PrintPanel, *setup);
    } catch (const std::exception& error) {
        prompts.Information(QString::fromLocal8Bit(error.what()));
        return;
    }
    if (!setup->Size().Known()) {
        const QString problem = setup->SizeProblem();
        prompts.Information(problem.isEmpty() ? QLatin1String(TEnvelopeForm::UnknownSizeText) : problem);
        return;
    }
    const QString settingsFile = TProgramFolder::SettingsFile();
    TEnvelopeForm form(Table, PrintPanel, setup->Size(), TEnvelopeFeedSettings::Read(settingsFile));
    form.PreparePage(Job);
    if (!ConfirmPrint(Job, form))
        return;
    try {
        form.FeedSettings().Write(settingsFile);
        TEnvelopePrinterSettings::Of(Job).Write(settingsFile);
    } catch (const TIniError& error) {
        prompts.Information(QString::fromLocal8Bit(error.what()));
    }
    form.SetRecords(Records(), StartFromCurrent->isChecked());
    form.SetPreviewing(previewing);

    // The printer's calibration moves everything drawn, in the preview as on paper.
    Job.Calibration = TPrinterCalibration::Load(settingsFile, Job.DeviceName());
    TPageStream pages;
    TCalibrated<TReportFiler> filer(pages);
    filer.Calibration = Job.Calibration;
    TBaseReport& target = previewing ? static_cast<TBaseReport&>(filer) : Job;
    if (previewing) {
        // The preview shows the printer's page: its paper and orientation.
        if (Job.PaperCode() == TPaperCodes::pcCustom || !filer.SetPaper(Job.PaperCode()))
            filer.SetCustomPaper(TInches(Job.PageSize().size(QPageSize::Inch).width()),
                                 TInches(Job.PageSize().size(QPageSize::Inch).height()));
        filer.SetOrientation(Job.Orientation());
        filer.Title = Job.Title;
        form.SetPrintableAreaOf(Job);
    }
    bool aborted = true;
    try {
        form.Run(target, [&](TBaseReport& job) {
            TPrintStatusWindow status(job, previewing, StatusTexts(), this);
            status.CloseWhenDone = true;
            RunStatusWindow(status);
            // Only a finished or stopped run has pages to show; a failed one opens no preview.
            aborted = status.Outcome() != TPrintOutcome::poCompleted && status.Outcome() != TPrintOutcome::poStopped;
        });
    } catch (const std::exception& error) {
        prompts.Information(QString::fromLocal8Bit(error.what()));
    }
    RefreshRecord();
    if (previewing && !aborted)
        ShowPreview(pages);
}

void TQVEnvelopes::OpenPreview(const TPageStream& pages)
{
    TPreviewForm preview(this);
    preview.setWindowTitle(QStringLiteral("Preview Envelope"));
    preview.SetStream(&pages);
    preview.SetInitialZoom(TPreviewForm::izWholePage);
    preview.exec();
}
