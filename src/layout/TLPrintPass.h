// One print run of a panel, as every product prints it (labels, envelopes, report bands and
// `layout render`). While the pass lives the panel prints: its data objects show record values,
// its Intelligent Mail barcodes take their serials from the run's serial run, its counters start
// from their first value. Each PrintRecord fills the objects from the data set's current record
// (or clears them when there is no data set), draws them at the offset and steps the counters;
// PrintAsIs draws them as they stand (a report's header and footer). When the pass ends, however
// it ends (an exception of the engine or the layout included), the panel's printing flag, data
// set and serial run are what they were before.
//
// Contract: panel, data set and serial run outlive the pass; the caller positions the data set
// on the record to print before each PrintRecord.
#pragma once

#include "output/TInches.h"

class TBaseReport;
class TIMbSerialRun;
class TLDataPanel;
class TLDataSource;

class TLPrintPass {
public:
    // `data` and `serials` left null keep the panel's own.
    explicit TLPrintPass(TLDataPanel& panel, TLDataSource* data = nullptr, TIMbSerialRun* serials = nullptr);
    ~TLPrintPass();
    TLPrintPass(const TLPrintPass&) = delete;
    TLPrintPass& operator=(const TLPrintPass&) = delete;

    // Fills from the current record, draws at x, y and steps the counters.
    void PrintRecord(TBaseReport& report, TInches x, TInches y);
    // Draws the objects as they stand, without filling or stepping.
    void PrintAsIs(TBaseReport& report, TInches x, TInches y);

private:
    TLDataPanel& Panel;
    bool OldPrinting;
    TLDataSource* OldData;
    TIMbSerialRun* OldSerials;
};
