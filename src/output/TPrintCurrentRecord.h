// "Print Current Record": check boxes choose the fields of the one-record printout ("All"
// switches every other box to its own state), then "&Print" prints at once on the current
// printer, "Pre&view" shows the pages in the preview window and "Printer &Setup" opens the
// printer's set-up dialog. The record is handed over as a value.
#pragma once

#include "TRecordPrintout.h"
#include "TReportPrinter.h"

#include <QDialog>
#include <QList>

class QCheckBox;

class TPrintCurrentRecord : public QDialog {
    Q_OBJECT
public:
    explicit TPrintCurrentRecord(TRecordPrintout record, QWidget* parent = nullptr);

    // The printed labels of the boxes that are checked (the memo as TRecordPrintout::MemoLabel()).
    QStringList SelectedLabels() const;
    QCheckBox* CheckBox(const QString& caption) const;
    QCheckBox* AllCheckBox() const { return AllBox; }
    TReportPrinter& PrinterJob() { return Job; }

    void AllCheckBoxClick();
    void PrintButtonClick();
    void PreviewButtonClick();
    void PrinterSetupButtonClick();

private:
    TRecordPrintout Record;
    TReportPrinter Job;
    QList<QCheckBox*> FieldBoxes;
    QCheckBox* AllBox;
};
