// "Convert Case": which records (current, all, matching the filter), which conversion, which of
// the fifteen fields; the run with its gauge and a confirmed "Cancel". The change is written at
// once and cannot be undone, so the run is confirmed first (No is the default).
//
// Contract: the table outlives the window; its record set and current record are put back.
#pragma once

#include "TProgressPump.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QProgressBar;
class QPushButton;
class QRadioButton;
class TAddressTable;

class TConvertToUpper : public QDialog {
    Q_OBJECT
public:
    TConvertToUpper(TAddressTable& table, bool filterSet, QWidget* parent = nullptr);
    static void Execute(QWidget* parent, TAddressTable& table, bool filterSet);

    TProgressPump Pump;
    uint32_t Converted() const { return Done; }

    QRadioButton* CurrentRadio = nullptr;
    QRadioButton* AllRadio = nullptr;
    QRadioButton* FilterRadio = nullptr;
    QRadioButton* UpperRadio = nullptr;
    QRadioButton* CapitalizedRadio = nullptr;
    QRadioButton* LowerRadio = nullptr;
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
