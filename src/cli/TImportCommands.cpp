#include "TImportCommands.h"
#include "TCommandLine.h"

#include "prompts/TConsolePrompts.h"

#include "data/TAddressTable.h"
#include "import/TAddressImporter.h"
#include "import/TDbfImportSource.h"
#include "import/TReleaseImportSource.h"
#include "import/TTextImportFile.h"
#include "import/TTextImportSource.h"

#include <QFileInfo>
#include <QTextStream>

#include <optional>
#include <stdexcept>

namespace {

struct TImportOptions {
    QString Table;
    QString File;
    std::optional<TImportKind> Kind;
    QStringList Maps;
    bool AutoMap = false;
    QString Encoding = QStringLiteral("auto");
    QString Delimiter = QStringLiteral("auto");
    std::optional<bool> Header;
};

[[noreturn]] void Fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

TImportOptions ParseOptions(const QStringList& arguments)
{
    TImportOptions options;
    auto value = [&](int& i) -> QString {
        if (i + 1 >= arguments.size())
            Fail(arguments[i] + QStringLiteral(" needs a value"));
        return arguments[++i];
    };
    auto setKind = [&](TImportKind kind) {
        if (options.Kind && *options.Kind != kind)
            Fail(QStringLiteral("give one of --csv, --dbf and --release"));
        options.Kind = kind;
    };
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--csv")) {
            setKind(TImportKind::ikText);
        } else if (argument == QLatin1String("--dbf")) {
            setKind(TImportKind::ikDbf);
        } else if (argument == QLatin1String("--release")) {
            const QString release = value(i);
            if (release != QLatin1String("1") && release != QLatin1String("2"))
                Fail(QStringLiteral("--release takes 1 or 2"));
            setKind(release == QLatin1String("1") ? TImportKind::ikRelease1 : TImportKind::ikRelease2);
        } else if (argument == QLatin1String("--map")) {
            options.Maps << value(i);
        } else if (argument == QLatin1String("--auto-map")) {
            options.AutoMap = true;
        } else if (argument == QLatin1String("--encoding")) {
            options.Encoding = value(i).toLower();
            if (!QStringList{"utf-8", "utf-16", "cp1252", "auto"}.contains(options.Encoding))
                Fail(QStringLiteral("--encoding takes utf-8, utf-16, cp1252 or auto"));
        } else if (argument == QLatin1String("--delimiter")) {
            options.Delimiter = value(i).toLower();
            if (!QStringList{",", ";", "tab", "auto"}.contains(options.Delimiter))
                Fail(QStringLiteral("--delimiter takes , ; tab or auto"));
        } else if (argument == QLatin1String("--header") || argument == QLatin1String("--no-header")) {
            options.Header = argument == QLatin1String("--header");
        } else if (argument.startsWith(QLatin1String("--"))) {
            Fail(QStringLiteral("unknown option ") + argument + QStringLiteral(" (see --help)"));
        } else if (options.Table.isEmpty()) {
            options.Table = argument;
        } else if (options.File.isEmpty()) {
            options.File = argument;
        } else {
            Fail(QStringLiteral("give one TABLE and one FILE (see --help)"));
        }
    }
    if (options.File.isEmpty())
        Fail(QStringLiteral("give TABLE and FILE (see --help)"));
    if (!options.Kind)
        options.Kind = QFileInfo(options.File).suffix().compare(QLatin1String("DBF"), Qt::CaseInsensitive) == 0
                           ? TImportKind::ikDbf
                           : TImportKind::ikText;
    const bool text = *options.Kind == TImportKind::ikText;
    const bool textOptions = options.Encoding != QLatin1String("auto") || options.Delimiter != QLatin1String("auto") ||
                             options.Header.has_value();
    if (!text && textOptions)
        Fail(QStringLiteral("--encoding, --delimiter and --header are for text files"));
    const bool release = *options.Kind == TImportKind::ikRelease1 || *options.Kind == TImportKind::ikRelease2;
    if (release && (options.AutoMap || !options.Maps.isEmpty()))
        Fail(QStringLiteral("a table of an earlier release is imported field by field: no --map or --auto-map"));
    return options;
}

// "--map SOURCE=FIELD" entries on top of the match; a source moves to the last row named.
void ApplyMaps(TImportMatch& match, const QStringList& maps)
{
    for (const QString& map : maps) {
        const qsizetype equals = map.lastIndexOf(u'=');
        const int source = equals < 0 ? -1 : match.SourceIndex(map.left(equals).trimmed());
        const int row = equals < 0 ? -1 : match.RowOfField(map.mid(equals + 1).trimmed());
        if (equals < 0)
            Fail(QStringLiteral("--map needs SOURCE=FIELD, not ") + map);
        if (source < 0)
            Fail(QStringLiteral("the file has no column or field ") + map.left(equals).trimmed());
        if (row < 0)
            Fail(QStringLiteral("no address field an import can fill is called ") + map.mid(equals + 1).trimmed());
        if (!match.Fits(row, source))
            Fail(map.left(equals).trimmed() + QStringLiteral(" cannot fill ") + match.Targets()[static_cast<size_t>(row)].Caption);
        match.Assign(row, source);
    }
    if (match.AssignedCount() == 0)
        Fail(QStringLiteral("no column is matched to an address field: give --map SOURCE=FIELD or --auto-map"));
}

