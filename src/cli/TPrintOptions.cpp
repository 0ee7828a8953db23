#include "TPrintOptions.h"

#include "data/TAddressTable.h"
#include "output/TPrinterSelection.h"
#include "xbase/DbfTable.h"

#include <QFileInfo>

#include <stdexcept>

namespace {
std::runtime_error Error(const QString& text) { return std::runtime_error(text.toStdString()); }
} // namespace

bool TPrintOptions::Take(const QStringList& arguments, int& i)
{
    const QString& argument = arguments[i];
    if (!QStringList{"--choice", "--recno", "--pdf", "--printer", "--preview-png"}.contains(argument))
        return false;
    if (i + 1 >= arguments.size())
        throw Error(argument + QStringLiteral(" needs a value"));
    const QString value = arguments[++i];
    if (argument == QLatin1String("--choice")) {
        Choice = value;
        if (!QStringList{"all", "filter", "current", "from-current"}.contains(Choice))
            throw Error(QStringLiteral("--choice is all, filter, current or from-current"));
    } else if (argument == QLatin1String("--recno")) {
        bool ok = false;
        RecordNumber = value.toLong(&ok);
        if (!ok || RecordNumber < 1)
            throw Error(QStringLiteral("--recno needs a record number from 1 on"));
    } else if (argument == QLatin1String("--pdf")) {
        Pdf = value;
    } else if (argument == QLatin1String("--printer")) {
        Printer = value;
    } else {
        PreviewFolder = value;
    }
    return true;
}

void TPrintOptions::Check(const QString& command) const
{
    if (Pdf.isEmpty() == Printer.isEmpty())
        throw Error(command + QStringLiteral(" needs either --pdf FILE or --printer NAME"));
}

TRecordChoice::TRecords TPrintOptions::Records(bool filtered, bool* startFromCurrent) const
{
    using TRecords = TRecordChoice::TRecords;
    *startFromCurrent = Choice == QLatin1String("from-current");
    if (Choice == QLatin1String("all"))
        return TRecords::All;
    if (Choice == QLatin1String("current"))
        return TRecords::OnlyCurrent;
    // Without a filter the dialogs disable "Records matching filter" and choose "All records",
    // which for reports also leaves out the records whose prefix reads "DELETED".
    return filtered ? TRecords::MatchingFilter : TRecords::All;
}

void TPrintOptions::Position(TAddressTable& table) const
{
    xbase::DbfTable& rows = table.Table();
    if (RecordNumber <= 0) {
        rows.goTop();
        return;
    }
    if (static_cast<uint32_t>(RecordNumber) > rows.recordCount())
        throw Error(QStringLiteral("the table has no record %1").arg(RecordNumber));
    rows.go(static_cast<uint32_t>(RecordNumber));
    // The window's current record is always one of its record set; a number that names a
    // deleted or filtered-out record prints nothing rather than a record the user left out.
    if (Choice == QLatin1String("current") && !TRecordChoice::InRecordSet(table))
        throw Error(QStringLiteral("nothing to print: record %1 is not in the record set (deleted or filtered out)")
                        .arg(RecordNumber));
}

void TPrintOptions::SelectPrinter(TPrinterSelection& printers) const
{
    if (!Pdf.isEmpty()) {
        TPrinterSelection::SetPdfPrinterOffered(true);
        printers.SelectPrinter(TPrinterSelection::PdfPrinterName());
        printers.SetPdfFileName(QFileInfo(Pdf).absoluteFilePath());
    } else if (!printers.SelectPrinter(Printer)) {
        throw Error(QStringLiteral("there is no printer named \"%1\" (known: %2)").arg(Printer, printers.Printers().join(", ")));
    }
}
