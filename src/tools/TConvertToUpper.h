// "Convert Case": which records (current, all, matching the filter), which conversion, which of
// the fifteen fields; the run with its gauge and a confirmed "Cancel". Before the question
// (No is the default) the window shows how many records and values will change and the changes
// themselves; the run writes the undo file that "Undo last conversion" reads.
//
// Contract: the table outlives the window; its record set and current record are put back.
#pragma once

#include "TChangePreviewModel.h"
#include "TProgressPump.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QTableView;
class QProgressBar;
class QPushButton;
class QRadioButton;
class TAddressTable;

class TConvertToUpper : public QDialog {
    Q_OBJECT
public:
    TConvertToUpper(TAddressTable& table, bool filterSet, QWidget* parent = nullptr);
    static void Execute(QWidget* parent, TAddressTable& table, bool filterSet);
    // "Undo last conversion" from the Utilities menu.
    static bool UndoLast(TAddressTable& table);

    TProgressPump Pump;
    uint32_t Converted() const { return Done; }

    QRadioButton* CurrentRadio = nullptr;
    QRadioButton* AllRadio = nullptr;
    QRadioButton* FilterRadio = nullptr;
    QRadioButton* UpperRadio = nullptr;
    QRadioButton* CapitalizedRadio = nullptr;
    QRadioButton* LowerRadio = nullptr;
    QRadioButton* NamesRadio = nullptr;
    TChangePreviewModel Preview;
    QLabel* PreviewLabel = nullptr;
    QTableView* PreviewGrid = nullptr;
    QCheckBox* AllFieldsCheck = nullptr;
    std::vector<QCheckBox*> FieldChecks; // in conversion order
    QPushButton* ConvertButton = nullptr;
    QPushButton* CancelButton = nullptr;

public slots:
    void ConvertClick();
    void CancelClick();
    void reject() override;

private:
    TAddressTable& Table;
    QWidget* Options = nullptr;
    QProgressBar* Gauge = nullptr;
    uint32_t Done = 0;
    bool IsRunning = false;
};
