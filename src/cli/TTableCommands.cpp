#include "TTableCommands.h"
#include "TCommandLine.h"

#include "TRecordSetOptions.h"

#include "data/TAddressFiles.h"
#include "data/TAddressSchema.h"
#include "data/TAddressTable.h"
#include "data/TCp1252.h"
#include "data/TPrintableText.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"
#include "data/TCsv.h"
#include "data/TRecordChoice.h"
#include "data/TTableText.h"
#include "output/TAddressRecordPrintout.h"
#include "output/TSingleRecordPrint.h"
#include "xbase/WorkArea.h"
#include "xbase/XbaseError.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <stdexcept>

namespace {

struct TTableOptions : TRecordSetOptions {
    QString Order;
    QStringList Fields;
    bool Raw = false;
    bool All = false;
};

TTableOptions ParseOptions(const QString& command, const QStringList& arguments)
{
    TTableOptions options;
    auto value = [&](int& i) -> QString {
        if (i + 1 >= arguments.size())
            throw TUsageError::NeedsValue(arguments[i]);
        return arguments[++i];
    };
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (options.Take(command, arguments, i))
            continue;
        if (argument == QLatin1String("--order"))
            options.Order = value(i);
        else if (argument == QLatin1String("--fields"))
            options.Fields = value(i).split(u',', Qt::SkipEmptyParts);
        else if (argument == QLatin1String("--raw"))
            options.Raw = true;
        else if (argument == QLatin1String("--all"))
            options.All = true;
        else
            throw TUsageError::UnknownOption(argument);
    }
    options.Check(command);
    if (options.Raw && (options.UsesEntries() || options.ShowFilter))
        throw TUsageError(QStringLiteral("--query, --tagged, --reverse and --show-filter work on address tables, not with --raw").toStdString());
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

// Reads every record's fields and memos: a memo pointer past the memo file, a block header or
// a length that leaves the file is a fault, as it would be when the record is listed.
void CheckRecords(xbase::DbfTable& table, QStringList& faults, int maxFaults)
{
    std::vector<int> memos;
    for (int i = 0; i < table.fieldCount(); ++i)
        if (table.field(i).type == 'M')
            memos.push_back(i);
    const uint32_t recno = table.eof() ? 0 : table.recordNumber();
    for (uint32_t r = 1; r <= table.recordCount() && faults.size() < maxFaults; ++r) {
        try {
            table.go(r);
            for (int i = 0; i < table.fieldCount(); ++i)
                (void)table.textView(i);
            for (const int memo : memos)
                (void)table.memoText(memo);
        } catch (const xbase::XbaseError& error) {
            faults << QStringLiteral("record %1: %2").arg(r).arg(TPrintableText::Escaped(std::string_view(error.what())));
        }
    }
    if (recno > 0 && recno <= table.recordCount())
        table.go(recno);
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
    CheckRecords(table, faults, maxFaults);
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


// --- the address record set: records carrying neither the delete flag nor ISDEL

int ListAddress(const TTableOptions& options, QTextStream& out)
{
    auto table = options.Open(out, options.Order);
    table->SetExtraFields(true);
    table->Table().goTop();
    WriteAddressRows(*table, AddressColumns(options.Fields), out);
    return 0;
}

int CountAddress(const TTableOptions& options, QTextStream& out)
{
    auto table = options.Open(out, options.Order);
    out << table->Count() << "\n";
    return 0;
}

int CheckAddress(const TTableOptions& options, QTextStream& out)
{
    QString error;
    auto table = TAddressTable::Open(QFileInfo(options.Table).absoluteFilePath(), &error);
    if (!table) {
        out << error << "\n";
        return 1;
    }
    QStringList faults;
    CheckRecords(table->Table(), faults, 20);
    if (!table->Area().indexProblem().empty())
        faults << QString::fromLocal8Bit(table->Area().indexProblem().c_str());
    for (const auto& tag : TAddressSchema::Tags())
        if (table->Area().index() && table->Area().tagNumber(tag.Name) == 0)
            faults << QStringLiteral("tag %1 is missing").arg(QLatin1String(tag.Name));
    if (faults.isEmpty())
        for (const std::string& fault : table->Area().checkIndex())
            faults << QString::fromLocal8Bit(fault.c_str());
    if (faults.isEmpty()) {
        out << "sound: " << table->Table().recordCount() << " records, 26 tags\n";
        return 0;
    }
    for (const QString& fault : faults)
        out << fault << "\n";
    return 1;
}

int CreateAddress(const QStringList& arguments, QTextStream& out)
{
    if (arguments.size() != 1 || arguments[0].startsWith(QLatin1String("--")))
        throw TUsageError(QStringLiteral("name one TABLE (see --help)"));
    QString path = QFileInfo(arguments[0]).absoluteFilePath();
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".DBF");
    if (QFileInfo::exists(path))
        throw std::runtime_error((path + " already exists").toStdString());
    if (!TAddressFiles::CreateAddressFile(path, TFieldLengths::Read(TIniFile(TProgramFolder::SettingsFile()))))
        return 2;
    out << "created " << path << "\n";
    return 0;
}

// Prints a step's progress on one line, a mark every tenth.
class TProgressLine {
public:
    TProgressLine(QTextStream& err, const QString& title) : Err(err) { Err << title << ": " << Qt::flush; }
    ~TProgressLine() { Err << " done\n" << Qt::flush; }
    void operator()(int percent)
    {
        while (Shown + 10 <= percent) {
            Shown += 10;
            Err << Shown << "% " << Qt::flush;
        }
    }

private:
    QTextStream& Err;
    int Shown = 0;
};

int ReindexAddress(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.size() != 1 || arguments[0].startsWith(QLatin1String("--")))
        throw TUsageError(QStringLiteral("name one TABLE (see --help)"));
    QString error;
    auto table = TAddressTable::Open(QFileInfo(arguments[0]).absoluteFilePath(), &error);
    if (!table)
        throw std::runtime_error(error.toStdString());
    const uint32_t before = table->Table().recordCount();
    int tag = 0;
    bool built = false;
    {
        auto pack = std::make_unique<TProgressLine>(err, QStringLiteral("Cleaning out old deleted records"));
        std::unique_ptr<TProgressLine> tags;
        int lastPercent = 100;
        built = TAddressFiles::RebuildAddressTable(
            table->Area(), [&](int percent) { (*pack)(percent); },
            [&](int percent) {
                if (!tags) {
                    pack.reset();
                    tags = std::make_unique<TProgressLine>(err, QStringLiteral("Rebuilding indexes"));
                }
                if (percent < lastPercent)
                    ++tag; // a new tag starts
                lastPercent = percent;
                (*tags)(((tag - 1) * 100 + percent) / TAddressSchema::TagCount);
            });
    }
    if (!built)
        return 2;
    out << "reindexed " << table->Path() << ": " << before - table->Table().recordCount() << " deleted records removed, "
        << table->Table().recordCount() << " records, 26 tags\n";
    return 0;
}

