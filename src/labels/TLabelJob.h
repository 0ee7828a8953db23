// The label print job as the setup screen and `quorvane labels` both build it: a calibrated job
// that spools each finished sheet to the printer, or files the sheets into a page stream (the
// preview, a page range, pictures); titled, on the chosen printer (and PDF file), with the
// stock's paper and orientation, the status line, and the label loop as its print handler.
//
// Contract: `printer` outlives the job; the caller runs it (the status window, or Execute())
// and asks the paper question when the paper was not confirmed or differs.
#pragma once

#include "output/TPrinterCalibration.h"

#include <QString>

#include <memory>

class TBaseReport;
class TLabelPrinter;
class TPageStream;
class TLabelStock;

struct TLabelJobTarget {
    QString Title;
    QString Printer;                  // a name of the printer list
    QString PdfFile;                  // the PDF printer's file; empty: asked when the job starts
    TPrinterCalibration Calibration;  // the printer's offsets and scale, applied to every sheet
    TPageStream* Pages = nullptr;     // file the sheets here rather than spool them
    bool Preview = false;             // the status line says "Preparing Preview Page"
};

struct TLabelJob {
    std::unique_ptr<TBaseReport> Job;
    bool PrinterFound = false;   // the printer is in the list (else the job has the default one)
    bool PaperConfirmed = false; // false when the printer takes no paper size of ours

    static TLabelJob Make(const TLabelJobTarget& target, TLabelPrinter& printer, const TLabelStock& stock);
};
