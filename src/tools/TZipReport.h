// The "Zip Code Count Report": the count lines of a ZIP tally printed in four columns per Letter
// page, each row the ZIP and its count in two tabs, rows shaded 5 % in turn (the first row of
// every column shaded), columns filled top to bottom, then the next column, then a new page.
// Every page has the bold title above the framed writing area and "Page n" below it.
//
// A line is the ZIP string padded or cut to 10 characters followed by its count ("#,##0"): the
// ZIP part (trimmed) is printed in the first tab and the count in the second, so a long ZIP
// string or a count of a million never runs into the other.
//
// The report object only lays pages out; the window (TCountZipCodes) and the command line run
// the job. The lines handed over are copied; a job handed to Attach() must not outlive this.
#pragma once

#include "output/TBaseReport.h"

#include <QStringList>

class TZipTally;

class TZipReport {
public:
    static constexpr TInches ColumnWidth = 1.875_in;
    static constexpr int ColumnCount = 4;
    static constexpr int ShadePercent = 5;

    explicit TZipReport(QStringList lines) : Lines(std::move(lines)) {}

    // "%-10.10s" of the ZIP followed by the count as "#,##0".
    static QString Line(const QString& zip, uint64_t count);
    static QString FormatCount(uint64_t count);
    // The count lines of a sorted count tally: the ten digit lists, two empty lines, the other
    // strings, then "BLANK" when some records had no ZIP.
    static QStringList CountLines(const TZipTally& tally);

    // Title, margins, font and the handlers of a job that prints the lines.
    void Attach(TBaseReport& job);
    void PrintPage(TBaseReport& job);

    // Prints on the named printer ("PDF file" with `pdfPath`) without a window; false with
    // `error` set when the printer is unknown or the job fails.
    bool PrintTo(const QString& printerName, const QString& pdfPath, QString* error);

private:
    void PageHeader(TBaseReport& job);
    void PageFooter(TBaseReport& job);
    void SetRowTabs(TBaseReport& job, int column, bool shaded);

    QStringList Lines;
};
