// "Printer Calibration": the offsets and scale of the chosen printer for label and envelope
// jobs. "Print Calibration Sheet" prints the current stock's calibration sheet on that printer
// without calibration; the user reads where the real label edges fall on its rulers and types
// the offsets (inches, in steps of 1/32). Ok writes them to the settings file.
#pragma once

#include "TLabelStock.h"

#include "output/TPrinterCalibration.h"

#include <QDialog>

class QDoubleSpinBox;
class QLabel;

class TCalibratePrinter : public QDialog {
    Q_OBJECT
public:
    TCalibratePrinter(const QString& printerName, const TLabelStock& stock, QWidget* parent = nullptr);

    TPrinterCalibration Calibration() const;
    void SetCalibration(const TPrinterCalibration& calibration);
    // Prints the sheet; false (with the message shown) when the printer failed.
    bool PrintSheetButtonClick();
    void OkButtonClick();

    QDoubleSpinBox* OffsetXEdit = nullptr;
    QDoubleSpinBox* OffsetYEdit = nullptr;
    QDoubleSpinBox* ScaleEdit = nullptr;
    // Where the sheet goes when the printer is the PDF printer (tests); empty: ask.
    QString SheetPdfFile;

private:
    QString Printer;
    TLabelStock Stock;
};
