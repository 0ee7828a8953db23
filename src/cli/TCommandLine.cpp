#include "TCommandLine.h"

#include "TBarcodeCommands.h"
#include "TDialCommands.h"
#include "TEnvelopeCommands.h"
#include "TImportCommands.h"
#include "TLabelCommands.h"
#include "TLayoutCommands.h"
#include "TLetterCommands.h"
#include "TPresortCommands.h"
#include "TReportCommands.h"
#include "TSpellCommands.h"
#include "TTableCommands.h"
#include "TToolCommands.h"

#include <QTextStream>

#include <exception>

namespace {

constexpr int kHelpWidth = 100;
const QString kIndent = QStringLiteral("  ");
const QString kContinuation = QStringLiteral("           ");

QString Prefix(const TCommandSpec& spec)
{
    return spec.UsesHome ? QStringLiteral("quorvane [--home DIR] ") : QStringLiteral("quorvane ");
}

// Breaks a usage line at blanks between options so that no line of the help runs past the width.
QStringList Wrapped(const QString& line)
{
    QStringList lines;
    QString current;
    for (const QString& word : line.split(u' ')) {
        if (!current.isEmpty() && current.size() + 1 + word.size() > kHelpWidth) {
            lines << current;
            current = kContinuation;
        } else if (!current.isEmpty() && current != kContinuation) {
            current += u' ';
        }
        current += word;
    }
    lines << current;
    return lines;
}

// Wraps prose at the help's width.
QString Paragraph(const QString& text)
{
    QStringList lines;
    QString current;
    for (const QString& word : text.simplified().split(u' ')) {
        if (!current.isEmpty() && current.size() + 1 + word.size() > kHelpWidth) {
            lines << current;
            current.clear();
        }
        if (!current.isEmpty())
            current += u' ';
        current += word;
    }
    lines << current;
    return lines.join(u'\n') + u'\n';
}

const QString kGeneralNotes = QStringLiteral(
    "The program folder holds QUORVA.ini, DATA/ and sysdata/. It is --home DIR, else $QUORVANE_HOME, else the "
    "executable's folder when it holds sysdata/ and is writable, else $XDG_DATA_HOME/quorvane "
    "(~/.local/share/quorvane). TABLE is a path relative to the current folder.");
const QString kExitNotes = QStringLiteral(
    "Exit status: 0 success, 1 check found faults, 2 error (message on stderr as \"quorvane: COMMAND: message\").");

// Takes a leading "WORD: " off a message that already names the command (older messages and
// the engine's own), so that the error line names it once.
QString WithoutCommandName(QString message, const TCommandSpec& spec)
{
    for (const QString& name : {spec.Words, spec.SubWord(), spec.Word()}) {
        if (!name.isEmpty() && message.startsWith(name + QStringLiteral(": ")))
            return message.mid(name.size() + 2);
    }
    return message;
}

int RunRow(const TCommandSpec& spec, const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    try {
        return spec.Handler(arguments, out, err);
    } catch (const std::exception& error) {
        out.flush();
        err << "quorvane: " << spec.Words << ": " << WithoutCommandName(QString::fromLocal8Bit(error.what()), spec)
            << "\n";
        return 2;
    }
}

} // namespace

std::vector<TCommandSpec>& TCommandLine::Table()
{
    static std::vector<TCommandSpec> table;
    return table;
}

const std::vector<TCommandSpec>& TCommandLine::Commands() { return Table(); }

void TCommandLine::Register(TCommandSpec spec) { Table().push_back(std::move(spec)); }

void TCommandLine::RegisterStandardCommands()
{
    if (!Table().empty())
        return;
    TTableCommands::Register();
    TImportCommands::Register();
    TToolCommands::Register();
    TPresortCommands::Register();
    TLabelCommands::Register();
    TEnvelopeCommands::Register();
    TReportCommands::Register();
    TLetterCommands::Register();
    TSpellCommands::Register();
    TLayoutCommands::Register();
    TBarcodeCommands::Register();
    TDialCommands::Register();
}

TCommandLineOptions TCommandLine::Parse(const QStringList& arguments)
{
    TCommandLineOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!options.Command.isEmpty()) {
            options.Arguments << argument;
        } else if (argument == QLatin1String("--home")) {
            if (i + 1 >= arguments.size()) {
                options.Error = QStringLiteral("--home needs a folder");
                return options;
            }
            options.Home = arguments[++i];
        } else if (argument.startsWith(QLatin1String("--home="))) {
            options.Home = argument.mid(7);
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.Help = true;
        } else if (argument == QLatin1String("--version")) {
            options.Version = true;
        } else if (argument.startsWith(u'-')) {
            options.Error = QStringLiteral("unknown option %1 (see --help)").arg(argument);
            return options;
        } else {
            options.Command = argument;
        }
    }
    return options;
}

QString TCommandLine::VersionText() { return QStringLiteral("Quorvane " QUORVANE_VERSION); }

QStringList TCommandLine::UsageLines()
{
    RegisterStandardCommands();
    QStringList lines{QStringLiteral("quorvane [--home DIR]")};
    for (const TCommandSpec& spec : Table())
        for (const QString& usage : spec.Usage)
            lines << Prefix(spec) + usage;
    lines << QStringLiteral("quorvane --help | --version");
    return lines;
}

