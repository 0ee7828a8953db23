// The status window every printed product runs its job in: "Print Status" with a "Cancel"
// button while printing, "Preview Status" with "Stop" while previewing. It runs the job on its
// first activation, shows the engine's status line as pages are produced, lets the user
// interface process events after each unit of work, and ends with the caller's final text and
// an "Ok" button that closes it.
//
// Cancel while printing asks the caller's question and aborts the job on Yes; Stop while
// previewing only asks the job to stop after the current unit.
#pragma once

#include "TBaseReport.h"
#include "TPrintStatusTexts.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;


class TPrintStatusWindow : public QDialog {
    Q_OBJECT
public:
    // `job` must outlive the window; `previewing` tells which words the window uses.
    TPrintStatusWindow(TBaseReport& job, bool previewing, TStatusTexts texts, QWidget* parent = nullptr);

    // Runs the job now (the window does so on first activation) and returns how it ended.
    TPrintOutcome RunJob();
    void CancelButtonClick();
    TPrintOutcome Outcome() const { return Result; }
    bool Previewing() const { return IsPreview; }
    // The status text as set, with "\r" between its lines.
    QString StatusText() const { return Status; }
    QString ButtonText() const;
    // The error that ended a failed job.
    QString FailureText() const { return Failure; }

    // A preview that completed closes the window by itself.
    bool ClosePreviewWhenDone = false;
    // A line the caller adds to the final status (what the run counted).
    std::function<QString()> FinalNote;
    // Closes the window by itself once the job has ended (the final text stays readable in the
    // window until then, and in StatusText() afterwards).
    bool CloseWhenDone = false;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void SetStatus(const QString& text);
    QString FinalText() const;

    TBaseReport& Job;
    bool IsPreview;
    TStatusTexts Texts;
    QLabel* StatusLabel;
    QPushButton* CancelButton;
    QString Status;
    QString Failure;
    bool Activated = false;
    TPrintOutcome Result = TPrintOutcome::poNotRun;
};
