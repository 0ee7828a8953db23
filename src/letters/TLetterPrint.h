// The letter print status window ("Print Status Screen"): runs the print loop when it first
// shows, reads "Printing page n" as pages go out, and while printing its button reads "Cancel"
// and only asks the loop to stop after the current record ("Cancel print job?"). At the end the
// button becomes "OK" and the text "Letter Print Completed!" or "Letter Print Canceled!".
#pragma once

#include "TLetterPrintJob.h"

#include <QDialog>

class QLabel;
class QPushButton;

class TLetterPrint : public QDialog {
    Q_OBJECT
public:
    // `job` is set up (records, copies) and outlives the window.
    explicit TLetterPrint(TLetterPrintJob& job, QWidget* parent = nullptr);

    // Runs the loop now (the window does so on first showing).
    TLetterPrintJob::TResult RunJob();
    void CancelButtonClick();
    QString StatusText() const;
    QString ButtonText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    TLetterPrintJob& Job;
    QLabel* StatusLabel;
    QPushButton* CancelButton;
    bool Started = false;
    bool Running = false;
};
