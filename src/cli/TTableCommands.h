// The table commands of the command line: list, count and check. With --raw they work on any
// .DBF as the engine sees it; without it, on the address record set.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTextStream;
class TAddressTable;

// The record-set options the print commands share with list and count.
struct TRecordSetOptions {
    QString Order;       // --order TAG
    QString Filter;      // --filter EXPR
    QStringList Queries; // --query CAPTION=VALUE
    bool Tagged = false; // --tagged
    bool Reverse = false; // --reverse
};

class TTableCommands {
public:
    static void Register();
    // Takes the record-set option at arguments[i] with its value (i moves past it); false when
    // the argument is none of them. Throws std::runtime_error for a missing value.
    static bool TakeRecordSetOption(const QStringList& arguments, int& i, TRecordSetOptions& options);
    // Opens TABLE with that record set, as `list` and `count` do (a filter that matches nothing
    // is dropped, its message on stderr). Throws std::runtime_error.
    static std::unique_ptr<TAddressTable> OpenRecordSet(const QString& table, const TRecordSetOptions& options,
                                                        QTextStream& out);
};
