#include "TReportCommands.h"

#include "TCommandLine.h"
#include "TPrintOptions.h"
#include "TRecordSetOptions.h"

#include "data/TAddressTable.h"
#include "data/TCsv.h"
#include "layout/TLStreamError.h"
#include "output/TPageStream.h"
#include "output/TReportFiler.h"
#include "output/TReportPrinter.h"
#include "reports/TReportRun.h"
#include "reports/TReportSetups.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

struct TReportOptions {
    TRecordSetOptions RecordSet;
    int BuiltIn = 0;
    QString Setup;
    QString SetupFile;
    QString Title;
    bool Memo = false, Codes = false, OnePerPage = false;
    QString Order;
    TPrintOptions Print;
};

TReportOptions Parse(const QStringList& arguments)
{
    TReportOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw TUsageError::NeedsValue(argument);
            return arguments[++i];
        };
        if (argument == QLatin1String("--order")) {
            options.Order = value();
            continue;
        }
        if (options.RecordSet.Take(QStringLiteral("report"), arguments, i) || options.Print.Take(arguments, i))
            continue;
        if (argument == QLatin1String("--builtin")) {
            bool ok = false;
            options.BuiltIn = value().toInt(&ok);
            if (!ok || options.BuiltIn < 1 || options.BuiltIn > TBuiltInReportPrint::ReportCount)
                throw TUsageError("--builtin needs a report number from 1 to 4");
        } else if (argument == QLatin1String("--setup")) {
            options.Setup = value();
        } else if (argument == QLatin1String("--setup-file")) {
            options.SetupFile = value();
        } else if (argument == QLatin1String("--title")) {
            options.Title = value();
        } else if (argument == QLatin1String("--memo")) {
            options.Memo = true;
        } else if (argument == QLatin1String("--codes")) {
            options.Codes = true;
        } else if (argument == QLatin1String("--one-per-page")) {
            options.OnePerPage = true;
        } else {
            throw TUsageError(QStringLiteral("unexpected %1 (see --help)").arg(argument).toStdString());
        }
    }
    if (options.RecordSet.Table.isEmpty())
        throw TUsageError::NoTable();
    options.RecordSet.Check(QStringLiteral("report"));
    const int kinds = (options.BuiltIn > 0) + !options.Setup.isEmpty() + !options.SetupFile.isEmpty();
    if (kinds != 1)
        throw TUsageError("report needs one of --builtin N, --setup DESC or --setup-file FILE");
    const bool builtIn = options.BuiltIn > 0;
    if (builtIn && !options.Order.isEmpty())
        throw TUsageError("a built-in report prints in its own order: --order goes with user-defined reports only");
    if (builtIn && options.OnePerPage)
        throw TUsageError("--one-per-page goes with user-defined reports only");
    if (!builtIn && (options.Memo || options.Codes || !options.Title.isEmpty()))
        throw TUsageError("--title, --memo and --codes go with built-in reports only");
    options.Print.Check(QStringLiteral("report"));
    if (options.Print.Choice == QLatin1String("current") || options.Print.Choice == QLatin1String("from-current"))
        if (options.Print.RecordNumber == 0)
            throw TUsageError("--choice " + options.Print.Choice.toStdString() + " needs --recno N");
    return options;
}

QString LayoutFile(const TReportOptions& options)
{
    if (!options.SetupFile.isEmpty())
        return QFileInfo(options.SetupFile).absoluteFilePath();
    auto setups = TReportSetups::Open();
    if (!setups)
        throw std::runtime_error("Unable to Open or Create REPORT.DBF");
    const std::optional<TReportEntry> setup = setups->Find(options.Setup);
    if (!setup)
        throw std::runtime_error("there is no report \"" + options.Setup.toStdString() + "\" (see setups reports)");
    return TReportSetups::LayoutPath(*setup);
}

TReportRequest Request(const TReportOptions& options, bool filtered)
{
    TReportRequest request;
    request.BuiltIn = options.BuiltIn;
    request.BuiltInOptions.Title = options.Title.isEmpty() ? QStringLiteral("Report %1").arg(options.BuiltIn) : options.Title;
    request.BuiltInOptions.PrintMemo = options.Memo;
    request.BuiltInOptions.PrintCodes = options.Codes;
    request.OneRecordPerPage = options.OnePerPage;
    request.Records = options.Print.Records(filtered, &request.StartFromCurrent);
    return request;
}

