#include "TPrintCurrentRecord.h"

#include "TPageStream.h"
#include "TPreviewForm.h"
#include "TPrintStatusWindow.h"
#include "TReportFiler.h"
#include "TSingleRecordPrint.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Prints on `job`'s printer in a status window; the outcome of the run.
TPrintOutcome PrintInStatusWindow(TSingleRecordPrint& printout, TReportPrinter& job, QWidget* parent)
{
    printout.Attach(job);
    TPrintStatusWindow status(job, false, TSingleRecordPrint::StatusTexts(), parent);
    status.exec();
    return status.Outcome();
}

// Runs into `stream` in a status window and, unless aborted, shows the preview at page width.
// `paperFrom` lends its paper and orientation, so the preview matches the printer.
TPrintOutcome PreviewInStatusWindow(TSingleRecordPrint& printout, TPageStream& stream, const TBaseReport& paperFrom,
                                    QWidget* parent)
{
    TReportFiler job(stream);
    job.SetCustomPaper(paperFrom.PageWidth(), paperFrom.PageHeight());
    printout.Attach(job);
    TPrintStatusWindow status(job, true, TSingleRecordPrint::StatusTexts(), parent);
    status.exec();
    if (status.Outcome() == TPrintOutcome::poCompleted || status.Outcome() == TPrintOutcome::poStopped) {
        TPreviewForm preview(parent);
        preview.setWindowTitle(QStringLiteral("Preview Report"));
        preview.SetStream(&stream);
        preview.SetInitialZoom(TPreviewForm::izPageWidth);
        preview.exec();
    }
    return status.Outcome();
}

} // namespace

TPrintCurrentRecord::TPrintCurrentRecord(TRecordPrintout record, QWidget* parent)
    : QDialog(parent), Record(std::move(record))
{
    setWindowTitle(QStringLiteral("Print Current Record"));
    setModal(true);

    auto* fieldsGroup = new QGroupBox(QStringLiteral("Fields to print"), this);
    auto* grid = new QGridLayout(fieldsGroup);
    constexpr int kRows = 11;
    int index = 0;
    for (const TRecordPrintoutChoice& choice : kRecordPrintoutChoices) {
        auto* box = new QCheckBox(QString::fromLatin1(choice.CheckBox), fieldsGroup);
        box->setChecked(true);
        box->setProperty("label", QString::fromLatin1(choice.Label));
        grid->addWidget(box, index % kRows, index / kRows);
        FieldBoxes.append(box);
        ++index;
    }
    AllBox = new QCheckBox(QStringLiteral("All"), fieldsGroup);
    AllBox->setChecked(true);
    grid->addWidget(AllBox, index % kRows, index / kRows);
    connect(AllBox, &QCheckBox::clicked, this, &TPrintCurrentRecord::AllCheckBoxClick);

    auto* buttons = new QVBoxLayout;
    auto addButton = [this, buttons](const QString& text, void (TPrintCurrentRecord::*handler)()) {
        auto* button = new QPushButton(text, this);
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
        return button;
    };
    addButton(QStringLiteral("&Print"), &TPrintCurrentRecord::PrintButtonClick)->setDefault(true);
    addButton(QStringLiteral("Pre&view"), &TPrintCurrentRecord::PreviewButtonClick);
    addButton(QStringLiteral("Printer &Setup"), &TPrintCurrentRecord::PrinterSetupButtonClick);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(fieldsGroup, 1);
    layout->addLayout(buttons);
}

QCheckBox* TPrintCurrentRecord::CheckBox(const QString& caption) const
{
    for (QCheckBox* box : FieldBoxes)
        if (box->text() == caption)
            return box;
    return caption == AllBox->text() ? AllBox : nullptr;
}

QStringList TPrintCurrentRecord::SelectedLabels() const
{
    QStringList labels;
    for (const QCheckBox* box : FieldBoxes)
        if (box->isChecked())
            labels.append(box->property("label").toString());
    return labels;
}

void TPrintCurrentRecord::AllCheckBoxClick()
{
    for (QCheckBox* box : FieldBoxes)
        box->setChecked(AllBox->isChecked());
}

void TPrintCurrentRecord::PrintButtonClick()
{
    TSingleRecordPrint printout(Record, SelectedLabels());
    PrintInStatusWindow(printout, Job, this);
}

void TPrintCurrentRecord::PreviewButtonClick()
{
    // The stream outlives the job and the preview window, and goes when both are closed.
    TPageStream stream;
    TSingleRecordPrint printout(Record, SelectedLabels());
    PreviewInStatusWindow(printout, stream, Job, this);
}

void TPrintCurrentRecord::PrinterSetupButtonClick()
{
    Job.PrinterSetup(this);
}
