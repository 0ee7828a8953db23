#include "TReportSetup.h"

#include "output/TPrintStatusWindow.h"

#include "TReportDesigner.h"
#include "TReportPrintDialog.h"

#include "data/TAddressTable.h"
#include "output/TPageStream.h"
#include "output/TPreviewForm.h"
#include "output/TReportFiler.h"
#include "prompts/TUserPrompts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace {
using TRecords = TRecordChoice::TRecords;
}

TReportSetup::TReportSetup(TAddressTable& table, bool filterSet, std::unique_ptr<TReportSetups> reports, QWidget* parent)
    : QDialog(parent), Table(table), Reports(std::move(reports))
{
    setWindowTitle(QStringLiteral("Print Report"));
    setModal(true);
    Pages = new QTabWidget(this);
    Pages->addTab(BuiltInPageWidget(), QStringLiteral("Built In Reports"));
    Pages->addTab(DesignerPageWidget(), QStringLiteral("Report Designer"));
    connect(Pages, &QTabWidget::currentChanged, this, &TReportSetup::PageChange);

    WhatToPrint = new QGroupBox(QStringLiteral("What to Print"), this);
    AllRecordsButton = new QRadioButton(QStringLiteral("All records"), WhatToPrint);
    MatchingFilterButton = new QRadioButton(QStringLiteral("Records matching filter"), WhatToPrint);
    OnlyCurrentButton = new QRadioButton(QStringLiteral("Only current record"), WhatToPrint);
    StartFromCurrentCheck = new QCheckBox(QStringLiteral("Start from current record"), WhatToPrint);
    auto* what = new QVBoxLayout(WhatToPrint);
    for (QWidget* w : std::initializer_list<QWidget*>{AllRecordsButton, MatchingFilterButton, OnlyCurrentButton, StartFromCurrentCheck})
        what->addWidget(w);
    MatchingFilterButton->setChecked(true);
    if (!filterSet) {
        MatchingFilterButton->setEnabled(false);
        AllRecordsButton->setChecked(true);
    }

    PrintButton = new QPushButton(QStringLiteral("Print"), this);
    PreviewButton = new QPushButton(QStringLiteral("Preview"), this);
    PrinterSetupButton = new QPushButton(QStringLiteral("Printer Setup"), this);
    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    connect(PrintButton, &QPushButton::clicked, this, &TReportSetup::PrintButtonClick);
    connect(PreviewButton, &QPushButton::clicked, this, &TReportSetup::PreviewButtonClick);
    connect(PrinterSetupButton, &QPushButton::clicked, this, &TReportSetup::PrinterSetupButtonClick);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {PrintButton, PreviewButton, PrinterSetupButton, OkButton})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(WhatToPrint);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Pages, 1);
    layout->addLayout(buttons);
    FillUserReports();
    UpdateEnabling();
}

TReportSetup::~TReportSetup() = default;

QWidget* TReportSetup::BuiltInPageWidget()
{
    auto* page = new QWidget;
    ReportList = new QListWidget(page);
    ReportList->addItems(TBuiltInReportPrint::ListTexts());
    ReportList->setCurrentRow(0);
    connect(ReportList, &QListWidget::currentRowChanged, this, &TReportSetup::ReportListClick);
    TitleEdit = new QLineEdit(QStringLiteral("Report 1"), page);
    PrintMemoCheck = new QCheckBox(QStringLiteral("Print Memo"), page);
    PrintCodesCheck = new QCheckBox(QStringLiteral("Print Codes"), page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Select Report:"), page));
    layout->addWidget(ReportList, 1);
    layout->addWidget(new QLabel(QStringLiteral("Report Title"), page));
    layout->addWidget(TitleEdit);
    layout->addWidget(PrintMemoCheck);
    layout->addWidget(PrintCodesCheck);
    return page;
}

QWidget* TReportSetup::DesignerPageWidget()
{
    auto* page = new QWidget;
    UserReportList = new QListWidget(page);
    connect(UserReportList, &QListWidget::currentRowChanged, this, &TReportSetup::UpdateEnabling);
    connect(UserReportList, &QListWidget::itemDoubleClicked, this, &TReportSetup::ModifyButtonClick);
    ModifyButton = new QPushButton(QStringLiteral("Modify"), page);
    NewButton = new QPushButton(QStringLiteral("New"), page);
    DeleteButton = new QPushButton(QStringLiteral("Delete"), page);
    CloneButton = new QPushButton(QStringLiteral("Clone"), page);
    connect(ModifyButton, &QPushButton::clicked, this, &TReportSetup::ModifyButtonClick);
    connect(NewButton, &QPushButton::clicked, this, &TReportSetup::NewButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TReportSetup::DeleteButtonClick);
    connect(CloneButton, &QPushButton::clicked, this, &TReportSetup::CloneButtonClick);
    OneRecordPerPageCheck = new QCheckBox(QStringLiteral("One Record Per Page"), page);
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {ModifyButton, NewButton, DeleteButton, CloneButton})
        row->addWidget(button);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Description"), page));
    layout->addWidget(UserReportList, 1);
    layout->addLayout(row);
    layout->addWidget(OneRecordPerPageCheck);
    return page;
}

bool TReportSetup::BuiltInPage() const { return Pages->currentIndex() == 0; }

std::optional<TReportEntry> TReportSetup::SelectedReport() const
{
    const int row = UserReportList->currentRow();
    if (row < 0 || row >= int(UserReports.size()))
        return std::nullopt;
    return UserReports[size_t(row)];
}

