// The letter print loop: for each record of the chosen set, a fresh copy of the letter merged
// with the record, rendered page after page onto one print job, the given number of copies
// each. The letter window's status window drives it (the same loop runs from the command line):
// it hears the status texts, lets the user interface process events after each record and asks
// "Cancel print job?" when a cancel was requested.
//
// The job's paper is the letter's page size. An error while rendering or ending the job is a
// failure: the job is aborted (a partial PDF is removed) and Error() says why.
//
// Contract: the table, the letter and the printers outlive the job.
#pragma once

#include "data/TRecordChoice.h"

#include <QDate>
#include <QRect>
#include <QString>

#include <functional>

class TAddressTable;
class TPrinterSelection;
class TRichDocument;
struct TRichPageLayout;

class TLetterPrintJob {
public:
    enum class TResult { lrNotStarted, lrCompleted, lrCanceled, lrFailed };

    static constexpr int MaximumCopies = 999;
    static constexpr const char* CompletedText = "Letter Print Completed!";
    static constexpr const char* CanceledText = "Letter Print Canceled!";
    static constexpr const char* CancelQuestion = "Cancel print job?";

    TLetterPrintJob(TAddressTable& table, const TRichDocument& letter, TPrinterSelection& printers);

    void SetRecords(TRecordChoice::TRecords records, bool startFromCurrent);
    void SetCopies(int copies); // kept within 1..999
    int Copies() const { return CopyCount; }
    void SetToday(const QDate& today) { Today = today; }
    void SetDocumentName(const QString& name) { DocumentName = name; }

    // "Printing page " + n after each record, and the final text.
    std::function<void(const QString& status)> OnStatus;
    // After each record, so a Cancel button is heard.
    std::function<void()> ProcessEvents;
    // After each page printed, with the count so far.
    std::function<void(int pages)> OnPage;
    // Each record's merged letter, once, before its pages are printed.
    std::function<void(const TRichDocument& merged)> OnMerged;

    // Steps 2 to 6 of printing: remember, narrow and position the record set, run the loop,
    // put the set back. Returns how it ended; FinalText() and Error() tell the user.
    TResult Run();
    void RequestCancel() { CancelRequested = true; }
    int PagesPrinted() const { return Pages; }
    QString FinalText() const;
    QString Error() const { return ErrorText; }

    // The text area on the printer in its pixels, from the letter's page and margins:
    // left = left margin - physical offset x, top likewise; width = page width - left margin -
    // right margin; height = page height - top margin - bottom margin.
    static QRect DeterminePrinterBounds(const TRichPageLayout& page, int dotsPerInchX, int dotsPerInchY,
                                        QPoint physicalOffset);

private:
    void PrintLoop();
    void PrintThisRecord(const TRichDocument& working, const QRect& bounds);
    bool CheckCancel();

    TAddressTable& Table;
    const TRichDocument& Letter;
    TPrinterSelection& Printers;
    class TPrinterSession* Session = nullptr;
    TRecordChoice::TRecords Records = TRecordChoice::TRecords::OnlyCurrent;
    bool StartFromCurrent = false;
    bool Single = false;
    int CopyCount = 1;
    QDate Today = QDate::currentDate();
    QString DocumentName = QStringLiteral("Letters");
    bool CancelRequested = false;
    bool Aborted = false;
    int Pages = 0;
    TResult Result = TResult::lrNotStarted;
    QString ErrorText;
};
