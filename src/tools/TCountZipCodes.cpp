#include "TCountZipCodes.h"

#include "TZipReadingPace.h"
#include "TZipReport.h"

#include "output/TPageStream.h"
#include "output/TPreviewForm.h"
#include "output/TReportFiler.h"
#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"
#include "help/THelp.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kCountingText = QStringLiteral("Counting the number of occurrences of each zip code:");
const QString kFinishedText = QStringLiteral("Finished counting. Press Print or Preview for the report");
} // namespace

TCountZipCodes::TCountZipCodes(TAddressTable& table, QWidget* parent) : QDialog(parent), Table(table)
{
    setWindowTitle(QStringLiteral("Count Zip Codes"));
    HeadingLabel = new QLabel(kCountingText);
    StatusCaption = new QLabel(QStringLiteral("Status:"));
    StatusLabel = new QLabel;
    StatusLabel->setMinimumWidth(StatusLabel->fontMetrics().horizontalAdvance(QStringLiteral("Reading database records...")) + 40);
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    connect(CancelButton, &QPushButton::clicked, this, &TCountZipCodes::CancelButtonClick);

    CommandPanel = new QWidget;
    auto* commands = new QHBoxLayout(CommandPanel);
    commands->setContentsMargins(0, 0, 0, 0);
    auto addButton = [this, commands](const QString& text) {
        auto* button = new QPushButton(text, CommandPanel);
        commands->addWidget(button);
        return button;
    };
    PrintButton = addButton(QStringLiteral("Print"));
    PreviewButton = addButton(QStringLiteral("Preview"));
    PrinterSetupButton = addButton(QStringLiteral("Printer Setup"));
    OkButton = addButton(QStringLiteral("Ok"));
    HelpButton = addButton(QStringLiteral("Help"));
    connect(HelpButton, &QPushButton::clicked, this, [this] { THelp::ShowPageOf(this); });
    connect(PrintButton, &QPushButton::clicked, this, &TCountZipCodes::PrintButtonClick);
    connect(PreviewButton, &QPushButton::clicked, this, &TCountZipCodes::PreviewButtonClick);
    connect(PrinterSetupButton, &QPushButton::clicked, this, &TCountZipCodes::PrinterSetupButtonClick);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* status = new QHBoxLayout;
    status->addWidget(StatusCaption);
    status->addWidget(StatusLabel, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(HeadingLabel);
    layout->addLayout(status);
    layout->addWidget(CancelButton, 0, Qt::AlignHCenter);
    layout->addWidget(CommandPanel);
    ShowCounting(true);
}

TStatusTexts TCountZipCodes::StatusTexts()
{
    TStatusTexts texts;
    texts.PrintCanceled = QStringLiteral("\rPrint Canceled!");
    texts.PreviewCanceled = QStringLiteral("\rPreview Canceled!");
    texts.PreviewStopped = QStringLiteral("\rPreview Stopped at page %p!");
    texts.PrintCompleted = QStringLiteral("\rPrint Completed!");
    texts.PreviewReady = QStringLiteral("\rPreview Ready!");
    texts.CancelQuestion = QStringLiteral("Cancel Printing?");
    return texts;
}

void TCountZipCodes::Execute(QWidget* parent, TAddressTable& table)
{
    TCountZipCodes form(table, parent);
    form.setWindowModality(Qt::ApplicationModal);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.exec();
}

void TCountZipCodes::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (Activated)
        return;
    Activated = true;
    // Count once the window is on screen, so the status line is seen.
    QTimer::singleShot(0, this, [this] { CountZipCodes(); });
}

void TCountZipCodes::ShowCounting(bool counting)
{
    CommandPanel->setVisible(!counting);
    CancelButton->setVisible(counting);
    StatusCaption->setVisible(counting);
    StatusLabel->setVisible(counting);
}

bool TCountZipCodes::CountZipCodes()
{
    ShowCounting(true);
    HeadingLabel->setText(kCountingText);
    IsCounting = true;
    CancelRequested = false;
    TZipTally tally(TZipTally::TRule::zrCount);
    bool counted = false;
    try {
        // The tally puts the table's order and record back however the reading ends.
        counted = tally.Read(Table, TZipReadingPace::Hooks(StatusLabel, CancelRequested, AfterRecord));
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
    IsCounting = false;
    if (!counted) {
        done(QDialog::Rejected);
        return false;
    }
    Lines = TZipReport::CountLines(tally);
    CountFinished = true;
    QApplication::beep();
    HeadingLabel->setText(kFinishedText);
    ShowCounting(false);
    PrintButton->setDefault(true);
    return true;
}

void TCountZipCodes::CancelButtonClick()
{
    if (IsCounting && TUserPrompts::Current().Question(QStringLiteral("CANCEL"), QStringLiteral("Cancel Count?")))
        CancelRequested = true;
}

void TCountZipCodes::reject()
{
    if (IsCounting)
        CancelButtonClick();
    else
        QDialog::reject();
}

TPrintOutcome TCountZipCodes::RunReport(TBaseReport& job, bool previewing)
{
    TZipReport report(Lines);
    report.Attach(job);
    TPrintStatusWindow status(job, previewing, StatusTexts(), this);
    status.setWindowTitle(QStringLiteral("Print Status Screen"));
    RunStatusWindow(status);
    return status.Outcome();
}

void TCountZipCodes::PrintButtonClick()
{
    if (!CountFinished && !CountZipCodes())
        return;
    RunReport(Job, false);
}

void TCountZipCodes::PreviewButtonClick()
{
    if (!CountFinished && !CountZipCodes())
        return;
    // The stream outlives the job and the preview window, and goes when both are closed.
    TPageStream stream;
    TReportFiler filer(stream);
    filer.SetCustomPaper(Job.PageWidth(), Job.PageHeight());
    const TPrintOutcome outcome = RunReport(filer, true);
    if (outcome != TPrintOutcome::poCompleted && outcome != TPrintOutcome::poStopped)
        return;
    TPreviewForm preview(this);
    preview.setWindowTitle(QStringLiteral("Preview Zipcode Count"));
    preview.SetStream(&stream);
    preview.SetInitialZoom(100);
    RunPreview(preview);
}

void TCountZipCodes::PrinterSetupButtonClick()
{
    if (Job.PrinterNames().isEmpty()) {
        TUserPrompts::Current().Information(QStringLiteral("There are no printers installed"));
        return;
    }
    Job.PrinterSetup(this);
}
