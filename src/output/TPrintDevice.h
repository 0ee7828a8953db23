// One printer's device as a print session sees it: a paged paint device that is opened for a
// document, takes pages and reports failure. The "PDF file" printer's device lives in the model
// (TPdfPrintDevice); the system's printers come from the installed TPrinterSystem.
#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

struct TPrintSettings {
    QString DocumentName;
    QPageSize PageSize;
    QPageLayout::Orientation Orientation = QPageLayout::Portrait;
    int Copies = 1;
};

class TPrintDevice {
public:
    virtual ~TPrintDevice() = default;

    // Readies the device for a document written to `fileName` (the PDF printer; empty for a
    // system printer) and returns the device to paint on, its origin the sheet's corner;
    // nullptr when it cannot be opened.
    virtual QPagedPaintDevice* Open(const TPrintSettings& settings, const QString& fileName) = 0;
    // Starts the next page of the open document; false when the device refused.
    virtual bool NewPage() = 0;
    // Whether the device reported an error since it was opened.
    virtual bool Failed() const = 0;
    // Throws the open document away (a system printer cancels its job).
    virtual void Abort() = 0;

    // Dots per inch of the device's painter.
    virtual double Resolution() const = 0;
    // The widths the printer cannot reach at each edge of the sheet, in inches.
    virtual QMarginsF MinimumMarginsInches() const = 0;
    // The page layout the device holds (set by Open or by the printer's set-up dialog).
    virtual QPageLayout PageLayout() const = 0;
    virtual void SetPageLayout(const QPageLayout& layout) = 0;

    // The paper source by the names TPrinterSelection offers ("Automatically Select", ...).
    virtual QString PaperSource() const = 0;
    virtual void SetPaperSource(const QString& name) = 0;
};
