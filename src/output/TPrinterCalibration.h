// How far one printer's sheets come out from where the program draws: a horizontal and a
// vertical offset (inches, within ±0.5) and a scale (percent, 90..110). Label and envelope jobs
// apply it to every page they draw, so a printer that feeds a sheet 1/16 inch low still hits
// the labels. The preview's page frame is the preview's own drawing and never moves.
//
// Kept per printer name in the settings file, section "Calibration": one key per printer,
// "x,y,scale" (x and y in inches). A missing or unreadable entry is no calibration.
//
// Entry points: Load()/Save(), Apply() (one page), and TCalibrated<Target>, a job whose
// finished pages pass through the calibration on their way to the printer or page stream.
#pragma once

#include "TDisplayList.h"

#include <QString>

class TPrinterCalibration {
public:
    static constexpr const char* Section = "Calibration";
    static constexpr double MaximumOffset = 0.5;
    static constexpr double MinimumScale = 90.0;
    static constexpr double MaximumScale = 110.0;

    TInches OffsetX;
    TInches OffsetY;
    double ScalePercent = 100.0;

    bool IsIdentity() const { return OffsetX == TInches() && OffsetY == TInches() && ScalePercent == 100.0; }
    // Values outside the ranges are brought inside them.
    TPrinterCalibration Clamped() const;

    // The printer's calibration from `settingsFile`; none when it keeps none.
    static TPrinterCalibration Load(const QString& settingsFile, const QString& printerName);
    // Throws TIniError when the file cannot be written. An identity calibration removes the key.
    void Save(const QString& settingsFile, const QString& printerName) const;

    // A point of the page as the printer needs it: scaled from the sheet's corner, then moved.
    TInchPoint Map(TInchPoint point) const;
    TInchRect Map(const TInchRect& rect) const;
    // The page with every operation mapped; fonts and pens scale with it.
    TDisplayList Apply(const TDisplayList& page) const;

    bool operator==(const TPrinterCalibration&) const = default;
};

// A job (TReportPrinter, TReportFiler, ...) whose pages are calibrated as they are finished.
template <class TTarget>
class TCalibrated : public TTarget {
public:
    using TTarget::TTarget;
    TPrinterCalibration Calibration;

protected:
    void PageFinished(TDisplayList page) override
    {
        if (Calibration.IsIdentity())
            TTarget::PageFinished(std::move(page));
        else
            TTarget::PageFinished(Calibration.Apply(page));
    }
};
