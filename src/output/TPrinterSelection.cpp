#include "TPrinterSelection.h"

#include "TPaperCodes.h"
#include "TPdfPrintDevice.h"
#include "TPrinterSystem.h"

#include <array>

namespace {

const std::array<const char*, 6> kPaperSources{
    "Automatically Select", "Upper Tray", "Lower Tray", "Manual Feed", "Envelope", "Manual Envelope",
};

bool pdfPrinterOffered = true;

} // namespace

void TPrinterSelection::SetPdfPrinterOffered(bool offered) { pdfPrinterOffered = offered; }
TPrinterSelection::TPrinterSelection()
{
    Names = TPrinterSystem::Current().PrinterNames();
    Names.removeAll(PdfPrinterName());
    if (pdfPrinterOffered)
        Names.append(PdfPrinterName());
    const QString systemDefault = TPrinterSystem::Current().DefaultPrinterName();
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

TPrintDevice& TPrinterSelection::Printer()
{
    if (!Device && !IsPdfPrinter())
        Device = TPrinterSystem::Current().OpenPrinter(PrinterName());
    // The PDF printer, and a system printer that has gone since the list was made, write PDF.
    if (!Device)
        Device = std::make_unique<TPdfPrintDevice>();
    return *Device;
}

double TPrinterSelection::Resolution()
{
    return Printer().Resolution();
}

QMarginsF TPrinterSelection::MinimumMarginsInches()
{
    if (IsPdfPrinter())
        return {};
    return Printer().MinimumMarginsInches();
}

TInches TPrinterSelection::UnprintableLeft() { return TInches(MinimumMarginsInches().left()); }
TInches TPrinterSelection::UnprintableTop() { return TInches(MinimumMarginsInches().top()); }
TInches TPrinterSelection::UnprintableRight() { return TInches(MinimumMarginsInches().right()); }
TInches TPrinterSelection::UnprintableBottom() { return TInches(MinimumMarginsInches().bottom()); }

QStringList TPrinterSelection::PaperSources() const
{
    QStringList names;
    for (const char* name : kPaperSources)
        names.append(QString::fromLatin1(name));
    if (IsPdfPrinter())
        names = names.mid(0, 1);
    return names;
}

QString TPrinterSelection::PaperSource()
{
    const QString current = Printer().PaperSource();
    return PaperSources().contains(current) ? current : QString::fromLatin1(kPaperSources.front());
}

bool TPrinterSelection::SelectPaperSource(const QString& name)
{
    if (!PaperSources().contains(name))
        return false;
    Printer().SetPaperSource(name);
    return true;
}

QStringList TPrinterSelection::PaperNames() const
{
    QStringList names;
    if (!IsPdfPrinter()) {
        names = TPrinterSystem::Current().PageSizeNames(PrinterName());
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
    TPrintDevice& device = Printer();
    device.SetPageLayout(layout);
    if (!TPrinterSystem::Current().ExecuteSetupDialog(parent, device))
        return false;
    layout = device.PageLayout();
    return true;
}