TDelimitedTextFormat TextFormat(const TImportOptions& options, const TTextImportFile& file)
{
    TDelimitedTextFormat format = file.Format();
    if (options.Encoding == QLatin1String("utf-8"))
        format.Encoding = TTextEncoding::teUtf8;
    else if (options.Encoding == QLatin1String("cp1252"))
        format.Encoding = TTextEncoding::teCp1252;
    else if (options.Encoding == QLatin1String("utf-16") && format.Encoding != TTextEncoding::teUtf16BE)
        format.Encoding = TTextEncoding::teUtf16LE; // without a byte-order mark: little-endian
    if (options.Delimiter == QLatin1String("tab"))
        format.Delimiter = u'\t';
    else if (options.Delimiter != QLatin1String("auto"))
        format.Delimiter = options.Delimiter.front();
    if (options.Header)
        format.HeaderLine = *options.Header;
    return format;
}

std::unique_ptr<TImportSource> TextSource(const TImportOptions& options, QTextStream& out)
{
    TTextImportFile file;
    if (!file.Load(options.File))
        Fail(file.ErrorText());
    file.SetFormat(TextFormat(options, file));
    // The decisions the window shows in its preview, so a script's log says how it was read.
    out << "encoding: " << TDelimitedTextFormat::EncodingName(file.Format().Encoding) << "\n"
        << "delimiter: " << TDelimitedTextFormat::DelimiterName(file.Format().Delimiter) << "\n"
        << "header: " << (file.Format().HeaderLine ? "yes" : "no") << "\n";
    if (!file.Accepted())
        Fail(QStringLiteral("Unable to import from this file"));
    TImportMatch match = file.NewMatch(); // matched automatically when the first line holds names
    if (options.AutoMap)
        match.AutoMatch();
    else if (!options.Maps.isEmpty())
        match.ClearAll(); // the columns given and no others
    ApplyMaps(match, options.Maps);
    return std::make_unique<TTextImportSource>(options.File, file.Format(), match);
}

std::unique_ptr<TImportSource> DbfSource(const TImportOptions& options, const QString& tablePath)
{
    QString message;
    auto table = TDbfImportSource::OpenSourceTable(options.File, tablePath, message);
    if (!table)
        Fail(message);
    if (*options.Kind != TImportKind::ikDbf) {
        const int release = *options.Kind == TImportKind::ikRelease1 ? 1 : 2;
        if (!TReleaseImportSource::MissingFields(*table, release).isEmpty())
            Fail(TReleaseImportSource::NotReleaseMessage(options.File, release));
        return std::make_unique<TReleaseImportSource>(std::move(table), release);
    }
    TImportMatch match(TImportMatch::DbfTargets(), TDbfImportSource::SourceColumns(*table));
    if (options.AutoMap || options.Maps.isEmpty())
        match.AutoMatch();
    ApplyMaps(match, options.Maps);
    return std::make_unique<TDbfImportSource>(std::move(table), match);
}

int Import(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const TImportOptions options = ParseOptions(arguments);
    const QString tablePath = QFileInfo(options.Table).absoluteFilePath();
    if (QFileInfo(options.File).exists() && QFileInfo(options.File).canonicalFilePath() == QFileInfo(tablePath).canonicalFilePath())
        Fail(QStringLiteral("Cannot import a file to itself"));
    // The source is opened and checked before the table is touched: one that cannot be read
    // leaves the table as it was.
    std::unique_ptr<TImportSource> source =
        *options.Kind == TImportKind::ikText ? TextSource(options, out) : DbfSource(options, tablePath);
    QString error;
    auto table = TAddressTable::Open(tablePath, &error);
    if (!table)
        Fail(error);
    TImportHooks hooks;
    hooks.Message = [](const QString&) {}; // the result is printed below
    const TImportResult result = TAddressImporter::Run(*table, *source, hooks);
    table->Close();
    // The messages as the window shows them: on stdout after a complete or cancelled run, on
    // stderr after an error; a line each.
    const bool failed = result.End == TImportEnd::ieReadError || result.End == TImportEnd::ieWriteError;
    for (const QString& message : result.Messages) {
        const QStringList lines = message.split(u'\n');
        for (const QString& line : lines) {
            if (failed)
                err << "quorvane: import: " << line << "\n";
            else
                out << line << "\n";
        }
    }
    if (!result.TagsBuilt)
        err << "quorvane: import: the tags could not be built: rebuild them with reindex\n";
    return failed || !result.TagsBuilt ? 2 : 0;
}

} // namespace

void TImportCommands::Register()
{
    TCommandLine::Register(
        {QStringLiteral("import"),
         {QStringLiteral("import TABLE FILE [--csv | --dbf | --release 1|2] [--map SOURCE=FIELD]... [--auto-map] "
                         "[--encoding utf-8|utf-16|cp1252|auto] [--delimiter ,|;|tab|auto] [--header | --no-header]")},
         QStringLiteral("append a delimited text file or a DBF table to TABLE"),
         QStringLiteral("A .DBF is read as a DBF table, anything else as delimited text (or as --csv, --dbf, "
                        "--release 1|2 say). --map SOURCE=FIELD fills an address field (caption or field name) from "
                        "a column (\"Field 3\", a name on the first line, a DBF field name); without --map, DBF "
                        "fields and named columns are matched by name (--auto-map does that alongside --map). Text "
                        "is read in the encoding and with the delimiter detected unless given. Prints the end "
                        "message, then \"values cut: N\" when values were longer than their fields."),
         {},
         [](const QStringList& arguments, QTextStream& out, QTextStream& err) {
             TConsolePrompts prompts(err);
             return Import(arguments, out, err);
         }});
}
