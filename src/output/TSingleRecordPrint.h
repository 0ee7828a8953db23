// The one-record printout: the page layout of a record (labelled fields on two tabs, then the
// memo in italic, word-wrapped, continuing on further pages under a fresh page header). The
// window that prints or previews it is TPrintCurrentRecord.
//
// The record and the chosen labels are copied; the job handed to Attach() must not outlive
// this object.
#pragma once

#include "TPrintStatusTexts.h"
#include "TRecordPrintout.h"

#include "TInches.h"

#include <QStringList>

class TBaseReport;

class TSingleRecordPrint {
public:
    // `labels` chooses the fields by printed label, TRecordPrintout::MemoLabel() the memo.
    TSingleRecordPrint(TRecordPrintout record, QStringList labels);

    static TStatusTexts StatusTexts();
    // Title, margins and the handlers of a job that prints this record.
    void Attach(TBaseReport& job);
    void PrintPage(TBaseReport& job);

    // Breaks `text` into lines no wider than `width` in the job's current font. Line breaks in
    // the text are kept; a word too long for a line is split rather than cut off.
    static QStringList WrapText(const TBaseReport& job, const QString& text, TInches width);

private:
    void PageHeader(TBaseReport& job);
    void SetFieldTabs(TBaseReport& job);
    void PrintFields(TBaseReport& job);
    void PrintMemo(TBaseReport& job);
    void NewPageWithHeader(TBaseReport& job);

    TRecordPrintout Record;
    QStringList Labels;
};

// Prints `record` with the fields named in `labels` (empty: every field and the memo) into the
// PDF file `pdfPath`, without any window. False with `error` set when the file cannot be written.
bool PrintRecordToPdf(const TRecordPrintout& record, const QStringList& labels, const QString& pdfPath,
                      QString* error);
