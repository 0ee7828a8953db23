// The "Bulk Mail Presorting" window that label printing runs when "Presort for Bulk Mail" is
// checked: it reads the table's current record set, groups the ZIP codes and writes PRESORT.PSL
// (TBulkMailPresort), showing the reading on its status line. "Cancel" asks "Cancel PRESORT?";
// Yes stops the reading and nothing is written.
//
// Contract: the caller has narrowed the table to the chosen records; the table outlives the
// window. The table's order and record are as they were afterwards. Errors (a damaged ADC table,
// a list that cannot be written, an engine error) are shown and end the run as not done.
#pragma once

#include "TBulkMailPresort.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class TAddressTable;

class TSortBulkMail : public QDialog {
    Q_OBJECT
public:
    TSortBulkMail(TAddressTable& table, QWidget* parent = nullptr);

    // Shows the window and presorts; true when the list was written (its summary in `summary`).
    static bool Execute(QWidget* parent, TAddressTable& table, TPresortSummary* summary = nullptr);

    // Presorts in this window; true when done.
    bool RunPresort();
    bool Done() const { return IsDone; }
    const TPresortSummary& Summary() const { return Result; }
    bool Running() const { return IsRunning; }

    void CancelButtonClick();

    // Called after each record read (tests press Cancel from here).
    std::function<void()> AfterRecord;

    QLabel* StatusLabel = nullptr;
    QPushButton* CancelButton = nullptr;
    // Where the list goes; PRESORT.PSL in the program folder unless a caller says otherwise.
    QString ListPath;

protected:
    void reject() override; // Esc and the close box act as Cancel while reading

private:
    TAddressTable& Table;
    TPresortSummary Result;
    bool IsRunning = false;
    bool IsDone = false;
    bool CancelRequested = false;
};
