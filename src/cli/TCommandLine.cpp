#include "TCommandLine.h"
#include "TBarcodeCommands.h"
#include "TDialCommands.h"
#include "TImportCommands.h"
#include "TLayoutCommands.h"
#include "TPresortCommands.h"
#include "TLetterCommands.h"
#include "TSpellCommands.h"
#include "TLabelCommands.h"
#include "TEnvelopeCommands.h"
#include "TTableCommands.h"
#include "TReportCommands.h"
#include "TToolCommands.h"

#include <QTextStream>

namespace {
const QStringList knownCommands = {"create", "reindex", "check", "list", "count", "print-record", "import"};
}

std::map<QString, TCommandLine::THandler>& TCommandLine::Handlers()
{
    static std::map<QString, THandler> handlers;
    return handlers;
}

void TCommandLine::RegisterStandardCommands()
{
    TTableCommands::Register();
    TBarcodeCommands::Register();
    TDialCommands::Register();
    TImportCommands::Register();
    TLayoutCommands::Register();
    TPresortCommands::Register();
    TLetterCommands::Register();
    TSpellCommands::Register();
    TLabelCommands::Register();
    TEnvelopeCommands::Register(); // after the labels: it adds "setups envelopes"
    TToolCommands::Register();
    TReportCommands::Register();
}

void TCommandLine::Register(const QString& command, THandler handler) { Handlers()[command] = std::move(handler); }

