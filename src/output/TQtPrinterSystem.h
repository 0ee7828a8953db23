// The system's printers through Qt's printing support (CUPS on Linux): the printer list, a
// QPrinter per printer and the printer's page set-up dialog. main() installs one for the
// windows and the command line.
#pragma once

#include "TPrinterSystem.h"

class TQtPrinterSystem : public TPrinterSystem {
public:
    QStringList PrinterNames() const override;
    QString DefaultPrinterName() const override;
    QStringList PageSizeNames(const QString& printer) const override;
    std::unique_ptr<TPrintDevice> OpenPrinter(const QString& printer) override;
    bool ExecuteSetupDialog(QWidget* parent, TPrintDevice& device) override;
};
