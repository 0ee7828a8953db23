// "Standardize Addresses": which records (current, all, matching the filter), which fields
// (Address 1 and 2, State, Zip; City on request), "Postal style: upper case", and where the
// undo file goes. "Preview" lists every change (record, field, before, after) with a box per
// row to leave it out, and the counts; "Standardize" asks, then writes the chosen changes with
// a gauge and a confirmed "Cancel" (after the current record), and saves the undo file that
// "Undo Last Standardization" reads.
//
// Contract: the table outlives the window; its record set and current record are put back.
#pragma once

#include "TChangePreviewModel.h"
#include "TProgressPump.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;
class TAddressTable;

class TStandardizeAddresses : public QDialog {
    Q_OBJECT
public:
    TStandardizeAddresses(TAddressTable& table, bool filterSet, QWidget* parent = nullptr);
    static void Execute(QWidget* parent, TAddressTable& table, bool filterSet);
    // "Undo Last Standardization" from the Utilities menu.
    static bool UndoLast(TAddressTable& table);

    TProgressPump Pump;
    TChangePreviewModel Model;
    uint32_t Written() const { return WrittenCount; }

    QRadioButton* CurrentRadio = nullptr;
    QRadioButton* AllRadio = nullptr;
    QRadioButton* FilterRadio = nullptr;
    std::vector<QCheckBox*> FieldChecks; // in TStandardizeRule::OfferedFields() order
    QCheckBox* UpperCheck = nullptr;
    QLineEdit* UndoPathEdit = nullptr;
    QPushButton* BrowseButton = nullptr;
    QPushButton* PreviewButton = nullptr;
    QPushButton* StandardizeButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* CountLabel = nullptr;
    QTableView* Grid = nullptr;

public slots:
    void PreviewClick();
    void StandardizeClick();
    void CancelClick();
    void BrowseClick();
    void reject() override;

private:
    QStringList ChosenFields() const;
    void SetRunning(bool running);

    TAddressTable& Table;
    QWidget* Options = nullptr;
    QProgressBar* Gauge = nullptr;
    QStringList PreviewFields;
    uint32_t PreviewRecords = 0;
    uint32_t WrittenCount = 0;
    bool IsRunning = false;
};
