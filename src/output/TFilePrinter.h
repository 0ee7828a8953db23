// Prints the pages of a TPageStream on the current printer, as they were recorded.
#pragma once

#include "TPageStream.h"
#include "TPrinterSession.h"

class TFilePrinter {
public:
    TPrinterSelection& Printers() { return PrinterChoice; }
    // False when the document could not be opened or written (Error()), or the user cancelled.
    bool Execute(const TPageStream& stream, const QString& title, int copies = 1);
    // Only pages `fromPage`..`toPage` (1-based, kept within the stream): a jammed sheet is
    // printed again without running the job again.
    bool ExecuteRange(const TPageStream& stream, const QString& title, int fromPage, int toPage, int copies = 1);
    QString Error() const { return ErrorText; }

private:
    TPrinterSelection PrinterChoice;
    QString ErrorText;
};
