// The print dialog before a report is printed: the printer to use and the number of copies.
#pragma once

#include <QDialog>

class QComboBox;
class QSpinBox;
class TBaseReport;

class TReportPrintDialog : public QDialog {
    Q_OBJECT
public:
    TReportPrintDialog(TBaseReport& job, QWidget* parent = nullptr);
    // Takes the chosen printer and copies into the job; false when the user cancelled.
    static bool Execute(TBaseReport& job, QWidget* parent);

    QComboBox* PrinterCombo = nullptr;
    QSpinBox* CopiesSpin = nullptr;
};
