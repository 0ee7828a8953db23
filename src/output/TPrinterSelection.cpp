#include "TPrinterSelection.h"

#include "TPaperCodes.h"

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

bool pdfPrinterOffered = true;

} // namespace

void TPrinterSelection::SetPdfPrinterOffered(bool offered) { pdfPrinterOffered = offered; }
TPrinterSelection::TPrinterSelection()
{
    Names = QPrinterInfo::availablePrinterNames();
    Names.removeAll(PdfPrinterName());
    if (pdfPrinterOffered)
        Names.append(PdfPrinterName());
    const QString systemDefault = QPrinterInfo::defaultPrinterName();
    Index = systemDefault.isEmpty() ? int(Names.indexOf(PdfPrinterName())) : int(Names.indexOf(systemDefault));
    if (Index < 0)
        Index = int(Names.size()) - 1; // -1 when there is no printer at all
}

TPrinterSelection::~TPrinterSelection() = default;

QString TPrinterSelection::PrinterName() const
{
    return Index >= 0 && Index < Names.size() ? Names.at(Index) : QString();
}

bool TPrinterSelection::SelectPrinter(int index)
{
    if (index < 0 || index >= Names.size())
        return false;
    if (index != Index)
        Device.reset();
    Index = index;
    return true;
}

bool TPrinterSelection::SelectPrinter(const QString& name)
{
    return SelectPrinter(int(Names.indexOf(name)));
}

QPrinter& TPrinterSelection::Printer()
{
    if (!Device) {
        Device = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (IsPdfPrinter())
            Device->setOutputFormat(QPrinter::PdfFormat);
        else
            Device->setPrinterName(PrinterName());
        // Positions are taken from the sheet's corner; Qt then removes the printer's offset.
        Device->setFullPage(true);
    }
    return *Device;
}

double TPrinterSelection::Resolution()
{
    return Printer().resolution();
}

QMarginsF TPrinterSelection::MinimumMarginsInches()
{
    if (IsPdfPrinter())
        return {};
    QPageLayout layout = Printer().pageLayout();
    layout.setUnits(QPageLayout::Inch);
    return layout.minimumMargins();
}

TInches TPrinterSelection::UnprintableLeft() { return TInches(MinimumMarginsInches().left()); }
TInches TPrinterSelection::UnprintableTop() { return TInches(MinimumMarginsInches().top()); }
TInches TPrinterSelection::UnprintableRight() { return TInches(MinimumMarginsInches().right()); }
TInches TPrinterSelection::UnprintableBottom() { return TInches(MinimumMarginsInches().bottom()); }

QStringList TPrinterSelection::PaperSources() const
{
    QStringList names;
    for (const auto& [name, source] : kPaperSources)
        names.append(QString::fromLatin1(name));
    if (IsPdfPrinter())
        names = names.mid(0, 1);
    return names;
}

QString TPrinterSelection::PaperSource()
{
    const S current = Printer().paperSource();
    for (const auto& [name, source] : kPaperSources)
        if (source == current)
            return QString::fromLatin1(name);
    return QString::fromLatin1(kPaperSources.front().first);
}

bool TPrinterSelection::SelectPaperSource(const QString& name)
{
    if (!PaperSources().contains(name))
        return false;
    for (const auto& [sourceName, source] : kPaperSources)
        if (name == QLatin1String(sourceName))
            Printer().setPaperSource(source);
    return true;
}

QStringList TPrinterSelection::PaperNames() const
{
    QStringList names;
    if (!IsPdfPrinter()) {
        for (const QPageSize& size : QPrinterInfo::printerInfo(PrinterName()).supportedPageSizes())
            names.append(size.name());
    }
    if (names.isEmpty()) {
        for (int code = 1; code <= 38; ++code)
            if (const auto id = TPaperCodes::PageSizeId(code))
                names.append(QPageSize(*id).name());
    }
    return names;
}

bool TPrinterSelection::ExecuteSetupDialog(QWidget* parent, QPageLayout& layout)
{
    QPrinter& printer = Printer();
    printer.setPageLayout(layout);
    QPageSetupDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    layout = printer.pageLayout();
    return true;
}
