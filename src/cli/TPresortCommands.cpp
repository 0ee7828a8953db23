#include "TPresortCommands.h"
#include "TCommandLine.h"
#include "TRecordSetOptions.h"

#include "data/TAddressTable.h"
#include "data/TCp1252.h"
#include "data/TCsv.h"
#include "output/TPrinterSelection.h"
#include "tools/TAdcTable.h"
#include "tools/TBulkMailPresort.h"
#include "tools/TZipReport.h"
#include "tools/TZipTally.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

int Presort(const QStringList& arguments, QTextStream& out)
{
    const QString command = QStringLiteral("presort");
    TRecordSetOptions options;
    QString listPath;
    for (int i = 0; i < arguments.size(); ++i) {
        if (options.Take(command, arguments, i))
            continue;
        if (arguments[i] != QLatin1String("--out"))
            throw TUsageError::UnknownOption(arguments[i]);
        if (++i >= arguments.size())
            throw TUsageError::NeedsValue(QStringLiteral("--out"));
        listPath = QFileInfo(arguments[i]).absoluteFilePath();
    }
    options.Check(command);
    // A damaged ADC table stops the run before the records are read.
    const TAdcTable adc = TAdcTable::Load();
    auto table = options.OpenForPrinting(out);
    if (listPath.isEmpty())
        listPath = TBulkMailPresort::ListPath();
    const auto summary = TBulkMailPresort::Run(*table, adc, listPath);
    for (const QString& line : TBulkMailPresort::SummaryLines(*summary))
        out << line << "\n";
    return 0;
}

void WriteCountCsv(const TZipTally& tally, QTextStream& out)
{
    out << TCsv::FormatRecord({QStringLiteral("zip"), QStringLiteral("count")});
    auto row = [&out](const QString& zip, uint64_t count) { out << TCsv::FormatRecord({zip, QString::number(count)}); };
    for (int digit = 0; digit <= 9; ++digit)
        for (const TZipTally::TEntry& entry : tally.DigitList(digit))
            row(TCp1252::Decode(entry.Zip), entry.Count);
    for (const TZipTally::TEntry& entry : tally.OtherList())
        row(TCp1252::Decode(entry.Zip), entry.Count);
    if (tally.BlankCount() > 0)
        row(QStringLiteral("BLANK"), tally.BlankCount());
}

int ZipCount(const QStringList& arguments, QTextStream& out)
{
    const QString command = QStringLiteral("zip-count");
    TRecordSetOptions options;
    bool csv = false;
    QString pdf, printer;
    for (int i = 0; i < arguments.size(); ++i) {
        if (options.Take(command, arguments, i))
            continue;
        const QString& argument = arguments[i];
        auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw TUsageError::NeedsValue(argument);
            return arguments[++i];
        };
        if (argument == QLatin1String("--csv"))
            csv = true;
        else if (argument == QLatin1String("--pdf"))
            pdf = QFileInfo(value()).absoluteFilePath();
        else if (argument == QLatin1String("--printer"))
            printer = value();
        else
            throw TUsageError::UnknownOption(argument);
    }
    options.Check(command);
    if (int(csv) + int(!pdf.isEmpty()) + int(!printer.isEmpty()) != 1)
        throw TUsageError("zip-count: give one of --csv, --pdf FILE or --printer NAME");

    auto table = options.OpenForPrinting(out);
    TZipTally tally(TZipTally::TRule::zrCount);
    tally.Read(*table);
    if (csv) {
        WriteCountCsv(tally, out);
        return 0;
    }
    TZipReport report(TZipReport::CountLines(tally));
    QString error;
    if (!report.PrintTo(pdf.isEmpty() ? printer : TPrinterSelection::PdfPrinterName(), pdf, &error))
        throw std::runtime_error(error.toStdString());
    out << "printed the count of " << tally.RecordsRead() << " records to " << (pdf.isEmpty() ? printer : pdf) << "\n";
    return 0;
}

} // namespace

void TPresortCommands::Register()
{
    TCommandLine::Register({QStringLiteral("presort"), {QStringLiteral("presort TABLE [record-set options] [--out FILE]")},
                            QStringLiteral("the bulk-mail presort list and a summary per level"),
                            QStringLiteral("The list goes to PRESORT.PSL in the program folder unless --out names a file."),
                            {TOptionGroup::ogRecordSet},
                            [](const QStringList& a, QTextStream& o, QTextStream& e) {
                                return RunCommand(QStringLiteral("presort"), o, e, [&] { return Presort(a, o); });
                            }});
    TCommandLine::Register({QStringLiteral("zip-count"),
                            {QStringLiteral("zip-count TABLE [record-set options] (--csv | --pdf FILE | --printer NAME)")},
                            QStringLiteral("the ZIP code count as CSV zip,count, or its report"), {},
                            {TOptionGroup::ogRecordSet},
                            [](const QStringList& a, QTextStream& o, QTextStream& e) {
                                return RunCommand(QStringLiteral("zip-count"), o, e, [&] { return ZipCount(a, o); });
                            }});
}
