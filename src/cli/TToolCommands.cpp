#include "TToolCommands.h"

#include "TCommandLine.h"
#include "prompts/TConsolePrompts.h"
#include "TRecordSetOptions.h"

#include "data/TAddressStandardizer.h"
#include "data/TAddressTable.h"
#include "data/TCountText.h"
#include "data/TCp1252.h"
#include "data/TCsv.h"
#include "data/TTagger.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"
#include "tools/TCaseConverter.h"
#include "tools/TCopyOutWriter.h"
#include "tools/TDupFinder.h"
#include "tools/TFieldReplacer.h"
#include "tools/TFieldRewrite.h"
#include "tools/TStandardizeRule.h"
#include "tools/TUndoFile.h"
#include "tools/TResultIndex.h"
#include "tools/TSimilarKey.h"
#include "tools/TStateZipChecker.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

// The record set of a tool command: the shared options plus --order.
struct TToolRecordSet {
    TRecordSetOptions Set;
    QString Order;

    bool Take(const QString& command, const QStringList& arguments, int& i)
    {
        if (arguments[i] != QLatin1String("--order"))
            return Set.Take(command, arguments, i);
        if (i + 1 >= arguments.size())
            throw TUsageError::NeedsValue(QStringLiteral("--order"));
        Order = arguments[++i];
        return true;
    }
    std::unique_ptr<TAddressTable> Open(const QString&, QTextStream& out, QString* filterText = nullptr) const
    {
        return Set.Open(out, Order, filterText);
    }
};

// The words of one tool command: TABLE, the record-set options and the tool's own options,
// which `own` takes (returning false for an argument it does not know).
template <typename TOwn>
QString Parse(const QString& command, const QStringList& arguments, TToolRecordSet& set, TOwn own)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw TUsageError::NeedsValue(argument);
            return arguments[++i];
        };
        if (set.Take(command, arguments, i) || own(argument, value))
            continue;
        throw TUsageError::UnknownOption(argument);
    }
    set.Set.Check(command);
    return set.Set.Table;
}

// Tags the records the table now visits with the current tag id (a new one when none is set).
void TagListed(TAddressTable& table)
{
    if (TAddressTable::GlobalTagId().isEmpty()) {
        TIniFile settings(TProgramFolder::SettingsFile());
        TTagger::ClearTags(settings);
    }
    TTagger::TagAll(table);
}

void PrintListed(TAddressTable& table, QTextStream& out)
{
    QStringList columns = AddressColumns({});
    columns.prepend(QStringLiteral("RECNO"));
    table.Table().goTop();
    WriteAddressRows(table, columns, out);
}

int Dupes(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    TToolRecordSet set;
    TDupOptions options;
    bool tag = false;
    const QString path = Parse(QStringLiteral("dupes"), arguments, set, [&](const QString& argument, auto value) {
        if (argument == QLatin1String("--kind")) {
            const QString kind = value();
            if (kind == QLatin1String("name"))
                options.Kind = TDupKind::dkLastFirst;
            else if (kind == QLatin1String("initial"))
                options.Kind = TDupKind::dkLastInitial;
            else if (kind == QLatin1String("street"))
                options.Kind = TDupKind::dkStreet;
            else if (kind == QLatin1String("similar"))
                options.Kind = TDupKind::dkSimilar;
            else
                throw TUsageError(("dupes: --kind is name, initial, street or similar, not " + kind).toStdString());
        } else if (argument == QLatin1String("--street-chars")) {
            bool ok = false;
            options.StreetChars = value().toInt(&ok);
            if (!ok || options.StreetChars < 1 || options.StreetChars > TDupFinder::MaxStreetChars)
                throw TUsageError("dupes: --street-chars takes 1 to 30");
        } else if (argument == QLatin1String("--tag")) {
            tag = true;
        } else {
            return false;
        }
        return true;
    });
    auto table = set.Open(path, err);
    TSimilarKey words;
    words.LoadWords(TProgramFolder::SysdataFolder() + QLatin1String(TSimilarKey::WordsFileName));
    words.SetStandardizer(TAddressStandardizer::Shared());
    TResultIndex result(*table, TDupFinder::ResultPath(), TDupFinder::KeyExpression(options.Kind));
    const uint32_t count = TDupFinder::Run(*table, result, options, {}, &words);
    result.Install();
    if (tag)
        TagListed(*table);
    PrintListed(*table, out);
    err << "Found " << count << " possible duplicates\n";
    return 0;
}