int Run(const QString& command, const QStringList& arguments, QTextStream& out, QTextStream& err,
        int (*raw)(const TTableOptions&, QTextStream&), int (*address)(const TTableOptions&, QTextStream&))
{
    return RunCommand(command, out, err, [&] {
        const TTableOptions options = ParseOptions(command, arguments);
        return options.Raw ? raw(options, out) : address(options, out);
    });
}

int PrintRecord(const QStringList& arguments, QTextStream& out)
{
    QString table, pdf;
    QStringList fields;
    long recno = 0;
    for (int i = 0; i < arguments.size(); ++i) {
        auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw TUsageError::NeedsValue(arguments[i]);
            return arguments[++i];
        };
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--recno")) {
            bool ok = false;
            recno = value().toLong(&ok);
            if (!ok || recno < 1)
                throw TUsageError("print-record: --recno needs a record number from 1 on");
        } else if (argument == QLatin1String("--fields")) {
            fields = value().split(u',', Qt::SkipEmptyParts);
        } else if (argument == QLatin1String("--pdf")) {
            pdf = value();
        } else if (argument.startsWith(QLatin1String("--")) || !table.isEmpty()) {
            throw TUsageError(("print-record: unexpected " + argument + " (see --help)").toStdString());
        } else {
            table = argument;
        }
    }
    if (table.isEmpty() || recno == 0 || pdf.isEmpty())
        throw TUsageError(QStringLiteral("give TABLE, --recno N and --pdf FILE (see --help)"));
    const QStringList labels = TAddressRecordPrintout::LabelsFor(fields);
    QString error;
    auto address = TAddressTable::Open(QFileInfo(table).absoluteFilePath(), &error);
    if (!address)
        throw std::runtime_error(error.toStdString());
    if (static_cast<uint32_t>(recno) > address->Table().recordCount())
        throw std::runtime_error(("the table has no record " + QString::number(recno)).toStdString());
    address->SetFilterText(QString()); // the record set: every live record
    address->Table().go(static_cast<uint32_t>(recno));
    if (!TRecordChoice::InRecordSet(*address))
        throw std::runtime_error(("nothing to print: record " + QString::number(recno) + " is deleted").toStdString());
    if (!PrintRecordToPdf(TAddressRecordPrintout::FromTable(*address), labels, QFileInfo(pdf).absoluteFilePath(), &error))
        throw std::runtime_error(error.toStdString());
    out << "printed record " << recno << " to " << pdf << "\n";
    return 0;
}

} // namespace

