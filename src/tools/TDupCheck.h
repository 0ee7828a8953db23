// "Check and Repair Duplicates": the options of the duplicate check, the run with its gauge and
// "Cancel", and the editable grid of the suspects (delete, save, undo, tag, tag all). Nothing is
// deleted without the user's word.
//
// Contract: the table outlives the window and its record set is what the main window set for
// the check ("!ISDEL"). While open the window's result index (_chkdup.idx in the program
// folder) is the table's order; closing deletes it and puts the order back.
#pragma once

#include "TDupFinder.h"
#include "TProgressPump.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class QWidget;
class TAddressTable;
class TResultIndex;
class TToolGridModel;

class TDupCheck : public QDialog {
    Q_OBJECT
public:
    // Tags the records the table now visits, in the shared tagging window; the main window
    // supplies it (without one the records are tagged at once).
    using TTagAllRunner = std::function<uint32_t(QWidget* parent, TAddressTable& table)>;

    TDupCheck(TAddressTable& table, QWidget* parent = nullptr);
    ~TDupCheck() override;

    static void Execute(QWidget* parent, TAddressTable& table, const TTagAllRunner& tagAll = {});

    TTagAllRunner TagAllRunner;
    TProgressPump Pump;
    uint32_t Count() const { return Found; }
    bool Running() const { return IsRunning; }
    TToolGridModel* Grid() const { return Model; }

    QRadioButton* LastFirstRadio = nullptr;
    QRadioButton* LastInitialRadio = nullptr;
    QRadioButton* StreetRadio = nullptr;
    QRadioButton* SimilarRadio = nullptr;
    QSpinBox* StreetCharsSpin = nullptr;
    QPushButton* PerformButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* CountLabel = nullptr;
    QTableView* ResultGrid = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* UndoButton = nullptr;
    QPushButton* TagButton = nullptr;
    QPushButton* TagAllButton = nullptr;

public slots:
    void PerformClick();
    void CancelClick();
    void OkClick();
    void DeleteClick();
    void SaveClick();
    void UndoClick();
    void TagClick();
    void TagAllClick();
    void reject() override;

private:
    TDupKind Kind() const;
    void SetRunning(bool running);
    void ShowResults(TDupKind kind);
    void CloseResults();
    int CurrentRow() const;

    TAddressTable& Table;
    QWidget* Options = nullptr;
    QWidget* StreetCharsPanel = nullptr;
    QWidget* ResultPanel = nullptr;
    QProgressBar* Gauge = nullptr;
    QLabel* CountText = nullptr;
    TToolGridModel* Model = nullptr;
    std::unique_ptr<TResultIndex> Result;
    uint32_t Found = 0;
    bool IsRunning = false;
};