int ZipCheck(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    TToolRecordSet set;
    bool blanks = false;
    bool tag = false;
    const QString path = Parse(QStringLiteral("zipcheck"), arguments, set, [&](const QString& argument, auto) {
        if (argument == QLatin1String("--blanks"))
            blanks = true;
        else if (argument == QLatin1String("--tag"))
            tag = true;
        else
            return false;
        return true;
    });
    if (!QFileInfo::exists(TProgramFolder::SysdataFolder() + QStringLiteral("CSZ.DBF")))
        throw std::runtime_error("The file CSZ.DBF has been removed from the SYSDATA directory. Unable to continue.");
    auto table = set.Open(path, err);
    TStateZipChecker checker;
    if (!checker.LoadStates())
        return 2; // its message is on stderr
    TResultIndex result(*table, TStateZipChecker::ResultPath(*table), QLatin1String(TStateZipChecker::KeyExpression));
    const uint32_t count = checker.Run(*table, result, blanks);
    result.Install();
    if (tag)
        TagListed(*table);
    PrintListed(*table, out);
    err << "Found " << count << " records with questionable state or zipcodes\n";
    return 0;
}

// Puts back the values an undo file holds; the refusal (a value changed since, another table)
// is the command's error.
int RestoreUndo(TAddressTable& table, const QString& undoPath, QTextStream& out)
{
    TUndoFile undo;
    QString error;
    if (!undo.Load(undoPath, &error))
        throw std::runtime_error(error.toStdString());
    const TUndoFile::TRestore restore = undo.Restore(table);
    if (!restore.Done)
        throw std::runtime_error(restore.Message.toStdString());
    out << "Restored " << restore.Restored << " values\n";
    return 0;
}

// Finds the changes of `rule`, prints them as CSV when asked, writes them unless `dryRun`, and
// saves their undo file when `undoPath` is given.
struct TRewriteRun {
    TRewriteCounts Counts;
    uint32_t Written = 0;
};
TRewriteRun RunRewrite(TAddressTable& table, const QStringList& fields, const TFieldRewrite::TRule& rule, bool dryRun,
                       const QString& undoPath, const QString& undoKind, QTextStream* csv)
{
    TRewriteRun run;
    std::vector<TValueChange> changes;
    if (csv)
        *csv << TCsv::FormatRecord({QStringLiteral("RECNO"), QStringLiteral("FIELD"), QStringLiteral("BEFORE"), QStringLiteral("AFTER")});
    run.Counts = TFieldRewrite::Find(table, TCaseRecords::crMatchingFilter, fields, rule, [&](TValueChange&& change) {
        if (csv)
            *csv << TCsv::FormatRecord({QString::number(change.Recno), fields[change.Field], TCp1252::Decode(change.Before),
                                        TCp1252::Decode(change.After)});
        if (!dryRun)
            changes.push_back(std::move(change));
        return true;
    });
    if (dryRun)
        return run;
    TUndoFile undo(undoKind, QFileInfo(table.Path()).fileName());
    run.Written = TFieldRewrite::Write(table, fields, changes, nullptr, &undo);
    QString error;
    if (!undoPath.isEmpty() && !undo.Save(undoPath, &error))
        throw std::runtime_error(error.toStdString());
    return run;
}

int Case(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    TToolRecordSet set;
    std::optional<TCaseConversion> conversion;
    QStringList fields;
    QString undoFile, undo;
    const QString path = Parse(QStringLiteral("case"), arguments, set, [&](const QString& argument, auto value) {
        if (argument == QLatin1String("--to")) {
            const QString to = value();
            if (to == QLatin1String("upper"))
                conversion = TCaseConversion::ccUpper;
            else if (to == QLatin1String("lower"))
                conversion = TCaseConversion::ccLower;
            else if (to == QLatin1String("capitalized"))
                conversion = TCaseConversion::ccCapitalized;
            else if (to == QLatin1String("names"))
                conversion = TCaseConversion::ccNames;
            else
                throw TUsageError(("case: --to is upper, lower, capitalized or names, not " + to).toStdString());
        } else if (argument == QLatin1String("--fields")) {
            for (const QString& wanted : value().split(u',', Qt::SkipEmptyParts)) {
                QString name;
                for (const auto& field : TCaseConverter::Fields())
                    if (wanted.compare(QLatin1String(field.Name), Qt::CaseInsensitive) == 0 ||
                        wanted.compare(QLatin1String(field.Caption), Qt::CaseInsensitive) == 0)
                        name = QLatin1String(field.Name);
                if (name.isEmpty())
                    throw TUsageError(("case: " + wanted + " is not one of the fields case conversion works on").toStdString());
                fields << name;
            }
        } else if (argument == QLatin1String("--undo-file")) {
            undoFile = QFileInfo(value()).absoluteFilePath();
        } else if (argument == QLatin1String("--undo")) {
            undo = QFileInfo(value()).absoluteFilePath();
        } else {
            return false;
        }
        return true;
    });
    if (!undo.isEmpty()) {
        if (conversion || !undoFile.isEmpty())
            throw TUsageError("case: --undo FILE restores; give it without --to and --undo-file");
        auto table = set.Open(path, err);
        return RestoreUndo(*table, undo, out);
    }
    if (!conversion)
        throw TUsageError("case: give --to upper, lower, capitalized or names");
    if (fields.isEmpty())
        for (const auto& field : TCaseConverter::Fields())
            fields << QLatin1String(field.Name);
    QString filterText;
    auto table = set.Open(path, err, &filterText);
    if (undoFile.isEmpty()) {
        const auto result = TCaseConverter::Run(*table, filterText.isEmpty() ? TCaseRecords::crAll : TCaseRecords::crMatchingFilter,
                                                *conversion, fields);
        out << result.Changed << "\n";
        return 0;
    }
    const TCaseConversion to = *conversion;
    const TRewriteRun run = RunRewrite(*table, fields, [to](size_t, std::string_view value) { return TCaseConverter::ConvertBytes(value, to); },
                                       false, undoFile, QStringLiteral("case"), nullptr);
    out << run.Counts.Records << "\n";
    return 0;
}