TCommandLine::THandler TCommandLine::Handler(const QString& command)
{
    const auto found = Handlers().find(command);
    return found == Handlers().end() ? THandler() : found->second;
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

QString TCommandLine::HelpText()
{
    return QStringLiteral(
        "Usage:\n"
        "  quorvane [--home DIR]                      start the program\n"
        "  quorvane [--home DIR] create TABLE         new empty address table with its 26 tags\n"
        "  quorvane [--home DIR] reindex TABLE        remove deleted records for good, rebuild the 26 tags\n"
        "  quorvane [--home DIR] check TABLE          verify table, memo file and index; exit 1 on any fault\n"
        "  quorvane [--home DIR] list TABLE [--order TAG] [--filter EXPR] [--query CAPTION=VALUE]...\n"
        "                                             [--tagged] [--reverse] [--show-filter] [--fields F1,F2,...]\n"
        "                                             [--raw] [--all]\n"
        "  quorvane [--home DIR] count TABLE [--filter EXPR] [--query CAPTION=VALUE]... [--tagged]\n"
        "                                             [--reverse] [--show-filter] [--raw]\n"
        "  quorvane [--home DIR] print-record TABLE --recno N [--fields F1,...] --pdf FILE\n"
        "  quorvane barcode postnet ZIP [--street TEXT] [--type 5|9|11]\n"
        "  quorvane barcode fim A|B|C\n"
        "  quorvane barcode imb TRACKING [ROUTING]\n"
        "  quorvane barcode imb -                     lines TRACKING [ROUTING] from stdin\n"
        "  quorvane [--home DIR] dial NUMBER [--prefix TEXT] [--port DEVICE|COM1..COM4] [--init TEXT] [--pulse]\n"
        "                                             [--hold SECONDS] [--dry-run]\n"
        "  quorvane dial --list-ports                 the serial ports a modem may sit on\n"
        "  quorvane [--home DIR] import TABLE FILE [--csv | --dbf | --release 1|2] [--map SOURCE=FIELD]...\n"
        "                                             [--auto-map] [--encoding utf-8|utf-16|cp1252|auto]\n"
        "                                             [--delimiter ,|;|tab|auto] [--header | --no-header]\n"
        "  quorvane [--home DIR] layout show FILE     what a layout file (.L, .E, .R, Clipbrd.tmp) holds\n"
        "  quorvane [--home DIR] layout render FILE [--table TABLE --recno N] [--size WxH] (--pdf OUT | --preview-png DIR)\n"
        "                                             one page of the layout (for record N), size in inches\n"
        "  quorvane [--home DIR] layout edit FILE [--kind label|envelope|report] [--table TABLE] [--size WxH]\n"
        "                                             the layout workbench: the designer on FILE, with Save\n"
        "  quorvane [--home DIR] presort TABLE [record-set options] [--out FILE]\n"
        "                                             bulk-mail presort list (default PRESORT.PSL in the\n"
        "                                             program folder) and a summary per level\n"
        "  quorvane [--home DIR] zip-count TABLE [record-set options] (--csv | --pdf FILE | --printer NAME)\n"
        "                                             ZIP code count as CSV zip,count, or its report\n"
        "  quorvane [--home DIR] letters list                  the stored letters, one description a line\n"
        "  quorvane [--home DIR] letters import NAME FILE.rtf  store an RTF file as letter NAME (new or replaced)\n"
        "  quorvane [--home DIR] letters export NAME FILE.rtf  write letter NAME's RTF as stored\n"
        "  quorvane [--home DIR] letters merge TABLE (--letter NAME | --letter-file FILE.rtf)\n"
        "             [--order TAG] [--filter EXPR] [--query CAPTION=VALUE]... [--tagged] [--reverse]\n"
        "             [--choice all|filter|current|from-current] [--recno N] [--copies N] [--date YYYYMMDD]\n"
        "             (--pdf FILE | --printer NAME) [--preview-png DIR]\n"
        "  quorvane [--home DIR] spell [--suggest] [--max N] [--no-hunspell] WORD...\n"
        "                                             one line per word: word, tab, OK or UNKNOWN, and\n"
        "                                             with --suggest the suggestions, tab-separated\n"
        "  quorvane [--home DIR] spell --add WORD...  add the words to the user dictionary quorvau.dct\n"
        "  quorvane [--home DIR] stocks [--search TEXT] [--european]\n"
        "  quorvane [--home DIR] labels TABLE (--setup DESC | --setup-file FILE.L --template TEMPLATE)\n"
        "                [record-set options] [--presort] [--skip N | --mask POSITIONS] [--per-record N]\n"
        "                [--calibration PRINTER] (--pdf FILE | --printer NAME) [--preview-png DIR] [--pages A-B]\n"
        "  quorvane [--home DIR] setups labels\n"
        "  quorvane [--home DIR] setups labels add DESC (--template TEMPLATE |\n"
        "             --stock W,H,ACROSS,DOWN,TOP,LEFT,HPITCH,VPITCH,PAPER) [--layout FILE]\n"
        "  quorvane [--home DIR] setups envelopes\n"
        "  quorvane [--home DIR] envelopes TABLE (--setup DESC | --setup-file FILE [--size CODE|LxW])\n"
        "             [--feed ORIENTATION,FACING,POSITION[,clockwise]] [--paper CODE|WxH]\n"
        "             [--orientation portrait|landscape] [record-set options]\n"
        "             [--choice all|filter|current|from-current] [--recno N]\n"
        "             (--pdf FILE | --printer NAME) [--preview-png DIR]\n"
        "  quorvane [--home DIR] report TABLE (--builtin N | --setup DESC | --setup-file FILE) [--title TEXT]\n"
        "             [--memo] [--codes] [--one-per-page] [--order TAG] [record-set options]\n"
        "             [--choice all|filter|current|from-current] [--recno N] (--pdf FILE | --printer NAME)\n"
        "             [--preview-png DIR]\n"
        "  quorvane [--home DIR] setups reports\n"
        "  quorvane [--home DIR] dupes TABLE [--kind name|initial|street|similar] [--street-chars N]\n"
        "                                             [record-set options] [--tag]\n"
        "  quorvane [--home DIR] zipcheck TABLE [--blanks] [record-set options] [--tag]\n"
        "  quorvane [--home DIR] case TABLE --to upper|lower|capitalized|names [--fields F1,...] [record-set options]\n"
        "                                             [--undo-file FILE]\n"
        "  quorvane [--home DIR] case TABLE --undo FILE\n"
        "  quorvane [--home DIR] standardize TABLE [record-set options] [--fields STREET,STREET2,STATE,ZIP]\n"
        "                                             [--upper] [--dry-run] [--undo-file FILE]\n"
        "  quorvane [--home DIR] standardize TABLE --undo FILE\n"
        "  quorvane [--home DIR] export TABLE (--csv FILE | --dbf FILE) [--utf8-header] [--force]\n"
        "                                             [record-set options]\n"
        "  quorvane [--home DIR] replace TABLE --field CAPTION_OR_NAME --find TEXT --with TEXT [--contains]\n"
        "                                             [--ignore-case] [--matching-only] [record-set options]\n"
        "  quorvane --help | --version\n"
        "\n"
        "The program folder holds QUORVA.ini, DATA/ and sysdata/. It is --home DIR, else $QUORVANE_HOME,\n"
        "else the executable's folder when it holds sysdata/ and is writable, else\n"
        "$XDG_DATA_HOME/quorvane (~/.local/share/quorvane).\n"
        "\n"
        "TABLE is a path relative to the current folder. list writes CSV (RFC 4180, UTF-8, a header line\n"
        "of field names) to stdout; count writes the number alone as its last line. --raw works on any\n"
        "DBF: every record without the delete flag (with --all, every record), any field, plus RECNO and\n"
        "DELETED. Without --raw the address record set is used: records carrying neither the delete\n"
        "flag nor ISDEL.\n"
        "\n"
        "--query CAPTION=VALUE fills one entry of the filter dialog (Last, First, Title, Org, Address 1,\n"
        "Address 2, Zip or Postal, City, State or Prov, Country, Phone 1, Phone 2, Fax, E-mail, Date, Codes,\n"
        "Comment 1, Comment 2; any case) with the dialog's grammar: smi begins with, $smi contains,\n"
        ">=6 compares, a;b either, a+b both, a^b a but not b. --tagged keeps the tagged records, --reverse\n"
        "the others. As in the dialog, a filter that matches nothing is dropped. --show-filter prints\n"
        "\"filter: \" and the condition in force first. --filter EXPR is a condition of its own and does\n"
        "not combine with --query, --tagged or --reverse. These are the record-set options of count,\n"
        "list, presort and zip-count.\n"
        "\n"
        "barcode writes \"digits: \" and the digits encoded, then \"bars: \" and the bars: POSTNET and FIM\n"
        "| full bar, . half bar, blank no bar; the Intelligent Mail barcode its 65 letters A, D, F, T.\n"
        "A ZIP that gives no POSTNET barcode prints \"no barcode: \" and the reason, exit 1. imb - writes\n"
        "one line per input line, the letters or \"error: \" and the reason; exit 1 when a line was bad.\n"
        "import appends FILE to TABLE: a .DBF as a DBF table, anything else as delimited text (or as\n"
        "--csv, --dbf, --release 1|2 say). --map SOURCE=FIELD fills an address field (caption or field\n"
        "name) from a column (\"Field 3\", a name on the first line, a DBF field name); without --map, DBF\n"
        "fields and named columns are matched by name (--auto-map does that alongside --map). Text is\n"
        "read in the encoding and with the delimiter detected unless given. Prints the end message, then\n"
        "\"values cut: N\" when values were longer than their fields.\n"
        "\n"
        "stocks writes the label template catalogue as CSV (DESCRIPT, sizes and counts in inches, paper,\n"
        "printer, shape, middle gaps), rows whose DESCRIPT holds TEXT (any case); --european keeps A4/A5.\n"
        "setups labels writes the label setups as CSV (description, sheet name, label width and height,\n"
        "across, down, paper code, layout file); add makes one from a template's DESCRIPT (exact) or from\n"
        "values in inches (PAPER: LTR, LTRL, A4, A4L, A5), its layout a copy of FILE or one address block,\n"
        "and prints the new layout file's name.\n"
        "labels prints the chosen records on a label setup (by description, or a layout file on a\n"
        "catalogue template) to a PDF or printer: --skip N leaves the first N positions of the first\n"
        "sheet empty, --mask 1,2,5-9 names the positions used on every sheet, --per-record 1-99,\n"
        "--presort prints in presort order with separator labels (records it cannot presort last,\n"
        "under \"** Not presorted\"), --calibration applies a printer's stored calibration (a printer\n"
        "given with --printer has its own applied), --preview-png writes the pages as PNG, --pages\n"
        "prints only pages A to B. Prints \"labels: N, sheets: S\".\n"
        "setups envelopes writes the envelope setups as CSV (DESCRIPT, NUMBER, SIZE, LENGTH, WIDTH, BINARY).\n"
        "envelopes prints one envelope per record (default order LNAME) as the envelope window does: the\n"
        "feed from the settings unless --feed (portrait|landscape,up|down,left|right|center[,clockwise]),\n"
        "the setup's paper in the feed orientation unless --paper/--orientation; a page that differs from\n"
        "the envelope by more than an inch is warned about on stderr.\n"
        "\n"
        "report prints built-in report N (1-4, in its own order; --title, default \"Report N\", --memo,\n"
        "--codes) or a user-defined report by its description or layout file (--one-per-page; order\n"
        "--order, default LNAME) for the record choice, to a PDF or a printer; --preview-png also writes\n"
        "the pages as DIR/page-0001.png, ... A filter that matches nothing prints nothing (status 2).\n"
        "setups reports writes the user-defined reports as CSV (DESCRIPT, LAYOUT, BINARY).\n"
        "\n"
        "Record-set options: --order TAG, --filter EXPR, --query CAPTION=VALUE..., --tagged, --reverse,\n"
        "--show-filter. dupes and zipcheck list the records found as CSV with RECNO first and print the\n"
        "count on stderr; --tag tags them. case and replace print the number of records changed, export\n"
        "the number copied (it never overwrites the open table, nor an existing file without --force).\n"
        "\n"
        "Exit status: 0 success, 1 check found faults, 2 error (message on stderr).\n");
}

int TCommandLine::Run(const TCommandLineOptions& options, QTextStream& out, QTextStream& err)
{
    const auto handler = Handlers().find(options.Command);
    if (handler != Handlers().end())
        return handler->second(options.Arguments, out, err);
    if (knownCommands.contains(options.Command)) {
        err << "quorvane: " << options.Command << ": not available yet\n";
        return 2;
    }
    err << "quorvane: unknown command " << options.Command << " (see --help)\n";
    return 2;
}
