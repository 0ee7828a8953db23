// The printers a job can go to: the system's printers (TPrinterSystem), followed always by the
// built-in "PDF file" printer, so printing and preview work on a machine without printers. Owns
// the device of the current choice. The PDF printer writes to the file the caller names (the
// command line does); without one, the job asks for it through the prompt service.
#pragma once

#include "TInches.h"
#include "TPrintDevice.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

class TPrinterSelection {
public:
    static QString PdfPrinterName() { return QStringLiteral("PDF file"); }
    // Whether "PDF file" ends the list (the preference "Offer the \"PDF file\" printer"); with it
    // off, a machine without printers has none, and the no-printer messages apply.
    static void SetPdfPrinterOffered(bool offered);

    TPrinterSelection();   // the system's default printer, else "PDF file"
    ~TPrinterSelection();

    QStringList Printers() const { return Names; }
    int PrinterIndex() const { return Index; }
    QString PrinterName() const;
    bool SelectPrinter(int index);
    bool SelectPrinter(const QString& name);
    bool IsPdfPrinter() const { return PrinterName() == PdfPrinterName(); }

    // A fixed PDF file name for later jobs (command line); empty means "ask for each job".
    void SetPdfFileName(const QString& path) { PdfFileName = path; }
    QString FixedPdfFileName() const { return PdfFileName; }

    // The device of the current printer, created on first use.
    TPrintDevice& Printer();
    double Resolution();
    // The widths the printer cannot reach at each edge of the sheet (0 for the PDF printer).
    TInches UnprintableLeft();
    TInches UnprintableTop();
    TInches UnprintableRight();
    TInches UnprintableBottom();

    QStringList PaperSources() const;
    QString PaperSource();
    bool SelectPaperSource(const QString& name);
    QStringList PaperNames() const;

    // Opens the printer's set-up dialog on `layout`; true and the new layout when accepted.
    bool ExecuteSetupDialog(QWidget* parent, QPageLayout& layout);

private:
    QMarginsF MinimumMarginsInches();

    QStringList Names;
    int Index = -1;
    QString PdfFileName;
    std::unique_ptr<TPrintDevice> Device;
};