void TReportSetup::FillUserReports(uint32_t select)
{
    UserReports = Reports ? Reports->Reports() : std::vector<TReportEntry>();
    UserReportList->clear();
    int current = UserReports.empty() ? -1 : 0;
    for (size_t i = 0; i < UserReports.size(); ++i) {
        UserReportList->addItem(UserReports[i].Description);
        if (UserReports[i].RecordNumber == select)
            current = int(i);
    }
    UserReportList->setCurrentRow(current);
    UpdateEnabling();
}

void TReportSetup::UpdateEnabling()
{
    const bool selected = SelectedReport().has_value();
    const bool canRun = BuiltInPage() || selected;
    PrintButton->setEnabled(canRun);
    PreviewButton->setEnabled(canRun);
    WhatToPrint->setEnabled(canRun);
    for (QPushButton* button : {ModifyButton, DeleteButton, CloneButton})
        button->setEnabled(selected);
    UserReportList->setEnabled(selected);
    NewButton->setEnabled(Reports != nullptr);
}

void TReportSetup::ReportListClick()
{
    TitleEdit->setText(QStringLiteral("Report %1").arg(ReportList->currentRow() + 1));
}

void TReportSetup::PageChange() { UpdateEnabling(); }

TReportRequest TReportSetup::Request() const
{
    TReportRequest request;
    if (BuiltInPage()) {
        request.BuiltIn = ReportList->currentRow() + 1;
        request.BuiltInOptions.Title = TitleEdit->text();
        request.BuiltInOptions.PrintMemo = PrintMemoCheck->isChecked();
        request.BuiltInOptions.PrintCodes = PrintCodesCheck->isChecked();
    } else {
        request.BuiltIn = 0;
        if (const auto report = SelectedReport())
            request.LayoutFile = TReportSetups::LayoutPath(*report);
        request.OneRecordPerPage = OneRecordPerPageCheck->isChecked();
    }
    request.Records = AllRecordsButton->isChecked()     ? TRecords::All
                      : OnlyCurrentButton->isChecked() ? TRecords::OnlyCurrent
                                                       : TRecords::MatchingFilter;
    request.StartFromCurrent = StartFromCurrentCheck->isChecked();
    return request;
}

TPrintOutcome TReportSetup::RunInStatusWindow(TBaseReport& job, bool previewing)
{
    TReportRun run(Table, Request());
    run.Configure(job);
    const auto selection = run.Select();
    TPrintStatusWindow status(job, previewing, TReportRun::StatusTexts(), this);
    status.exec();
    return status.Outcome();
}

void TReportSetup::PrintButtonClick()
{
    try {
        TReportRun check(Table, Request()); // a missing layout is told before the print dialog
        if (!TReportPrintDialog::Execute(Job, this))
            return;
        RunInStatusWindow(Job, false);
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
}

void TReportSetup::PreviewButtonClick()
{
    // The stream outlives the job and the preview window, and goes when both are closed.
    TPageStream stream;
    try {
        TReportFiler job(stream);
        job.SetPaper(Job.PaperCode());
        job.SetOrientation(Job.Orientation());
        const TPrintOutcome outcome = RunInStatusWindow(job, true);
        if (outcome != TPrintOutcome::poCompleted && outcome != TPrintOutcome::poStopped)
            return;
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
        return;
    }
    TPreviewForm preview(this);
    preview.setWindowTitle(QStringLiteral("Preview Report"));
    preview.SetStream(&stream);
    preview.SetInitialZoom(TPreviewForm::izPageWidth);
    preview.exec();
}

void TReportSetup::PrinterSetupButtonClick() { Job.PrinterSetup(this); }

void TReportSetup::Design(const std::optional<TReportEntry>& report)
{
    if (!Reports)
        return;
    TReportDesigner designer(&Table, this);
    if (report) {
        try {
            // A layout file name outside the rule is refused before the designer opens.
            designer.LoadReport(report->Description, TReportSetups::LayoutPath(*report));
        } catch (const std::exception& error) {
            TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
            return;
        }
        designer.setWindowTitle(QStringLiteral("Report Designer"));
    }
    if (designer.exec() != QDialog::Accepted)
        return;
    TReportEntry entry = report.value_or(TReportEntry{});
    entry.Description = designer.Description();
    entry.Layout = designer.LayoutText();
    try {
        const TReportEntry saved = Reports->Save(entry, [&designer](const QString& path) { designer.WriteReport(path); });
        FillUserReports(saved.RecordNumber);
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
}

void TReportSetup::ModifyButtonClick()
{
    if (const auto report = SelectedReport())
        Design(report);
}

void TReportSetup::NewButtonClick() { Design(std::nullopt); }

void TReportSetup::DeleteButtonClick()
{
    const auto report = SelectedReport();
    if (!report || !Reports)
        return;
    if (!TUserPrompts::Current().Question(QStringLiteral("DELETE"), QStringLiteral("Delete \"%1\"?").arg(report->Description)))
        return;
    Reports->Delete(report->RecordNumber);
    FillUserReports();
}

void TReportSetup::CloneButtonClick()
{
    const auto report = SelectedReport();
    if (!report || !Reports)
        return;
    if (!TUserPrompts::Current().Question(QStringLiteral("CLONE"), QStringLiteral("Clone \"%1\"?").arg(report->Description)))
        return;
    try {
        FillUserReports(Reports->Clone(report->RecordNumber).RecordNumber);
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
}
