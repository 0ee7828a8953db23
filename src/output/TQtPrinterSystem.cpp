#include "TQtPrinterSystem.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <array>
#include <utility>

namespace {

using S = QPrinter::PaperSource;
const std::array<std::pair<const char*, S>, 6> kPaperSources{{
    {"Automatically Select", S::Auto},
    {"Upper Tray", S::Upper},
    {"Lower Tray", S::Lower},
    {"Manual Feed", S::Manual},
    {"Envelope", S::Envelope},
    {"Manual Envelope", S::EnvelopeManual},
}};

// A system printer: positions are taken from the sheet's corner (full page), and Qt removes
// the printer's own offset.
class TQtPrintDevice : public TPrintDevice {
public:
    explicit TQtPrintDevice(const QString& name) : Printer(QPrinter::HighResolution)
    {
        Printer.setPrinterName(name);
        Printer.setFullPage(true);
    }

    QPagedPaintDevice* Open(const TPrintSettings& settings, const QString& fileName) override
    {
        if (!fileName.isEmpty()) {
            Printer.setOutputFormat(QPrinter::PdfFormat);
            Printer.setOutputFileName(fileName);
        }
        Printer.setDocName(settings.DocumentName);
        Printer.setPageSize(settings.PageSize);
        Printer.setPageOrientation(settings.Orientation);
        Printer.setCopyCount(settings.Copies);
        Printer.setFullPage(true);
        return &Printer;
    }
    bool NewPage() override { return Printer.newPage(); }
    bool Failed() const override { return Printer.printerState() == QPrinter::Error; }
    void Abort() override { Printer.abort(); }
    double Resolution() const override { return Printer.resolution(); }
    QMarginsF MinimumMarginsInches() const override
    {
        QPageLayout layout = Printer.pageLayout();
        layout.setUnits(QPageLayout::Inch);
        return layout.minimumMargins();
    }
    QPageLayout PageLayout() const override { return Printer.pageLayout(); }
    void SetPageLayout(const QPageLayout& layout) override { Printer.setPageLayout(layout); }
    QString PaperSource() const override
    {
        for (const auto& [name, source] : kPaperSources)
            if (source == Printer.paperSource())
                return QString::fromLatin1(name);
        return QString::fromLatin1(kPaperSources.front().first);
    }
    void SetPaperSource(const QString& name) override
    {
        for (const auto& [sourceName, source] : kPaperSources)
            if (name == QLatin1String(sourceName))
                Printer.setPaperSource(source);
    }

    QPrinter Printer;
};

} // namespace

QStringList TQtPrinterSystem::PrinterNames() const { return QPrinterInfo::availablePrinterNames(); }

QString TQtPrinterSystem::DefaultPrinterName() const { return QPrinterInfo::defaultPrinterName(); }

QStringList TQtPrinterSystem::PageSizeNames(const QString& printer) const
{
    QStringList names;
    for (const QPageSize& size : QPrinterInfo::printerInfo(printer).supportedPageSizes())
        names.append(size.name());
    return names;
}

std::unique_ptr<TPrintDevice> TQtPrinterSystem::OpenPrinter(const QString& printer)
{
    return std::make_unique<TQtPrintDevice>(printer);
}

bool TQtPrinterSystem::ExecuteSetupDialog(QWidget* parent, TPrintDevice& device)
{
    // The PDF printer has no QPrinter of its own: the dialog runs on a PDF QPrinter and hands
    // the layout back.
    QPrinter pdf(QPrinter::HighResolution);
    QPrinter* printer = &pdf;
    if (auto* system = dynamic_cast<TQtPrintDevice*>(&device))
        printer = &system->Printer;
    else
        pdf.setOutputFormat(QPrinter::PdfFormat);
    printer->setPageLayout(device.PageLayout());
    QPageSetupDialog dialog(printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    device.SetPageLayout(printer->pageLayout());
    return true;
}