void SelectPrinter(const TReportOptions& options, TBaseReport& job)
{
    if (!options.Print.Pdf.isEmpty()) {
        TPrinterSelection::SetPdfPrinterOffered(true);
        job.SelectPrinter(TPrinterSelection::PdfPrinterName());
        job.Printers().SetPdfFileName(QFileInfo(options.Print.Pdf).absoluteFilePath());
    } else if (!job.SelectPrinter(options.Print.Printer)) {
        throw std::runtime_error(QStringLiteral("there is no printer named \"%1\" (known: %2)")
                                     .arg(options.Print.Printer, job.PrinterNames().join(", "))
                                     .toStdString());
    }
}

int RunReport(const QStringList& arguments, QTextStream& out)
{
    const TReportOptions options = Parse(arguments);
    const bool builtIn = options.BuiltIn > 0;
    const QString layoutFile = builtIn ? QString() : LayoutFile(options);
    auto table = options.RecordSet.OpenForPrinting(
        out, builtIn ? QString() : (options.Order.isEmpty() ? QStringLiteral("LNAME") : options.Order));
    const bool filterAsked = options.RecordSet.Filtered();
    options.Print.Position(*table);
    // The window shows the derived fields while it is open, so report fields can use them.
    table->SetExtraFields(true);

    TReportRequest request = Request(options, filterAsked);
    request.LayoutFile = layoutFile;
    TReportRun run(*table, request);
    TReportPrinter job;
    SelectPrinter(options, job);
    run.Configure(job);
    if (!run.Execute(job)) {
        if (!options.Print.Pdf.isEmpty())
            QFile::remove(QFileInfo(options.Print.Pdf).absoluteFilePath());
        throw std::runtime_error(job.ErrorText().isEmpty() ? "the report was not printed" : job.ErrorText().toStdString());
    }
    const int pages = job.CurrentPage();
    if (!options.Print.PreviewFolder.isEmpty()) {
        TPageStream stream;
        TReportFiler preview(stream);
        run.Configure(preview);
        run.Execute(preview);
        TReportRun::WritePagePictures(stream, options.Print.PreviewFolder);
    }
    out << "Report Print Completed! " << run.RecordsPrinted() << " records, " << pages << " pages";
    if (!options.Print.Pdf.isEmpty())
        out << " in " << options.Print.Pdf;
    out << "\n";
    return 0;
}

} // namespace

int TReportCommands::ListReports(QTextStream& out)
{
    auto setups = TReportSetups::Open();
    if (!setups)
        return 2;
    out << TCsv::FormatRecord({"DESCRIPT", "LAYOUT", "BINARY"});
    for (const TReportEntry& report : setups->Reports())
        out << TCsv::FormatRecord({report.Description, report.Layout, report.LayoutFile});
    return 0;
}

int TReportCommands::Report(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    return RunCommand(QStringLiteral("report"), out, err, [&] { return RunReport(arguments, out); });
}

void TReportCommands::Register()
{
    TCommandLine::Register({QStringLiteral("setups reports"), {QStringLiteral("setups reports")},
                            QStringLiteral("the user-defined reports as CSV (DESCRIPT, LAYOUT, BINARY)"), {}, {},
                            [](const QStringList& arguments, QTextStream& out, QTextStream& err) {
                                if (arguments.size() != 1)
                                    throw std::invalid_argument("takes no options (see --help)");
                                return RunCommand(QStringLiteral("setups reports"), out, err,
                                                  [&] { return ListReports(out); });
                            }});
    TCommandLine::Register(
        {QStringLiteral("report"),
         {QStringLiteral("report TABLE (--builtin N | --setup DESC | --setup-file FILE) [--title TEXT] [--memo] "
                         "[--codes] [--one-per-page] [record-set options] [print options]")},
         QStringLiteral("print a built-in or user-defined report"),
         QStringLiteral("Built-in report N (1-4, in its own order; --title, default \"Report N\", --memo, --codes) or "
                        "a user-defined report by its description or layout file (--one-per-page; order --order, "
                        "default LNAME). A filter that matches nothing prints nothing (status 2)."),
         {TOptionGroup::ogRecordSet, TOptionGroup::ogPrint},
         &TReportCommands::Report});
}
