// The printer presence check run at start-up and before every print command: printing can go
// on when some printer is listed and the current one can be used. The messages end the command.
#pragma once

class TPrinterSelection;

class TPrinterCheck {
public:
    static constexpr const char* NoPrinterMessage =
        "There are no installed printers.\nUnable to perform printer related operations";
    static constexpr const char* NoDefaultMessage =
        "There is no default printer selected.\nUnable to perform printer related operations";

    // Checks a fresh selection of the system's printers.
    static bool PrinterPresent();
    static bool PrinterPresent(TPrinterSelection& printers);
};
