// "Check State and Zip  Codes": the blanks option, the run with its gauge and "Cancel", the
// editable grid of the questionable records (edit, save, cancel, tag, tag all), and the editor
// of the state/province table (CSZ.DBF) that fits the check to another country.
//
// Contract: the table outlives the window; its record set is what the main window set for the
// check ("!ISDEL"). While results are shown the result index (_chksz.idx beside the table) is
// the table's order; closing deletes it and puts the order back.
#pragma once

#include "TDupCheck.h"
#include "TProgressPump.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class TAddressTable;
class TResultIndex;
class TToolGridModel;
namespace xbase {
class WorkArea;
}

class TStateZipCheck : public QDialog {
    Q_OBJECT
public:
    explicit TStateZipCheck(TAddressTable& table, QWidget* parent = nullptr);
    ~TStateZipCheck() override;

    // Refuses with the main window's message when sysdata/CSZ.DBF is missing.
    static void Execute(QWidget* parent, TAddressTable& table, const TDupCheck::TTagAllRunner& tagAll = {});
    static bool StateTablePresent();

    TDupCheck::TTagAllRunner TagAllRunner;
    TProgressPump Pump;
    uint32_t Count() const { return Found; }
    TToolGridModel* Grid() const { return Model; }
    TToolGridModel* StateGrid() const { return StateModel; }

    QCheckBox* BlanksCheck = nullptr;
    QPushButton* PerformButton = nullptr;
    QPushButton* EditStatesButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* CountLabel = nullptr;
    QTableView* ResultGrid = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelEditButton = nullptr;
    QPushButton* TagButton = nullptr;
    QPushButton* TagAllButton = nullptr;
    QTableView* StateTableGrid = nullptr;
    QPushButton* StateDeleteButton = nullptr;
    QPushButton* StateSaveButton = nullptr;
    QPushButton* StateUndoButton = nullptr;
    QPushButton* StateAddButton = nullptr;

public slots:
    void PerformClick();
    void CancelClick();
    void CloseClick();
    void EditStatesClick();
    void TagClick();
    void TagAllClick();
    void reject() override;

private:
    void SetRunning(bool running);
    void CloseResults();
    void StopEditingStates();
    int CurrentRow(QTableView* grid) const;
    template <typename TWork> void Guarded(TWork work);

    TAddressTable& Table;
    QWidget* Options = nullptr;
    QWidget* ResultPanel = nullptr;
    QWidget* StatePanel = nullptr;
    QProgressBar* Gauge = nullptr;
    TToolGridModel* Model = nullptr;
    TToolGridModel* StateModel = nullptr;
    std::unique_ptr<TResultIndex> Result;
    std::unique_ptr<xbase::WorkArea> States;
    uint32_t Found = 0;
    bool IsRunning = false;
};
