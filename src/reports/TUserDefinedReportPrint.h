// A user-defined report printed from its layout file: the header and footer bands on every
// page, the detail band once per record where it still fits, the memo band below it in whole
// lines, bands shaded and outlined as their settings say, optionally one record per page.
// No widget: the report window and the command line share it.
//
// Entry points: the constructor (reads the file), SetUpJob() (paper, orientation, margins),
// Print() (the job's OnPrint) and PageHeaderAndFooter() (the job's OnNewPage).
#pragma once

#include "TReportPaper.h"

#include "layout/TReportPanel.h"
#include "layout/TLReportSettings.h"
#include "output/TInches.h"

#include <memory>

class TAddressTable;
class TBaseReport;
class TLAddressDataSource;

class TUserDefinedReportPrint {
public:
    static constexpr const char* MissingFileMessage = "Report definition file has been removed from the sysdata directory";
    static constexpr const char* NoBandsMessage =
        "Every band of this report is switched off, so it has nothing to print. Switch on a band in the Report Designer";

    // Reads the layout file; throws std::runtime_error with MissingFileMessage when it is gone,
    // with NoBandsMessage when header, detail, memo and footer bands are all off, and
    // TLStreamError when it cannot be read.
    TUserDefinedReportPrint(TAddressTable& table, const QString& layoutFile);
    ~TUserDefinedReportPrint();

    bool OneRecordPerPage = false;
    const TLReportSettings& Settings() const { return ReportSettings; }
    TReportPaper Paper() const;

    // Paper code 1 or 9 (or a custom paper of the stored size), orientation and margins, and
    // OnNewPage. Throws std::runtime_error when a page cannot hold one detail band or one
    // memo line (that report would never end).
    void SetUpJob(TBaseReport& report);
    // Draws the report from the table's current record to the end of its set.
    void Print(TBaseReport& report);
    int RecordsPrinted() const { return Printed; }

private:
    struct TBandPasses;
    TInches Inches(int pixels) const;
    TInches HeaderHeight() const;
    TInches FooterHeight() const;
    void PageHeaderAndFooter(TBaseReport& report);
    void PrintDetail(TBaseReport& report);
    void PrintMemo(TBaseReport& report);
    void SetMemoFont(TBaseReport& report);
    void ShadeAndOutline(TBaseReport& report, const TLBandFrame& frame, TInches top, TInches bottom);
    TInches BandLeft(TBaseReport& report) const;
    TInches BandRight(TBaseReport& report) const;

    TAddressTable& Table;
    std::unique_ptr<TLAddressDataSource> Data;
    TLOwner Owner;
    TReportPanel Header{&Owner}, Detail{&Owner}, Footer{&Owner};
    TLReportSettings ReportSettings;
    TInches Position;
    int Printed = 0;
    TBandPasses* Passes = nullptr; // while Print runs

};
