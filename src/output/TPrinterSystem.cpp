#include "TPrinterSystem.h"

namespace {

// No printing toolkit: no system printers and no set-up dialog.
class TNoPrinterSystem : public TPrinterSystem {
public:
    QStringList PrinterNames() const override { return {}; }
    QString DefaultPrinterName() const override { return {}; }
    QStringList PageSizeNames(const QString&) const override { return {}; }
    std::unique_ptr<TPrintDevice> OpenPrinter(const QString&) override { return nullptr; }
    bool ExecuteSetupDialog(QWidget*, TPrintDevice&) override { return false; }
};

TPrinterSystem* installed = nullptr;

} // namespace

TPrinterSystem& TPrinterSystem::Current()
{
    static TNoPrinterSystem none;
    return installed ? *installed : none;
}

void TPrinterSystem::Install(TPrinterSystem* system) { installed = system; }