int Standardize(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    TToolRecordSet set;
    QStringList fields = TStandardizeRule::DefaultFields();
    bool upper = false, dryRun = false;
    QString undoFile, undo;
    const QString path = Parse(QStringLiteral("standardize"), arguments, set, [&](const QString& argument, auto value) {
        if (argument == QLatin1String("--fields")) {
            QString error;
            fields = TStandardizeRule::FieldsNamed(value(), &error);
            if (fields.isEmpty())
                throw TUsageError(("standardize: " + (error.isEmpty() ? QStringLiteral("--fields names no field") : error)).toStdString());
        } else if (argument == QLatin1String("--upper")) {
            upper = true;
        } else if (argument == QLatin1String("--dry-run")) {
            dryRun = true;
        } else if (argument == QLatin1String("--undo-file")) {
            undoFile = QFileInfo(value()).absoluteFilePath();
        } else if (argument == QLatin1String("--undo")) {
            undo = QFileInfo(value()).absoluteFilePath();
        } else {
            return false;
        }
        return true;
    });
    if (!undo.isEmpty()) {
        if (dryRun || upper || !undoFile.isEmpty())
            throw TUsageError("standardize: --undo FILE restores; give it without --upper, --dry-run and --undo-file");
        auto table = set.Open(path, err);
        return RestoreUndo(*table, undo, out);
    }
    QString error;
    auto tables = TAddressStandardizer::LoadProgramTables(&error);
    if (!tables)
        throw std::runtime_error(error.toStdString());
    auto table = set.Open(path, err);
    if (undoFile.isEmpty())
        undoFile = TUndoFile::DefaultPath(TUndoFile::StandardizeFileName);
    const TRewriteRun run = RunRewrite(*table, fields, TStandardizeRule::Rule(tables, fields, upper), dryRun, undoFile,
                                       QStringLiteral("standardize"), &out);
    if (dryRun)
        out << "Would standardize " << TCountText::Of(run.Counts.Values, "value", "values") << " in "
            << TCountText::Records(run.Counts.Records) << "\n";
    else
        out << "Standardized " << TCountText::Of(run.Written, "value", "values") << " in "
            << TCountText::Records(run.Counts.Records) << "\n";
    return 0;
}

int Export(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    TToolRecordSet set;
    QString target;
    TCopyKind kind = TCopyKind::ckText;
    bool utf8 = false;
    bool force = false;
    const QString path = Parse(QStringLiteral("export"), arguments, set, [&](const QString& argument, auto value) {
        if (argument == QLatin1String("--csv") || argument == QLatin1String("--dbf")) {
            if (!target.isEmpty())
                throw TUsageError("export: give one of --csv FILE and --dbf FILE");
            kind = argument == QLatin1String("--csv") ? TCopyKind::ckText : TCopyKind::ckDbf;
            target = QFileInfo(value()).absoluteFilePath();
        } else if (argument == QLatin1String("--utf8-header")) {
            utf8 = true;
        } else if (argument == QLatin1String("--force")) {
            force = true;
        } else {
            return false;
        }
        return true;
    });
    if (target.isEmpty())
        throw TUsageError("export: give --csv FILE or --dbf FILE");
    if (utf8 && kind == TCopyKind::ckDbf)
        throw TUsageError("export: --utf8-header is for --csv");
    auto table = set.Open(path, err);
    if (table->Count() == 0)
        throw std::runtime_error("No active records for current filter. Nothing to copy");
    if (QFileInfo::exists(target) && !force && !TCopyOutWriter::IsOpenTable(target, table->Path()))
        throw std::runtime_error((target + " already exists (--force overwrites it)").toStdString());
    if (!TCopyOutWriter::AcceptTarget(kind, target, table->Path(), force))
        return 2; // the refusal is on stderr
    const uint32_t copied = kind == TCopyKind::ckDbf ? TCopyOutWriter::CopyToDbf(*table, target)
                                                     : TCopyOutWriter::CopyToText(*table, target, utf8);
    out << copied << "\n";
    return 0;
}

