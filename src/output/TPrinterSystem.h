// The system's printers behind one door, so the model prints without knowing the printing
// toolkit: the windows install the Qt implementation (TQtPrinterSystem) at start, the command
// line does too; with none installed there are no system printers and only the built-in "PDF
// file" printer remains.
#pragma once

#include "TPrintDevice.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

class TPrinterSystem {
public:
    virtual ~TPrinterSystem() = default;

    virtual QStringList PrinterNames() const = 0;
    // Empty when the system names no default printer.
    virtual QString DefaultPrinterName() const = 0;
    // The page size names the printer offers (empty when it says nothing).
    virtual QStringList PageSizeNames(const QString& printer) const = 0;
    // The device of a system printer (never the "PDF file" printer).
    virtual std::unique_ptr<TPrintDevice> OpenPrinter(const QString& printer) = 0;
    // The printer's set-up dialog over `parent` on `device`'s layout; true when accepted.
    virtual bool ExecuteSetupDialog(QWidget* parent, TPrintDevice& device) = 0;

    // The system in force: none (no printers) unless one was installed.
    static TPrinterSystem& Current();
    // Installs `system` (not owned); nullptr goes back to none.
    static void Install(TPrinterSystem* system);
};
