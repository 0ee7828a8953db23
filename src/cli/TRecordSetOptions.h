// The options every command over an address table shares: the TABLE and the record set it works
// on (--filter EXPR, or --query CAPTION=VALUE..., --tagged, --reverse, and --show-filter), read
// and applied the way the filter dialog applies them. Also the one runner that turns a
// command's exceptions into "quorvane: COMMAND: message" on stderr with exit status 2.
#pragma once

#include "data/TQueryValues.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>

class QTextStream;
class TAddressTable;

// A command line that cannot be understood (exit status 2, like every error).
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    explicit TUsageError(const QString& message) : std::runtime_error(message.toStdString()) {}

    // The words every command uses for a command line it cannot read (the command table puts
    // "quorvane: COMMAND: " before them).
    static TUsageError NeedsValue(const QString& option) { return TUsageError(option + QStringLiteral(" needs a value")); }
    static TUsageError UnknownOption(const QString& option)
    {
        return TUsageError(QStringLiteral("unknown option ") + option + QStringLiteral(" (see --help)"));
    }
    static TUsageError NoTable() { return TUsageError(QStringLiteral("name a TABLE (see --help)")); }
};

struct TRecordSetOptions {
    QString Table;
    QString Filter;
    QStringList Queries;
    bool Tagged = false;
    bool Reverse = false;
    bool ShowFilter = false;

    // Takes arguments[i] (and its value, moving i on) when it is TABLE or a record-set option;
    // false for anything else, which the command reads itself.
    bool Take(const QString& command, const QStringList& arguments, int& i);
    // After the arguments: a TABLE was named and --filter is not mixed with the entries.
    void Check(const QString& command) const;
    bool UsesEntries() const { return !Queries.isEmpty() || Tagged || Reverse; }
    // The filter dialog's entries named by --query, --tagged and --reverse.
    TQueryValues QueryValues() const;

    // Opens TABLE (relative to the current folder) in `order` (a tag name; empty: record order)
    // with its record set as the filter dialog would leave it: a filter that is too complex or
    // matches nothing is dropped (the message on stderr) and every live record is in the set.
    // With --show-filter, "filter: <condition>" goes to `out` first.
    // `filterText` (when given) receives the filter in force.
    std::unique_ptr<TAddressTable> Open(QTextStream& out, const QString& order = QString(), QString* filterText = nullptr) const;
    // Open() for the print commands: nothing to print is an error, never a silent success. A
    // filter that matches no record (or is too complex) is refused, naming the filter, instead of
    // being dropped to print every record; an empty record set is refused too.
    std::unique_ptr<TAddressTable> OpenForPrinting(QTextStream& out, const QString& order = QString(),
                                                   QString* filterText = nullptr) const;
    // Whether a filter was asked for (--filter, --query, --tagged or --reverse).
    bool Filtered() const { return !Filter.isEmpty() || UsesEntries(); }
};

// The CSV columns for --fields (field names, captions or RECNO); all stored fields when empty.
QStringList AddressColumns(const QStringList& requested);
// Writes the header line and one line per record of the table from the current record on.
void WriteAddressRows(TAddressTable& table, const QStringList& columns, QTextStream& out);

// Runs `work` with the console prompt service; an exception goes on to the command table, which
// turns it into the error line and status 2.
int RunCommand(const QString& command, QTextStream& out, QTextStream& err, const std::function<int()>& work);
