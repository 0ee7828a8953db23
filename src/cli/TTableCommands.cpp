#include "TTableCommands.h"
#include "TCommandLine.h"

#include "data/TCp1252.h"
#include "data/TCsv.h"
#include "data/TTableText.h"
#include "xbase/WorkArea.h"
#include "xbase/XbaseError.h"

#include <QTextStream>

#include <stdexcept>

namespace {

struct TTableOptions {
    QString Table;
    QString Order;
    QString Filter;
    QStringList Queries;
    QStringList Fields;
    bool Tagged = false;
    bool Reverse = false;
    bool Raw = false;
    bool All = false;
    bool ShowFilter = false;
};

class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

TTableOptions ParseOptions(const QString& command, const QStringList& arguments)
{
    TTableOptions options;
    auto value = [&](int& i) -> QString {
        if (i + 1 >= arguments.size())
            throw TUsageError((command + ": " + arguments[i] + " needs a value").toStdString());
        return arguments[++i];
    };
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--order"))
            options.Order = value(i);
        else if (argument == QLatin1String("--filter"))
            options.Filter = value(i);
        else if (argument == QLatin1String("--query"))
            options.Queries << value(i);
        else if (argument == QLatin1String("--fields"))
            options.Fields = value(i).split(u',', Qt::SkipEmptyParts);
        else if (argument == QLatin1String("--tagged"))
            options.Tagged = true;
        else if (argument == QLatin1String("--reverse"))
            options.Reverse = true;
        else if (argument == QLatin1String("--raw"))
            options.Raw = true;
        else if (argument == QLatin1String("--all"))
            options.All = true;
        else if (argument == QLatin1String("--show-filter"))
            options.ShowFilter = true;
        else if (argument.startsWith(QLatin1String("--")))
            throw TUsageError((command + ": unknown option " + argument + " (see --help)").toStdString());
        else if (options.Table.isEmpty())
            options.Table = argument;
        else
            throw TUsageError((command + ": only one TABLE may be given").toStdString());
    }
    if (options.Table.isEmpty())
        throw TUsageError((command + ": name a TABLE (see --help)").toStdString());
    if (!options.Queries.isEmpty() || options.Tagged || options.Reverse || options.ShowFilter)
        throw TUsageError((command + ": --query, --tagged, --reverse and --show-filter are not available yet").toStdString());
    return options;
}

std::unique_ptr<xbase::WorkArea> OpenRaw(const TTableOptions& options)
{
    xbase::WorkAreaOptions open;
    open.readOnly = true;
    open.hideFlagged = !options.All;
    auto area = xbase::WorkArea::open(xbase::FileSystem::native(), options.Table.toStdString(), open);
    if (!options.Order.isEmpty()) {
        if (!area->indexProblem().empty())
            throw std::runtime_error(area->indexProblem());
        const size_t tag = area->tagNumber(options.Order.toStdString());
        if (tag == 0)
            throw std::runtime_error(("the table has no tag " + options.Order).toStdString());
        area->setOrder(tag);
    }
    if (!options.Filter.isEmpty())
        area->setCondition(TCp1252::Encode(options.Filter));
    return area;
}

// What one CSV column shows of the current record.
struct TColumn {
    QString Name;
    int Field = -1; // -1: RECNO, -2: DELETED
};

std::vector<TColumn> RawColumns(const xbase::DbfTable& table, const QStringList& requested)
{
    std::vector<TColumn> columns;
    if (requested.isEmpty()) {
        for (int i = 0; i < table.fieldCount(); ++i)
            if (table.field(i).type != '0') // the hidden null-flags field of the wider dialect
                columns.push_back({QString::fromLatin1(table.field(i).name.c_str()), i});
        return columns;
    }
    for (const QString& name : requested) {
        if (name.compare(QLatin1String("RECNO"), Qt::CaseInsensitive) == 0)
            columns.push_back({QStringLiteral("RECNO"), -1});
        else if (name.compare(QLatin1String("DELETED"), Qt::CaseInsensitive) == 0)
            columns.push_back({QStringLiteral("DELETED"), -2});
        else if (const int index = table.fieldIndex(name.toStdString()); index >= 0)
            columns.push_back({QString::fromLatin1(table.field(index).name.c_str()), index});
        else
            throw std::runtime_error(("the table has no field " + name).toStdString());
    }
    return columns;
}

