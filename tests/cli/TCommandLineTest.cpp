#include "cli/TCommandLine.h"

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

TEST(TCommandLine, UnbuiltAndUnknownCommandsFailWithStatus2)
{
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    TCommandLineOptions options;
    options.Command = "frobnicate";
    EXPECT_EQ(TCommandLine::Run(options, out, err), 2);
    EXPECT_TRUE(errText.contains("unknown command frobnicate"));

    TCommandLine::Register("count", [](const QStringList& arguments, QTextStream& o, QTextStream&) {
        o << arguments.size() << "\n";
        return 0;
    });
    options.Command = "count";
    options.Arguments = {"a", "b"};
    EXPECT_EQ(TCommandLine::Run(options, out, err), 0);
    out.flush();
    EXPECT_EQ(outText, "2\n");
}