void TTableCommands::Register()
{
    TCommandLine::Register({QStringLiteral("create"), {QStringLiteral("create TABLE")},
                            QStringLiteral("new empty address table with its 26 tags"), {}, {},
                            [](const QStringList& a, QTextStream& o, QTextStream& e) {
                                return RunCommand(QStringLiteral("create"), o, e, [&] { return CreateAddress(a, o); });
                            }});
    TCommandLine::Register({QStringLiteral("reindex"), {QStringLiteral("reindex TABLE")},
                            QStringLiteral("remove deleted records for good, rebuild the 26 tags"), {}, {},
                            [](const QStringList& a, QTextStream& o, QTextStream& e) {
                                return RunCommand(QStringLiteral("reindex"), o, e, [&] { return ReindexAddress(a, o, e); });
                            }});
    TCommandLine::Register({QStringLiteral("check"), {QStringLiteral("check TABLE [--raw]")},
                            QStringLiteral("verify table, memo file and index; exit 1 on any fault"), {}, {},
                            [](const QStringList& a, QTextStream& o, QTextStream& e) {
                                return Run(QStringLiteral("check"), a, o, e, CheckRaw, CheckAddress);
                            }});
    TCommandLine::Register(
        {QStringLiteral("list"),
         {QStringLiteral("list TABLE [record-set options] [--fields F1,F2,...] [--raw] [--all]")},
         QStringLiteral("the records as CSV on stdout"),
         QStringLiteral("CSV is RFC 4180, UTF-8, a header line of field names; fields with a comma, quote or line "
                        "break are quoted, quotes doubled. --raw works on any DBF: every record without the "
                        "delete flag (with --all, every record), any field, plus RECNO and DELETED."),
         {TOptionGroup::ogRecordSet},
         [](const QStringList& a, QTextStream& o, QTextStream& e) {
             return Run(QStringLiteral("list"), a, o, e, ListRaw, ListAddress);
         }});
    TCommandLine::Register({QStringLiteral("count"), {QStringLiteral("count TABLE [record-set options] [--raw]")},
                            QStringLiteral("the number of records, alone on the last line"), {},
                            {TOptionGroup::ogRecordSet},
                            [](const QStringList& a, QTextStream& o, QTextStream& e) {
                                return Run(QStringLiteral("count"), a, o, e, CountRaw, CountAddress);
                            }});
    TCommandLine::Register({QStringLiteral("print-record"),
                            {QStringLiteral("print-record TABLE --recno N [--fields F1,...] --pdf FILE")},
                            QStringLiteral("the one-record printout of record N to a PDF"), {}, {},
                            [](const QStringList& a, QTextStream& o, QTextStream& e) {
                                return RunCommand(QStringLiteral("print-record"), o, e, [&] { return PrintRecord(a, o); });
                            }});
}
