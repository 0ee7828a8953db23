// The command-line front end: global options, the command table and its dispatch. Commands
// run headless (the caller has selected Qt's offscreen platform) through the same classes as
// the windows. Exit status: 0 success, 1 a check found faults, 2 an error (message on stderr).
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>

class QTextStream;

struct TCommandLineOptions {
    QString Home;          // --home DIR
    bool Help = false;     // --help
    bool Version = false;  // --version
    QString Command;       // empty: start the windows
    QStringList Arguments; // everything after the command
    QString Error;         // set when the global options could not be read
};

class TCommandLine {
public:
    using THandler = std::function<int(const QStringList& arguments, QTextStream& out, QTextStream& err)>;

    static TCommandLineOptions Parse(const QStringList& arguments);
    static QString HelpText();
    static QString VersionText();
    // Runs options.Command; the program folder must be prepared.
    static int Run(const TCommandLineOptions& options, QTextStream& out, QTextStream& err);
    // Commands register here as their modules are built.
    static void Register(const QString& command, THandler handler);
    // The handler registered for `command` (empty when none), so a module can add words to a
    // command another module registered ("setups reports" beside "setups labels").
    static THandler Handler(const QString& command);
    // Registers every command the program has (called once by main).
    static void RegisterStandardCommands();

private:
    static std::map<QString, THandler>& Handlers();
};
