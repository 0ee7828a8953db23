#include "cli/TCommandLine.h"

#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>

TEST(TCommandLine, GlobalOptionsComeBeforeTheCommandAndTheRestBelongsToIt)
{
    struct Case {
        QStringList arguments;
        QString home, command, error;
        QStringList commandArguments;
        bool help = false;
    };
    const Case cases[] = {
        {{"quorvane"}, "", "", "", {}},
        {{"quorvane", "--home", "/q", "list", "a.dbf", "--raw", "--home", "x"}, "/q", "list", "", {"a.dbf", "--raw", "--home", "x"}},
        {{"quorvane", "--home=/q", "--help"}, "/q", "", "", {}, true},
        {{"quorvane", "--home"}, "", "", "--home needs a folder", {}},
        {{"quorvane", "--frobnicate"}, "", "", "unknown option --frobnicate (see --help)", {}},
    };
    for (const auto& c : cases) {
        const auto options = TCommandLine::Parse(c.arguments);
        EXPECT_EQ(options.Home, c.home) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(options.Command, c.command);
        EXPECT_EQ(options.Arguments, c.commandArguments);
        EXPECT_EQ(options.Error, c.error);
        EXPECT_EQ(options.Help, c.help);
    }
}

namespace {

struct TRun {
    int Status = 0;
    QString Out, Err;
};

TRun RunCommandLine(const QString& command, const QStringList& arguments)
{
    TRun run;
    QTextStream out(&run.Out), err(&run.Err);
    TCommandLineOptions options;
    options.Command = command;
    options.Arguments = arguments;
    run.Status = TCommandLine::Run(options, out, err);
    out.flush();
    err.flush();
    return run;
}

// The logical lines of the README's command list: the fenced block under "## Command line",
// a line that begins with blanks continuing the one before.
QStringList ReadmeCommandLines()
{
    QFile file(QStringLiteral(QUORVANE_SOURCE_DIR "/README.md"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    const qsizetype heading = lines.indexOf(QStringLiteral("## Command line"));
    QStringList commands;
    bool inBlock = false;
    for (qsizetype i = heading + 1; heading >= 0 && i < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1String("```"))) {
            if (inBlock)
                break;
            inBlock = true;
        } else if (inBlock && lines[i].startsWith(u' ') && !commands.isEmpty()) {
            commands.last() += u' ' + lines[i].simplified();
        } else if (inBlock) {
            commands << lines[i].simplified();
        }
    }
    return commands;
}

} // namespace

TEST(TCommandLine, UnknownCommandsFailWithStatus2)
{
    const TRun run = RunCommandLine("frobnicate", {});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "quorvane: unknown command frobnicate (see --help)\n");
}

TEST(TCommandLine, EveryCommandLineOfTheReadmeIsTheHelpsAndNoOther)
{
    QStringList usage;
    for (const QString& line : TCommandLine::UsageLines())
        usage << line.simplified();
    EXPECT_EQ(ReadmeCommandLines(), usage);
}

TEST(TCommandLine, ErrorsNameTheCommandOnceAndSubWordsShowTheirUsage)
{
    // A usage fault of a record-set command: one "quorvane: COMMAND: " before the message.
    TRun run = RunCommandLine("dupes", {});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "quorvane: dupes: name a TABLE (see --help)\n");
    run = RunCommandLine("count", {"t.dbf", "--order"});
    EXPECT_EQ(run.Err, "quorvane: count: --order needs a value\n");
    run = RunCommandLine("list", {"t.dbf", "--frobnicate"});
    EXPECT_EQ(run.Err, "quorvane: list: unknown option --frobnicate (see --help)\n");

    // "setups" alone names its three sub-words and shows the usage of each.
    run = RunCommandLine("setups", {});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.startsWith("quorvane: setups: give labels, envelopes, reports (see --help)\n"));
    for (const char* words : {"setups labels", "setups envelopes", "setups reports"})
        EXPECT_TRUE(run.Err.contains(QStringLiteral("usage: quorvane [--home DIR] ") + words)) << words;

    // A command's own --help is its usage and notes.
    run = RunCommandLine("letters", {"merge", "--help"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(run.Out.contains("letters merge TABLE"));
    EXPECT_TRUE(run.Out.contains("Print options:"));
}

TEST(TCommandLine, EveryRowHasUsageSummaryAndAHandler)
{
    TCommandLine::RegisterStandardCommands();
    QStringList words;
    for (const TCommandSpec& spec : TCommandLine::Commands()) {
        EXPECT_FALSE(spec.Usage.isEmpty()) << spec.Words.toStdString();
        EXPECT_FALSE(spec.Summary.isEmpty()) << spec.Words.toStdString();
        EXPECT_TRUE(bool(spec.Handler)) << spec.Words.toStdString();
        for (const QString& line : spec.Usage)
            EXPECT_TRUE(line.startsWith(spec.Words)) << line.toStdString();
        EXPECT_FALSE(words.contains(spec.Words)) << "declared twice: " << spec.Words.toStdString();
        words << spec.Words;
    }
}
