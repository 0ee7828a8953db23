// One envelope run: the envelope layout on a hidden panel, the address table and the record
// choice, the envelope's size, the feed settings and the offsets at which the layout lands on
// the page. The setup screen and `quorvane envelopes` share it:
//
//   PreparePage(job)   the envelope's paper in the feed's orientation
//   Run(job, runJob)   narrows and positions the record set, lets `runJob` execute the job (the
//                      status window, or Execute() on the command line), numbers IMb serials
//                      (written back after a real run only) and puts query, order and record back
//                      on every path
//
// Inside the job: before printing the offsets are reset; at the start of printing they are
// computed from the page and the feed (TEnvelopePlacement); then one page per record from the
// current record to the end of the set, or the current record alone.
//
// Contract: table, panel and job outlive the run. No widgets: messages go through the prompt
// service, the window builds its status window from the texts below.
#pragma once

#include "TEnvelopeFeedSettings.h"
#include "TEnvelopePlacement.h"
#include "TEnvelopeSizes.h"

#include "data/TRecordChoice.h"
#include "output/TBaseReport.h"

#include <functional>

class TAddressTable;
class TEnvelopePanel;
class TIMbSerialRun;
class TLDataSource;
class TLPrintPass;
struct TEnvelopeSetup;

class TEnvelopeForm {
public:
    static constexpr const char* PrintCanceledText = "\rEnvelope Print Canceled!";
    static constexpr const char* PreviewCanceledText = "\rEnvelope Preview Canceled!";
    static constexpr const char* PreviewStoppedText = "\rPreview Stopped!";
    static constexpr const char* PrintCompletedText = "\rEnvelope Print Completed!";
    static constexpr const char* MissingLayoutText = "Envelope definition file has been removed from the sysdata directory";
    static constexpr const char* UnknownSizeText = "Unknown envelope size: choose one with Layout";
    static constexpr const char* JobTitle = "Quorvane";

    TEnvelopeForm(TAddressTable& table, TEnvelopePanel& panel, TEnvelopeSize size, TEnvelopeFeedSettings feed);

    // The setup's layout onto the panel (cleared first). Throws std::runtime_error with
    // MissingLayoutText when the file is gone, TLStreamError when it cannot be read.
    static void LoadLayout(TEnvelopePanel& panel, const TEnvelopeSetup& setup);

    void SetRecords(TRecordChoice::TRecords records, bool startFromCurrent);
    void SetPreviewing(bool previewing) { Previewing = previewing; }
    // The printer whose unprintable widths the preview marks with its red dotted frame: the
    // preview's own job is a page stream, which has none.
    void SetPrintableAreaOf(TBaseReport& printer);
    void SetFeed(const TEnvelopeFeedSettings& feed) { Feed = feed; }
    const TEnvelopeFeedSettings& FeedSettings() const { return Feed; }
    const TEnvelopeSize& Size() const { return EnvelopeSize; }

    // The paper of the envelope's size code (a custom size for code 0) in the feed orientation.
    void PreparePage(TBaseReport& job) const;
    // The confirmation dialog's warning rule for the job's page now.
    bool PageMismatch(TBaseReport& job) const;
    // Installs the before-print and print handlers (no others).
    void Attach(TBaseReport& job);
    // Throws std::runtime_error with UnknownSizeText for a size the table does not know.
    void Run(TBaseReport& job, const std::function<void(TBaseReport&)>& runJob);

    TEnvelopeOffsets Offsets() const { return Offset; }
    int EnvelopesPrinted() const { return Envelopes; }

    // The handlers themselves (tests call them on a job they run).
    void BeforePrint(TBaseReport& job);
    void Print(TBaseReport& job);

private:
    void PrintOne(TBaseReport& job, TLPrintPass& pass);

    TAddressTable& Table;
    TEnvelopePanel& Panel;
    TEnvelopeSize EnvelopeSize;
    TEnvelopeFeedSettings Feed;
    TRecordChoice::TRecords Records = TRecordChoice::TRecords::OnlyCurrent;
    bool StartFromCurrent = false;
    bool OnlyCurrentRecord = true;
    bool Previewing = false;
    TEnvelopeOffsets Offset;
    int Envelopes = 0;
    struct TUnprintable {
        TInches Left, Top, Right, Bottom;
    } Unprintable;
    // The record data and serials of the run in progress; the handlers called on their own
    // (tests) print with the panel's own.
    TLDataSource* RunData = nullptr;
    TIMbSerialRun* RunSerials = nullptr;
};