int Replace(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    TToolRecordSet set;
    TReplaceOptions options;
    bool field = false, find = false, with = false;
    const QString path = Parse(QStringLiteral("replace"), arguments, set, [&](const QString& argument, auto value) {
        if (argument == QLatin1String("--field")) {
            const QString named = value();
            options.Field = TFieldReplacer::FieldNamed(named);
            if (options.Field.isEmpty())
                throw TUsageError(("replace: " + named + " is not one of the fields search and replace offers").toStdString());
            field = true;
        } else if (argument == QLatin1String("--find")) {
            options.Search = value();
            find = true;
        } else if (argument == QLatin1String("--with")) {
            options.Replacement = value();
            with = true;
        } else if (argument == QLatin1String("--contains")) {
            options.Contains = true;
        } else if (argument == QLatin1String("--ignore-case")) {
            options.CaseSensitive = false;
        } else if (argument == QLatin1String("--matching-only")) {
            options.MatchingTextOnly = true;
        } else {
            return false;
        }
        return true;
    });
    if (!field || !find || !with)
        throw TUsageError("replace: give --field, --find and --with (see --help)");
    QString filterText;
    auto table = set.Open(path, err, &filterText);
    // Both texts are cut to the field's width, as the window's entries are.
    const int width = table->FieldWidth(options.Field);
    options.Search = options.Search.left(width);
    options.Replacement = options.Replacement.left(width);
    options.RecordCondition = filterText;
    uint32_t changed = 0;
    try {
        TFieldReplacer::Run(*table, options, {}, &changed);
    } catch (const std::exception& error) {
        throw std::runtime_error(TFieldReplacer::FailureMessage(QString::fromLocal8Bit(error.what()), changed).toStdString());
    }
    out << changed << "\n";
    return 0;
}

using THandlerBody = int (*)(const QStringList&, QTextStream&, QTextStream&);

void RegisterTool(const QString& command, const QStringList& usage, const QString& summary, THandlerBody body)
{
    TCommandLine::Register({command, usage, summary, {}, {TOptionGroup::ogRecordSet},
                            [body](const QStringList& arguments, QTextStream& out, QTextStream& err) {
                                TConsolePrompts prompts(err);
                                return body(arguments, out, err);
                            }});
}

} // namespace

void TToolCommands::Register()
{
    RegisterTool(QStringLiteral("dupes"),
                 {QStringLiteral("dupes TABLE [--kind name|initial|street|similar] [--street-chars N] [record-set options] [--tag]")},
                 QStringLiteral("possible duplicates as CSV with RECNO first, the count on stderr; --tag tags them"), Dupes);
    RegisterTool(QStringLiteral("zipcheck"), {QStringLiteral("zipcheck TABLE [--blanks] [record-set options] [--tag]")},
                 QStringLiteral("records whose state and ZIP disagree, as CSV with RECNO first; --tag tags them"), ZipCheck);
    RegisterTool(QStringLiteral("case"),
                 {QStringLiteral("case TABLE --to upper|lower|capitalized|names [--fields F1,...] [record-set options] "
                                 "[--undo-file FILE]"),
                  QStringLiteral("case TABLE --undo FILE")},
                 QStringLiteral("convert the case of fields (names: Mc, Mac, O', hyphens as people write them); prints "
                                "the number of records changed; --undo-file keeps what it changed, --undo puts it back"),
                 Case);
    RegisterTool(QStringLiteral("standardize"),
                 {QStringLiteral("standardize TABLE [record-set options] [--fields STREET,STREET2,STATE,ZIP] [--upper] "
                                 "[--dry-run] [--undo-file FILE]"),
                  QStringLiteral("standardize TABLE --undo FILE")},
                 QStringLiteral("addresses in the postal standard form; each change as CSV RECNO,FIELD,BEFORE,AFTER and "
                                "a count; --dry-run writes nothing, --undo puts an undo file's values back"),
                 Standardize);
    RegisterTool(QStringLiteral("export"),
                 {QStringLiteral("export TABLE (--csv FILE | --dbf FILE) [--utf8-header] [--force] [record-set options]")},
                 QStringLiteral("copy the records out; never over the open table, nor an existing file without --force"),
                 Export);
    RegisterTool(QStringLiteral("replace"),
                 {QStringLiteral("replace TABLE --field CAPTION_OR_NAME --find TEXT --with TEXT [--contains] [--ignore-case] "
                                 "[--matching-only] [record-set options]")},
                 QStringLiteral("search and replace in a field; prints the number of records changed"), Replace);
}
