// `quorvane report TABLE ...`: a built-in or user-defined report of the table's record set to a
// PDF or a printer, through the report window's run (src/reports). `quorvane setups reports`:
// the user-defined reports of REPORT.DBF as CSV.
#pragma once

#include <QStringList>

class QTextStream;

class TReportCommands {
public:
    static void Register();
    static int Report(const QStringList& arguments, QTextStream& out, QTextStream& err);
    static int ListReports(QTextStream& out);
};
