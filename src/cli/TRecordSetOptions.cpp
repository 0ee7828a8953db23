#include "TRecordSetOptions.h"

#include "prompts/TConsolePrompts.h"

#include "data/TAddressFilter.h"
#include "data/TAddressSchema.h"
#include "data/TCsv.h"
#include "data/TAddressTable.h"
#include "data/TFilterBuilder.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"

#include <QFileInfo>
#include <QTextStream>

bool TRecordSetOptions::Take(const QString& command, const QStringList& arguments, int& i)
{
    const QString& argument = arguments[i];
    auto value = [&]() -> QString {
        if (i + 1 >= arguments.size())
            throw TUsageError::NeedsValue(argument);
        return arguments[++i];
    };
    if (argument == QLatin1String("--filter"))
        Filter = value();
    else if (argument == QLatin1String("--query"))
        Queries << value();
    else if (argument == QLatin1String("--tagged"))
        Tagged = true;
    else if (argument == QLatin1String("--reverse"))
        Reverse = true;
    else if (argument == QLatin1String("--show-filter"))
        ShowFilter = true;
    else if (argument.startsWith(QLatin1String("--")))
        return false;
    else if (Table.isEmpty())
        Table = argument;
    else
        throw TUsageError(QStringLiteral("only one TABLE may be given"));
    return true;
}

void TRecordSetOptions::Check(const QString& command) const
{
    if (Table.isEmpty())
        throw TUsageError::NoTable();
    // A written condition and the filter entries are two ways of saying one filter; mixing them
    // would blur which one was dropped when it matches nothing.
    if (UsesEntries() && !Filter.isEmpty())
        throw TUsageError(QStringLiteral("give either --filter or --query/--tagged/--reverse, not both").toStdString());
}

// "Zip or Postal=6" and the like into the filter entries; a later value for an entry wins.
TQueryValues TRecordSetOptions::QueryValues() const
{
    TQueryValues values;
    for (const QString& query : Queries) {
        const qsizetype equals = query.indexOf(u'=');
        const int entry = equals < 0 ? -1 : TQueryValues::EntryIndex(query.left(equals).trimmed());
        if (entry < 0)
            throw TUsageError(("--query needs CAPTION=VALUE with one of the filter captions (see --help), not " + query).toStdString());
        values.Values[static_cast<size_t>(entry)] = query.mid(equals + 1);
    }
    values.Tagged = Tagged;
    values.Reverse = Reverse;
    return values;
}

std::unique_ptr<TAddressTable> TRecordSetOptions::Open(QTextStream& out, const QString& order, QString* filterText) const
{
    const TQueryValues values = QueryValues();
    TAddressTable::SetGlobalTagId(
        TIniFile(TProgramFolder::SettingsFile()).ReadString(QStringLiteral("Misc"), QStringLiteral("GlobalTagId"), QString()));
    QString error;
    auto table = TAddressTable::Open(QFileInfo(Table).absoluteFilePath(), &error);
    if (!table)
        throw std::runtime_error(error.toStdString());
    if (!order.isEmpty() && !table->SetOrderTag(order)) {
        if (!table->Area().indexProblem().empty())
            throw std::runtime_error(table->Area().indexProblem());
        throw std::runtime_error(("the table has no tag " + order).toStdString());
    }
    table->SetFilterText(Filter);
    QString inForce = Filter;
    if (values != TQueryValues()) {
        // A value no literal can hold stops the command (status 2) instead of being dropped.
        TFilterBuilder::BuildQueryString(values, TAddressTable::GlobalTagId());
        TAddressFilter filter;
        filter.Values = values;
        filter.ApplyQuery(*table);
        inForce = filter.FilterText();
    }
    if (ShowFilter)
        out << "filter: " << inForce << "\n";
    if (filterText)
        *filterText = inForce;
    return table;
}

std::unique_ptr<TAddressTable> TRecordSetOptions::OpenForPrinting(QTextStream& out, const QString& order,
                                                                  QString* filterText) const
{
    QString inForce;
    auto table = Open(out, order, &inForce);
    if (filterText)
        *filterText = inForce;
    if (Filtered() && (inForce.isEmpty() || table->Count() == 0)) {
        // The filter as asked, also when the dialog's rule dropped it.
        const QString asked = Filter.isEmpty() ? TFilterBuilder::BuildQueryString(QueryValues(), TAddressTable::GlobalTagId()) : Filter;
        throw std::runtime_error(("nothing to print: the filter " + asked + " matches no records").toStdString());
    }
    if (table->Count() == 0)
        throw std::runtime_error("nothing to print: the record set is empty");
    return table;
}

QStringList AddressColumns(const QStringList& requested)
{
    if (requested.isEmpty()) {
        QStringList all;
        for (const auto& field : TAddressSchema::StoredFields())
            all << QLatin1String(field.Name);
        return all;
    }
    QStringList columns;
    for (const QString& name : requested) {
        if (name.compare(QLatin1String("RECNO"), Qt::CaseInsensitive) == 0) {
            columns << QStringLiteral("RECNO");
            continue;
        }
        const TViewFieldDef* field = TAddressSchema::FindViewField(name);
        if (!field)
            throw std::runtime_error(("an address table has no field " + name).toStdString());
        columns << QLatin1String(field->Name);
    }
    return columns;
}

void WriteAddressRows(TAddressTable& table, const QStringList& columns, QTextStream& out)
{
    out << TCsv::FormatRecord(columns);
    xbase::DbfTable& records = table.Table();
    QStringList row;
    for (; !records.eof(); records.skip()) {
        row.clear();
        for (const QString& column : columns)
            row << (column == QLatin1String("RECNO") ? QString::number(records.recordNumber()) : table.Value(column));
        out << TCsv::FormatRecord(row);
    }
}

int RunCommand(const QString&, QTextStream&, QTextStream& err, const std::function<int()>& work)
{
    TConsolePrompts prompts(err);
    return work();
}
