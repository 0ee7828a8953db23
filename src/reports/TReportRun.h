// One report run as the report window and the command line make it: a built-in report or a
// user-defined one from its layout file, its record choice, the job's set-up (title, paper,
// margins, status line, handlers) and the status texts of its status window. The record
// selection is made around the job's Execute() (Select() in the window, Execute() headless).
//
// Entry points: TReportRun(table, request), Configure(job), Select(), Execute(job),
// StatusTexts(), SpoolerTitle().
#pragma once

#include "TBuiltInReportPrint.h"
#include "TReportRecordSelection.h"
#include "TUserDefinedReportPrint.h"

#include "output/TPrintStatusTexts.h"

#include <memory>

class TAddressTable;
class TBaseReport;
class TPageStream;

struct TReportRequest {
    int BuiltIn = 1;           // 1..4; 0 for a user-defined report
    TBuiltInReportOptions BuiltInOptions;
    QString LayoutFile;        // a user-defined report's file
    bool OneRecordPerPage = false;
    TRecordChoice::TRecords Records = TRecordChoice::TRecords::MatchingFilter;
    bool StartFromCurrent = false;
};

class TReportRun {
public:
    // Reads a user-defined report's layout (throws as TUserDefinedReportPrint does).
    TReportRun(TAddressTable& table, TReportRequest request);
    ~TReportRun();

    // Title, paper, margins, status line and handlers; throws when the page cannot hold a
    // record of the report.
    void Configure(TBaseReport& job);
    // Narrows and positions the table for the run; the table is put back when it is destroyed.
    std::unique_ptr<TReportRecordSelection> Select();
    // Select(), then the job; false when it was aborted or could not start.
    bool Execute(TBaseReport& job);
    int RecordsPrinted() const;

    static TStatusTexts StatusTexts();
    static QString SpoolerTitle(bool builtIn);
    // Every page of `pages` as DIR/page-0001.png at `dotsPerInch`; throws on a write error.
    static void WritePagePictures(const TPageStream& pages, const QString& folder, double dotsPerInch = 96.0);

private:
    TAddressTable& Table;
    TReportRequest Request;
    std::unique_ptr<TBuiltInReportPrint> BuiltIn;
    std::unique_ptr<TUserDefinedReportPrint> UserDefined;
};
