// The "Delete Records" dialog of Utilities "Delete Records": removes every record of the table at
// once, or marks the records matching the filter deleted (delete flag and ISDEL), as the main
// window's Delete does, with a progress bar that can be stopped.
//
// Contract: table and filter outlive the dialog; the filter's text is the one installed on the
// table. The caller suspends display updates while Execute() works and restores its order
// afterwards; Execute() re-applies the filter and goes to the first record.
#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include <cstdint>
#include <functional>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class TAddressFilter;
class TAddressTable;

class TDeleteRecordsForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int EventIntervalMs = 50;

    TDeleteRecordsForm(TAddressTable& table, TAddressFilter& filter, QWidget* parent = nullptr);

    // Shows the dialog; true when records were deleted. The filter is applied again in any case
    // (a filter whose records are all gone is dropped by it).
    static bool Execute(QWidget* parent, TAddressTable& table, TAddressFilter& filter);

    // Records deleted by "Delete Now", if it ran.
    uint32_t DeletedCount() const { return Deleted; }
    bool Ran() const { return DeleteRan; }

    // Called after each marked record; tests use it to stop mid-way.
    std::function<void(uint32_t deleted)> AfterRecord;

    QRadioButton* DeleteAllRadio = nullptr;
    QRadioButton* DeleteMatchingRadio = nullptr;
    QPushButton* DeleteNowButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* ProgressLabel = nullptr;
    QProgressBar* ProgressBar = nullptr;

public slots:
    void DeleteNowClick();
    void CancelClick();
    void reject() override; // while deleting, Esc and the close box stop after the current record

private:
    // Both count into Deleted as they go, so a failure part-way still reports what was done.
    void DeleteAll();
    void DeleteMatching();
    std::vector<uint32_t> RecordSetMembers();
    void ShowProgress(uint32_t done, uint32_t total);
    void SetWorking(bool working);

    TAddressTable& Table;
    TAddressFilter& Filter;
    QElapsedTimer SinceEvents;
    bool Working = false;
    bool StopRequested = false;
    bool DeleteRan = false;
    uint32_t Deleted = 0;
};
