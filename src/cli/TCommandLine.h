// The command-line front end: global options, the command table and its dispatch. Commands
// run headless (the caller has selected Qt's offscreen platform) through the same classes as
// the windows. Exit status: 0 success, 1 a check found faults, 2 an error (message on stderr).
//
// Every command is declared once, as a row of the table (TCommandSpec): its words, its usage
// lines, the option groups it takes, a note for the help and its handler. `--help`, a
// command's own `--help`, the usage shown for a missing sub-word and the one error form
// "quorvane: COMMAND: message" all come from the rows.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QTextStream;

struct TCommandLineOptions {
    QString Home;          // --home DIR
    bool Help = false;     // --help
    bool Version = false;  // --version
    QString Command;       // empty: start the windows
    QStringList Arguments; // everything after the command
    QString Error;         // set when the global options could not be read
};

// The option groups commands share; a usage line names a group as "[record-set options]" or
// "[print options]", and the help spells each group out once.
enum class TOptionGroup { ogRecordSet, ogPrint };

struct TCommandSpec {
    // Handlers receive the arguments after the first word (a sub-word is arguments[0]) and may
    // throw: the table turns the exception into "quorvane: WORDS: message" and status 2.
    using THandler = std::function<int(const QStringList& arguments, QTextStream& out, QTextStream& err)>;

    QString Words;               // "list", "setups labels": the command and its sub-word
    QStringList Usage;           // the usage lines, each after "quorvane [--home DIR] "
    QString Summary;             // what it does, one line of the help
    QString Notes;               // more on it for the help, a paragraph (may be empty)
    std::vector<TOptionGroup> Groups;
    THandler Handler;
    bool UsesHome = true;        // works on a program folder ([--home DIR] in its usage)

    QString Word() const { return Words.section(u' ', 0, 0); }
    QString SubWord() const { return Words.section(u' ', 1, 1); }
};

class TCommandLine {
public:
    static TCommandLineOptions Parse(const QStringList& arguments);
    // The whole help: every usage line in table order, then the summaries, the option groups
    // and the notes on the program folder and exit status.
    static QString HelpText();
    // The usage lines alone, as `--help` prints them (and the README lists them).
    static QStringList UsageLines();
    // The help of the rows whose words begin with `words` ("setups" gives all three).
    static QString CommandHelp(const QString& words);
    static QString VersionText();
    // Runs options.Command; the program folder must be prepared.
    static int Run(const TCommandLineOptions& options, QTextStream& out, QTextStream& err);

    // Adds a row; modules add theirs from RegisterStandardCommands().
    static void Register(TCommandSpec spec);
    // Registers every command the program has (once; later calls do nothing).
    static void RegisterStandardCommands();
    static const std::vector<TCommandSpec>& Commands();
    // The help text of an option group.
    static QString GroupHelp(TOptionGroup group);

private:
    static std::vector<TCommandSpec>& Table();
};
