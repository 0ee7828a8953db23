// A job printed on the current printer (a CUPS printer or the "PDF file" printer). Each page
// goes to the device as soon as it is finished; an aborted job aborts the printer document.
#pragma once

#include "TBaseReport.h"
#include "TPrinterSession.h"

class TReportPrinter : public TBaseReport {
public:
    TReportPrinter() : Session(PrinterChoice) {}
    // The PDF file written by the last run on the "PDF file" printer.
    QString OutputFile() const { return Session.OutputFile(); }

protected:
    bool StartJob() override;
    void PageFinished(TDisplayList page) override;
    void EndJob(bool aborted) override;

private:
    TPrinterSession Session;
};
