#include "TSortBulkMail.h"

#include "TZipReadingPace.h"

#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TSortBulkMail::TSortBulkMail(TAddressTable& table, QWidget* parent)
    : QDialog(parent), ListPath(TBulkMailPresort::ListPath()), Table(table)
{
    setWindowTitle(QStringLiteral("Bulk Mail Presorting"));
    StatusLabel = new QLabel;
    StatusLabel->setAlignment(Qt::AlignCenter);
    StatusLabel->setMinimumWidth(StatusLabel->fontMetrics().horizontalAdvance(QStringLiteral("Reading database records...")) + 60);
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    connect(CancelButton, &QPushButton::clicked, this, &TSortBulkMail::CancelButtonClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StatusLabel);
    layout->addWidget(CancelButton, 0, Qt::AlignHCenter);
}

void TSortBulkMail::CancelButtonClick()
{
    if (IsRunning && TUserPrompts::Current().Question(QStringLiteral("CANCEL"), QStringLiteral("Cancel PRESORT?")))
        CancelRequested = true;
}

void TSortBulkMail::reject()
{
    if (IsRunning)
        CancelButtonClick();
    else
        QDialog::reject();
}

bool TSortBulkMail::RunPresort()
{
    IsRunning = true;
    CancelRequested = false;
    IsDone = false;
    try {
        // The ADC table is read first, so a damaged one stops the run before the long reading.
        const TAdcTable adc = TAdcTable::Load();
        const auto summary = TBulkMailPresort::Run(Table, adc, ListPath, TZipReadingPace::Hooks(StatusLabel, CancelRequested, AfterRecord));
        if (summary) {
            Result = *summary;
            IsDone = true;
        }
    } catch (const std::exception& error) {
        TUserPrompts::Current().Information(QString::fromLocal8Bit(error.what()));
    }
    IsRunning = false;
    return IsDone;
}

bool TSortBulkMail::Execute(QWidget* parent, TAddressTable& table, TPresortSummary* summary)
{
    TSortBulkMail form(table, parent);
    form.setWindowModality(Qt::ApplicationModal); // the reading lets events through; the caller must wait
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.show();
    QCoreApplication::processEvents();
    const bool done = form.RunPresort();
    if (done && summary)
        *summary = form.Summary();
    return done;
}
