// "Search and Replace": the field, how its value is matched (exactly from the start, or
// contained; case sensitive or not), the action (whole field or matching text only) and the
// records (all, or those matching the main window's filter); the run after a confirmation that
// spells the request out.
//
// Contract: the table outlives the window; its record set, order and record are put back.
#pragma once

#include "TFieldReplacer.h"
#include "TProgressPump.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class TAddressTable;

class TSearchAndReplace : public QDialog {
    Q_OBJECT
public:
    // `filterText` is the main window's filter ("Records matching current Filter" is offered
    // only when it is not empty).
    TSearchAndReplace(TAddressTable& table, const QString& filterText, QWidget* parent = nullptr);
    static void Execute(QWidget* parent, TAddressTable& table, const QString& filterText);

    TReplaceOptions Options() const;
    TProgressPump Pump;
    uint32_t Replaced() const { return Count; }

    QComboBox* FieldCombo = nullptr;
    QRadioButton* ExactRadio = nullptr;
    QRadioButton* ContainsRadio = nullptr;
    QLineEdit* SearchEdit = nullptr;
    QCheckBox* CaseSensitiveCheck = nullptr;
    QRadioButton* WholeFieldRadio = nullptr;
    QRadioButton* MatchingTextRadio = nullptr;
    QLineEdit* ReplaceEdit = nullptr;
    QRadioButton* AllRecordsRadio = nullptr;
    QRadioButton* FilterRecordsRadio = nullptr;
    QPushButton* ReplaceButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* StatusLabel = nullptr;

public slots:
    void ReplaceClick();
    void FieldComboChange();

private:
    TAddressTable& Table;
    QString FilterText;
    QWidget* OptionsPanel = nullptr;
    QProgressBar* Gauge = nullptr;
    uint32_t Count = 0;
    bool IsRunning = false;
};