QString TCommandLine::GroupHelp(TOptionGroup group)
{
    switch (group) {
    case TOptionGroup::ogRecordSet:
        return QStringLiteral(
            "Record-set options: [--order TAG] [--filter EXPR] [--query CAPTION=VALUE]... [--tagged] [--reverse] "
            "[--show-filter]. --query CAPTION=VALUE fills one entry of the filter dialog (Last, First, Title, Org, "
            "Address 1, Address 2, Zip or Postal, City, State or Prov, Country, Phone 1, Phone 2, Fax, E-mail, "
            "Date, Codes, Comment 1, Comment 2; any case) with the dialog's grammar: smi begins with, $smi "
            "contains, >=6 compares, a;b either, a+b both, a^b a but not b. --tagged keeps the tagged records, "
            "--reverse the others. --filter EXPR is a condition of its own and does not combine with --query, "
            "--tagged or --reverse. --show-filter prints \"filter: \" and the condition in force first. Without "
            "them the address record set is used: records carrying neither the delete flag nor ISDEL.");
    case TOptionGroup::ogPrint:
        return QStringLiteral(
            "Print options: [--choice all|filter|current|from-current] [--recno N] (--pdf FILE | --printer NAME) "
            "[--preview-png DIR]. --choice picks the records as the print windows do (\"from-current\" starts at "
            "--recno); --pdf writes a PDF, --printer prints on a system printer, --preview-png also writes the "
            "pages as DIR/page-0001.png, ...");
    }
    return {};
}

QString TCommandLine::HelpText()
{
    RegisterStandardCommands();
    QString text = QStringLiteral("Usage:\n");
    for (const QString& line : UsageLines())
        for (const QString& part : Wrapped(line))
            text += kIndent + part + u'\n';
    text += QStringLiteral("\nCommands:\n");
    for (const TCommandSpec& spec : Table())
        if (!spec.Summary.isEmpty())
            text += kIndent + spec.Words.leftJustified(18) + u' ' + spec.Summary + u'\n';
    text += u'\n' + Paragraph(GroupHelp(TOptionGroup::ogRecordSet));
    text += u'\n' + Paragraph(GroupHelp(TOptionGroup::ogPrint));
    for (const TCommandSpec& spec : Table())
        if (!spec.Notes.isEmpty())
            text += u'\n' + Paragraph(spec.Words + QStringLiteral(": ") + spec.Notes);
    text += u'\n' + Paragraph(kGeneralNotes);
    text += u'\n' + Paragraph(kExitNotes);
    return text;
}

QString TCommandLine::CommandHelp(const QString& words)
{
    RegisterStandardCommands();
    QString usage;
    QString notes;
    std::vector<TOptionGroup> groups;
    for (const TCommandSpec& spec : Table()) {
        if (spec.Words != words && spec.Word() != words)
            continue;
        for (const QString& line : spec.Usage)
            for (const QString& part : Wrapped(Prefix(spec) + line))
                usage += kIndent + part + u'\n';
        if (!spec.Summary.isEmpty() || !spec.Notes.isEmpty())
            notes += u'\n' + Paragraph(spec.Words + QStringLiteral(": ") + spec.Summary +
                                       (spec.Notes.isEmpty() ? QString() : QStringLiteral(". ") + spec.Notes));
        for (TOptionGroup group : spec.Groups)
            if (std::find(groups.begin(), groups.end(), group) == groups.end())
                groups.push_back(group);
    }
    if (usage.isEmpty())
        return {};
    QString text = QStringLiteral("Usage:\n") + usage + notes;
    for (TOptionGroup group : groups)
        text += u'\n' + Paragraph(GroupHelp(group));
    return text;
}

int TCommandLine::Run(const TCommandLineOptions& options, QTextStream& out, QTextStream& err)
{
    RegisterStandardCommands();
    const QString& word = options.Command;
    std::vector<const TCommandSpec*> rows;
    for (const TCommandSpec& spec : Table())
        if (spec.Word() == word)
            rows.push_back(&spec);
    if (rows.empty()) {
        err << "quorvane: unknown command " << word << " (see --help)\n";
        return 2;
    }
    const QStringList& arguments = options.Arguments;
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        out << CommandHelp(word);
        return 0;
    }
    if (rows.size() == 1 && rows.front()->SubWord().isEmpty())
        return RunRow(*rows.front(), arguments, out, err);
    // A command of several sub-words: the row of the sub-word given.
    QStringList subWords;
    for (const TCommandSpec* row : rows) {
        if (row->SubWord() == arguments.value(0))
            return RunRow(*row, arguments, out, err);
        if (!subWords.contains(row->SubWord()))
            subWords << row->SubWord();
    }
    err << "quorvane: " << word << ": give " << subWords.join(QStringLiteral(", ")) << " (see --help)\n";
    for (const TCommandSpec* row : rows)
        for (const QString& line : row->Usage)
            err << "usage: " << Prefix(*row) << line << "\n";
    return 2;
}
