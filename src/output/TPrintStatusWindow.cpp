#include "TPrintStatusWindow.h"

#include "prompts/TUserPrompts.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TPrintStatusWindow::TPrintStatusWindow(TBaseReport& job, bool previewing, TStatusTexts texts, QWidget* parent)
    : QDialog(parent), Job(job), IsPreview(previewing), Texts(std::move(texts))
{
    setWindowTitle(IsPreview ? QStringLiteral("Preview Status") : QStringLiteral("Print Status"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    StatusLabel = new QLabel(this);
    StatusLabel->setAlignment(Qt::AlignCenter);
    StatusLabel->setMinimumSize(280, 72);
    layout->addWidget(StatusLabel);
    CancelButton = new QPushButton(IsPreview ? QStringLiteral("Stop") : QStringLiteral("Cancel"), this);
    layout->addWidget(CancelButton, 0, Qt::AlignHCenter);
    connect(CancelButton, &QPushButton::clicked, this, [this] {
        if (Result == TPrintOutcome::poNotRun && Job.Printing())
            CancelButtonClick();
        else if (Result != TPrintOutcome::poNotRun)
            accept();
    });
}

void TPrintStatusWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (Activated)
        return;
    Activated = true;
    // Run once the window is on screen, so the first status line is seen.
    QTimer::singleShot(0, this, [this] { RunJob(); });
}

TPrintOutcome TPrintStatusWindow::RunJob()
{
    Job.StatusLabel = [this](const QString& text) { SetStatus(text); };
    Job.OnProcessEvents = [] { QApplication::processEvents(); };
    Failure.clear();
    try {
        Job.Execute();
    } catch (const std::exception& error) {
        // The engine has aborted the document (a half-written PDF is removed); the job failed.
        Failure = QString::fromLocal8Bit(error.what());
        if (Failure.isEmpty())
            Failure = QStringLiteral("The job failed");
    }
    Job.StatusLabel = nullptr;
    Job.OnProcessEvents = nullptr;
    if (!Failure.isEmpty())
        Result = TPrintOutcome::poFailed;
    else if (Job.Aborted())
        Result = TPrintOutcome::poCanceled;
    else if (Job.StopRequested())
        Result = TPrintOutcome::poStopped;
    else
        Result = TPrintOutcome::poCompleted;
    QString text = FinalText();
    if (FinalNote && Result != TPrintOutcome::poFailed) {
        const QString note = FinalNote();
        if (!note.isEmpty())
            text += u'\r' + note;
    }
    SetStatus(text);
    if (Result == TPrintOutcome::poFailed)
        TUserPrompts::Current().Information(Failure);
    else if (Job.Aborted() && !Job.ErrorText().isEmpty())
        TUserPrompts::Current().Information(Job.ErrorText());
    CancelButton->setText(QStringLiteral("Ok"));
    CancelButton->setDefault(true);
    if (IsPreview && Result == TPrintOutcome::poCompleted && ClosePreviewWhenDone)
        QTimer::singleShot(0, this, &QDialog::accept);
    else if (CloseWhenDone)
        accept();
    return Result;
}

QString TPrintStatusWindow::FinalText() const
{
    switch (Result) {
    case TPrintOutcome::poCanceled:
        return Job.StatusMessage(IsPreview ? Texts.PreviewCanceled : Texts.PrintCanceled);
    case TPrintOutcome::poStopped:
        return Job.StatusMessage(Texts.PreviewStopped);
    case TPrintOutcome::poCompleted:
        return Job.StatusMessage(IsPreview ? Texts.PreviewReady : Texts.PrintCompleted);
    case TPrintOutcome::poFailed:
        return Job.StatusMessage(IsPreview ? Texts.PreviewFailed : Texts.PrintFailed) + u'\r' + Failure;
    case TPrintOutcome::poNotRun:
        break;
    }
    return Status;
}

void TPrintStatusWindow::CancelButtonClick()
{
    if (!Job.Printing())
        return;
    if (IsPreview) {
        Job.Stop();
        return;
    }
    if (Texts.CancelQuestion.isEmpty() || TUserPrompts::Current().Question(Texts.CancelCaption, Texts.CancelQuestion))
        Job.Abort();
}

void TPrintStatusWindow::reject()
{
    // Closing the window while the job runs is the same as its Cancel/Stop button.
    if (Job.Printing())
        CancelButtonClick();
    else
        QDialog::reject();
}

QString TPrintStatusWindow::ButtonText() const
{
    return CancelButton->text();
}

void TPrintStatusWindow::SetStatus(const QString& text)
{
    Status = text;
    StatusLabel->setText(QString(text).replace(u'\r', u'\n'));
}
