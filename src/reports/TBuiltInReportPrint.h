// The four built-in list reports: their list texts, orders, fonts and columns, the cell texts of
// a record, and the drawing of a whole report onto a job of the page-output engine (page header
// with title, page number, date, headings and rules; one or three lines per record; codes and
// memo in shaded blocks). No widget: the report window and the command line share it.
//
// Entry points: ListTexts(), Cells(), Print() (the job's OnPrint).
#pragma once

#include "output/TInches.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class TAddressTable;
class TBaseReport;

struct TBuiltInReportOptions {
    int Report = 1; // 1..4
    QString Title = QStringLiteral("Report 1");
    bool PrintMemo = false;
    bool PrintCodes = false;
};

// One written cell: the column it starts in (0..3) and its width (a cell may span columns).
struct TReportCell {
    int Column = 0;
    TInches Width;
    QString Text;
    bool operator==(const TReportCell&) const = default;
};
using TReportLine = std::vector<TReportCell>;

class TBuiltInReportPrint {
public:
    using TFieldText = std::function<QString(const QString& field)>;

    static constexpr int ReportCount = 4;
    static const QStringList& ListTexts();
    static QString FontName() { return QStringLiteral("Arial"); }
    static int FontSize(int report) { return report == 4 ? 8 : 9; }
    static std::vector<TInches> TabWidths(int report);
    // The heading lines (report 4 has three).
    static std::vector<TReportLine> Headings(int report);
    // The line(s) of one record, one cell per written text (empty texts included).
    static std::vector<TReportLine> Cells(int report, const TFieldText& field);

    TBuiltInReportPrint(TAddressTable& table, TBuiltInReportOptions options);

    // Draws the report from the table's current record to the end of its set (or until the
    // job is stopped or aborted). Throws std::runtime_error when a page cannot hold a record.
    void Print(TBaseReport& report);
    // The job set-up the report needs: margins (left 1 inch, the others half an inch).
    static void SetUpJob(TBaseReport& report);
    int RecordsPrinted() const { return Printed; }
    QDate Today = QDate::currentDate();

private:
    void PageHeader(TBaseReport& report);
    void SetBodyFont(TBaseReport& report);
    void SetColumnTabs(TBaseReport& report);
    void NewPage(TBaseReport& report);
    void PrintLine(TBaseReport& report, const TReportLine& line);
    void PrintCodes(TBaseReport& report);
    void PrintMemo(TBaseReport& report);
    void ShadedBlockTab(TBaseReport& report, int shadePercent);
    TInchRect Body(TBaseReport& report) const;

    TAddressTable& Table;
    TBuiltInReportOptions Options;
    int Printed = 0;
};