int ListRaw(const TTableOptions& options, QTextStream& out)
{
    auto area = OpenRaw(options);
    xbase::DbfTable& table = area->table();
    const TTableText text(table.codePage());
    const std::vector<TColumn> columns = RawColumns(table, options.Fields);
    QStringList row;
    for (const auto& column : columns)
        row << column.Name;
    out << TCsv::FormatRecord(row);
    for (table.goTop(); !table.eof(); table.skip()) {
        row.clear();
        for (const auto& column : columns) {
            if (column.Field == -1)
                row << QString::number(table.recordNumber());
            else if (column.Field == -2)
                row << (table.isFlaggedDeleted() ? QStringLiteral("T") : QStringLiteral("F"));
            else
                row << text.Decode(table.textView(column.Field));
        }
        out << TCsv::FormatRecord(row);
    }
    return 0;
}

int CountRaw(const TTableOptions& options, QTextStream& out)
{
    auto area = OpenRaw(options);
    out << area->count() << "\n";
    return 0;
}

// Reads every record and memo and verifies the index; the first faults are reported.
int CheckRaw(const TTableOptions& options, QTextStream& out)
{
    constexpr int maxFaults = 20;
    xbase::WorkAreaOptions open;
    open.readOnly = true;
    auto area = xbase::WorkArea::open(xbase::FileSystem::native(), options.Table.toStdString(), open);
    xbase::DbfTable& table = area->table();
    QStringList faults;
    for (uint32_t recno = 1; recno <= table.recordCount() && faults.size() < maxFaults; ++recno) {
        try {
            table.go(recno);
            for (int i = 0; i < table.fieldCount(); ++i)
                (void)table.textView(i);
        } catch (const xbase::XbaseError& error) {
            faults << QStringLiteral("record %1: %2").arg(recno).arg(QString::fromLocal8Bit(error.what()));
        }
    }
    if (area->index() || !area->indexProblem().empty())
        for (const std::string& fault : area->checkIndex(maxFaults))
            faults << QString::fromLocal8Bit(fault.c_str());
    if (faults.isEmpty()) {
        out << "sound: " << table.recordCount() << " records";
        if (area->index())
            out << ", " << area->index()->tagCount() << " tags";
        out << "\n";
        return 0;
    }
    for (const QString& fault : faults)
        out << fault << "\n";
    return 1;
}

int Run(const QString& command, const QStringList& arguments, QTextStream& out, QTextStream& err,
        int (*raw)(const TTableOptions&, QTextStream&))
{
    try {
        const TTableOptions options = ParseOptions(command, arguments);
        if (!options.Raw) {
            err << "quorvane: " << command << ": the address record set is not available yet; use --raw\n";
            return 2;
        }
        return raw(options, out);
    } catch (const std::exception& error) {
        out.flush();
        err << "quorvane: " << command << ": " << QString::fromLocal8Bit(error.what()) << "\n";
        return 2;
    }
}

} // namespace

void TTableCommands::Register()
{
    TCommandLine::Register(QStringLiteral("list"), [](const QStringList& a, QTextStream& o, QTextStream& e) {
        return Run(QStringLiteral("list"), a, o, e, ListRaw);
    });
    TCommandLine::Register(QStringLiteral("count"), [](const QStringList& a, QTextStream& o, QTextStream& e) {
        return Run(QStringLiteral("count"), a, o, e, CountRaw);
    });
    TCommandLine::Register(QStringLiteral("check"), [](const QStringList& a, QTextStream& o, QTextStream& e) {
        return Run(QStringLiteral("check"), a, o, e, CheckRaw);
    });
}
