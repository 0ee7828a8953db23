#include "TPrinterCheck.h"

#include "TPrinterSelection.h"
#include "prompts/TUserPrompts.h"

bool TPrinterCheck::PrinterPresent()
{
    TPrinterSelection printers;
    return PrinterPresent(printers);
}

bool TPrinterCheck::PrinterPresent(TPrinterSelection& printers)
{
    if (printers.Printers().isEmpty()) {
        TUserPrompts::Current().Information(QLatin1String(NoPrinterMessage));
        return false;
    }
    // A selection without a current printer gets one more chance: the first listed.
    if (printers.PrinterName().isEmpty())
        printers.SelectPrinter(0);
    if (printers.PrinterName().isEmpty()) {
        TUserPrompts::Current().Information(QLatin1String(NoDefaultMessage));
        return false;
    }
    return true;
}
