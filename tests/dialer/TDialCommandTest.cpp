#include "cli/TCommandLine.h"

#include <QTextStream>
#include <gtest/gtest.h>

namespace {
struct DialRun {
    int Status;
    QString Out;
    QString Err;
};

DialRun Dial(const QStringList& arguments)
{
    TCommandLine::RegisterStandardCommands();
    TCommandLineOptions options;
    options.Command = "dial";
    options.Arguments = arguments;
    QString out, err;
    QTextStream o(&out), e(&err);
    const int status = TCommandLine::Run(options, o, e);
    o.flush();
    e.flush();
    return {status, out, err};
}
} // namespace

TEST(TDialCommand, DryRunPrintsTheExactCommands)
{
    const DialRun run = Dial({"555-1234", "--prefix", "9,", "--init", "&F", "--dry-run"});
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "AT&F\nATDT9,555-1234\nATH\n");
    EXPECT_EQ(Dial({"555", "--pulse", "--dry-run", "--prefix", ""}).Out, "ATDP555\nATH\n");
}

TEST(TDialCommand, ErrorsGoToStderrWithStatusTwo)
{
    for (const QStringList& bad : {QStringList{}, QStringList{"555;ATZ", "--dry-run"}, QStringList{"555", "--port"},
                                   QStringList{"555", "--frob"}, QStringList{"555", "--list-ports"},
                                   QStringList{"555", "--hold", "soon", "--dry-run"}}) {
        const DialRun run = Dial(bad);
        EXPECT_EQ(run.Status, 2) << bad.join(' ').toStdString();
        EXPECT_FALSE(run.Err.isEmpty());
        EXPECT_TRUE(run.Out.isEmpty());
    }
    const DialRun missing = Dial({"555", "--port", "/nonexistent/ttyUSB7"});
    EXPECT_EQ(missing.Status, 2);
    EXPECT_TRUE(missing.Err.contains("Unable to open /nonexistent/ttyUSB7"));
}

TEST(TDialCommand, ListPortsNamesTheComPortsAndTheirDevices)
{
    const DialRun run = Dial({"--list-ports"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(run.Out.startsWith("COM1\t/dev/ttyS0\nCOM2\t/dev/ttyS1\n"));
}
