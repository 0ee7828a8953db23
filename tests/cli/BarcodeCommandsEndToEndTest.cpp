// `quorvane barcode ...` run as a script would run it.
#include "QuorvaneProcess.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class BarcodeCommandsEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    TRun Quorvane(const QStringList& arguments) { return RunQuorvane(Folder.filePath("home"), arguments); }

    TRun QuorvaneWithInput(const QStringList& arguments, const QByteArray& input)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        process.setProcessEnvironment(environment);
        process.start(QUORVANE_BINARY, QStringList{"--home", Folder.filePath("home")} + arguments);
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
};

TEST_F(BarcodeCommandsEndToEnd, PostNetDigitsAndBars)
{
    TRun run = Quorvane({"barcode", "postnet", "12345-6789", "--street", "1600 PENNSYLVANIA AVE"});
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    const QString bars = "|...||..|.|..||..|..|.|.|..||..|...||..|.|.|..||...||....|.|.|";
    EXPECT_EQ(run.Out, "digits: 123456789005\nbars: " + bars + "\n");

    run = Quorvane({"barcode", "postnet", "12345-6789", "--type", "5"});
    EXPECT_EQ(run.Out.section('\n', 0, 0), "digits: 123455");

    run = Quorvane({"barcode", "postnet", "1234A", "--type", "5"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Out.startsWith("no barcode: ")) << run.Out.toStdString();

    for (const QStringList& bad : {QStringList{"postnet"}, QStringList{"postnet", "12345", "--type", "7"},
                                   QStringList{"postnet", "12345", "--street"}, QStringList{"zip"}}) {
        run = Quorvane(QStringList{"barcode"} + bad);
        EXPECT_EQ(run.Status, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(run.Out.isEmpty());
        EXPECT_TRUE(run.Err.contains("usage: quorvane barcode"));
    }
}

TEST_F(BarcodeCommandsEndToEnd, FimTypesInAnyCase)
{
    EXPECT_EQ(Quorvane({"barcode", "fim", "c"}).Out, "bars: || | | ||\n");
    EXPECT_EQ(Quorvane({"barcode", "fim", "A"}).Out, "bars: ||  |  ||\n");
    const TRun run = Quorvane({"barcode", "fim", "D"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains("unknown type D"));
}

TEST_F(BarcodeCommandsEndToEnd, IntelligentMailBarcodeOneOrFromStandardInput)
{
    TRun run = Quorvane({"barcode", "imb", "01234567094987654321", "01234-5678-91"});
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "digits: 01234567094987654321 01234567891\n"
                       "bars: AADTFFDFTDADTAADAATFDTDDAAADDTDTTDAFADADDDTFFFDDTTTADFAAADFTDAADA\n");
    run = Quorvane({"barcode", "imb", "01234567094987654321"});
    EXPECT_EQ(run.Out.section('\n', 0, 0), "digits: 01234567094987654321");

    run = Quorvane({"barcode", "imb", "05234567094987654321"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains("second digit")) << run.Err.toStdString();
    EXPECT_EQ(Quorvane({"barcode", "imb", "01234567094987654321", "0123"}).Status, 2);

    run = QuorvaneWithInput({"barcode", "imb", "-"}, "01234567094987654321\n"
                                                     "0123456709498765432X 01234\n"
                                                     "01234567094987654321 01234 5678\r\n");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "ATTFATTDTTADTAATTDTDTATTDAFDDFADFDFTFFFFFTATFAAAATDFFTDAADFTFDTDT\n"
                       "error: the tracking code needs 20 digits\n"
                       "ADFTTAFDTTTTFATTADTAAATFTFTATDAAAFDDADATATDTDTTDFDTDATADADTDFFTFA\n");
    run = QuorvaneWithInput({"barcode", "imb", "-"}, "01234567094987654321 01234\n");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "DTTAFADDTTFTDTFTFDTDDADADAFADFATDDFTAAAFDTTADFAAATDFDTDFADDDTDFFT\n");
}

} // namespace
