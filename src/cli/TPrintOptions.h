// The options every print command of the command line shares: which records (--choice
// all|filter|current|from-current, --recno N) and where the pages go (--pdf FILE or --printer
// NAME, and --preview-png DIR). "from-current" starts at --recno within the set that "filter"
// (with a filter) or "all" gives, as the print dialogs' "Start from current record" does.
#pragma once

#include "data/TRecordChoice.h"

#include <QString>
#include <QStringList>

class TAddressTable;
class TPrinterSelection;

struct TPrintOptions {
    QString Choice = QStringLiteral("filter");
    long RecordNumber = 0;
    QString Pdf;
    QString Printer;
    QString PreviewFolder;

    // Takes arguments[i] (and its value, moving i on) when it is one of these options.
    bool Take(const QStringList& arguments, int& i);
    // After the arguments: exactly one of --pdf and --printer.
    void Check(const QString& command) const;
    // The record choice and whether it starts from the current record; "filter" without a
    // filter is "all", as the dialogs force it.
    TRecordChoice::TRecords Records(bool filtered, bool* startFromCurrent) const;
    // Goes to --recno (checked against the table), else to the first record. With --choice
    // current the record must belong to the record set (std::runtime_error otherwise).
    void Position(TAddressTable& table) const;
    // The PDF printer writing to --pdf, or the printer named by --printer.
    void SelectPrinter(TPrinterSelection& printers) const;
};
