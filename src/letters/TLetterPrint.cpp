#include "TLetterPrint.h"

#include "prompts/TUserPrompts.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TLetterPrint::TLetterPrint(TLetterPrintJob& job, QWidget* parent) : QDialog(parent), Job(job)
{
    setWindowTitle(QStringLiteral("Print Status Screen"));
    setModal(true);
    StatusLabel = new QLabel;
    StatusLabel->setAlignment(Qt::AlignCenter);
    StatusLabel->setMinimumWidth(260);
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StatusLabel);
    layout->addWidget(CancelButton, 0, Qt::AlignCenter);
    connect(CancelButton, &QPushButton::clicked, this, &TLetterPrint::CancelButtonClick);
}

void TLetterPrint::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!Started)
        QTimer::singleShot(0, this, [this] { RunJob(); });
}

TLetterPrintJob::TResult TLetterPrint::RunJob()
{
    if (Started)
        return TLetterPrintJob::TResult::lrNotStarted;
    Started = Running = true;
    CancelButton->setText(QStringLiteral("Cancel"));
    Job.OnStatus = [this](const QString& status) { StatusLabel->setText(status); };
    Job.ProcessEvents = [] { QApplication::processEvents(); };
    const TLetterPrintJob::TResult result = Job.Run();
    Running = false;
    StatusLabel->setText(Job.FinalText());
    if (result == TLetterPrintJob::TResult::lrFailed && !Job.Error().isEmpty())
        TUserPrompts::Current().Information(Job.Error());
    CancelButton->setText(QStringLiteral("OK"));
    return result;
}

void TLetterPrint::CancelButtonClick()
{
    if (Running)
        Job.RequestCancel();
    else if (Started)
        accept();
}

// Escape and the close box behave as the button does.
void TLetterPrint::reject()
{
    if (Running)
        Job.RequestCancel();
    else
        QDialog::reject();
}

QString TLetterPrint::StatusText() const { return StatusLabel->text(); }
QString TLetterPrint::ButtonText() const { return CancelButton->text(); }
