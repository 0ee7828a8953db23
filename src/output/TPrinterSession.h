// One printed document on the current printer of a TPrinterSelection: opens it (asking for the
// PDF file name when the "PDF file" printer has none), plays recorded pages onto it one by
// one, and ends or aborts it. An aborted PDF is removed rather than left half written.
#pragma once

#include "TDisplayList.h"
#include "TPrinterSelection.h"

#include <QPainter>
#include <QString>

#include <memory>

class TPrinterSession {
public:
    explicit TPrinterSession(TPrinterSelection& printers) : Printers(printers) {}
    ~TPrinterSession();

    // False when the document could not be opened (Error() says why) or the user cancelled the
    // file dialog (Error() empty).
    bool Begin(const TPrintSettings& settings);
    void PrintPage(const TDisplayList& page);
    // Starts the next page of a document drawn straight onto the device (letters) and returns
    // its painter, origin at the sheet's corner; nullptr when no document is open.
    QPainter* NextPage();
    TPrintDevice& Device() { return Printers.Printer(); }
    // Dots per inch of the open document's painter.
    double Resolution() { return Printers.Resolution(); }
    // Finishes the document; false with Error() when the device failed.
    bool End();
    void Abort();
    QString Error() const { return ErrorText; }
    QString OutputFile() const { return FileName; }

private:
    TPrinterSelection& Printers;
    std::unique_ptr<QPainter> Painter;
    QString FileName;
    QString ErrorText;
    int PagesPrinted = 0;
};
