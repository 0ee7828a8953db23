// The record-set options every command on an address table shares: --order TAG, --filter EXPR,
// --query CAPTION=VALUE (repeatable), --tagged, --reverse and --show-filter, and opening the
// table with its record set as the filter dialog would leave it. Also the CSV listing of
// address records that list and the tools print.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <stdexcept>

class QTextStream;
class TAddressTable;

// A mistake in the command's words (as opposed to a failure doing the work).
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TRecordSetOptions {
    QString Order;
    QString Filter;
    QStringList Queries;
    bool Tagged = false;
    bool Reverse = false;
    bool ShowFilter = false;

    // Takes arguments[i] when it is one of these options (with its value, moving i on).
    bool Take(const QString& command, const QStringList& arguments, int& i);
    // Whether the filter entries (or Tagged/Reverse) are used.
    bool HasQuery() const { return !Queries.isEmpty() || Tagged || Reverse; }
    // Refuses --filter mixed with --query/--tagged/--reverse.
    void Validate() const;

    // Opens the address table at `path` (relative to the current folder) with the tag id of the
    // settings, the order and the record set. A filter that is too complex or matches nothing is
    // dropped, with its message on stderr, and every live record is used. `filterText` (when
    // given) receives the filter in force.
    std::unique_ptr<TAddressTable> Open(const QString& path, QTextStream& out, QString* filterText = nullptr) const;
};

// The CSV columns for --fields (field names, captions or RECNO); all stored fields when empty.
QStringList AddressColumns(const QStringList& requested);
// Writes the header line and one line per record of the table from the current record on.
void WriteAddressRows(TAddressTable& table, const QStringList& columns, QTextStream& out);
