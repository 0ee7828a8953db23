// The "Tagging" window of "Tag All Filter Matches": tags every record of the table's current
// record set (TTagger::TagAll) while showing the count, and lets the user stop after the current
// record ("Cancel", confirmed). When done it says "Complete" or "Cancelled before completion"
// and waits for "Ok".
//
// Contract: the table outlives the window and TAddressTable::GlobalTagId() holds the current tag
// id. The caller suspends display updates while Run() works; Run() leaves the table on the first
// record of the set.
#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;
class TAddressTable;

class TTaggingForm : public QDialog {
    Q_OBJECT
public:
    // Events are let through this often while tagging: often enough for a prompt "Cancel",
    // rarely enough that painting does not slow the writing down.
    static constexpr int EventIntervalMs = 50;

    explicit TTaggingForm(QWidget* parent = nullptr);

    // Asks "Tag all records matching filter?" and, on Yes, tags in the window; returns how many
    // records were tagged (0 when the user said No).
    static uint32_t Run(QWidget* parent, TAddressTable& table);
    // Tags the table's current record set in the window without asking first (the list tools
    // ask their own question); returns how many records were tagged.
    static uint32_t TagInWindow(QWidget* parent, TAddressTable& table);

    // Tags the set and leaves the window in its finished state; returns how many were tagged.
    uint32_t TagRecords(TAddressTable& table);
    bool Running() const { return IsRunning; }
    bool Cancelled() const { return CancelRequested; }

    // Called after each record with the count so far; tests use it to press Cancel mid-way.
    std::function<void(uint32_t tagged)> AfterRecord;

    QLabel* MessageLabel = nullptr;
    QLabel* CountLabel = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* OkButton = nullptr;

public slots:
    void CancelClick();
    void reject() override; // Esc and the close box: Cancel while tagging, Ok afterwards

private:
    bool RecordDone(uint32_t tagged);
    void ShowCount(uint32_t tagged);
    void Finish(bool complete);

    QElapsedTimer SinceEvents;
    bool IsRunning = false;
    bool CancelRequested = false;
};
