#include "PtyModem.h"

#include "dialer/TDialSettings.h"
#include "dialer/TDialer.h"
#include "prompts/TScriptedUserPrompts.h"
#include "settings/TIniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TDialerCommands, CommandStrings)
{
    struct Case {
        const char* init;
        const char* number;
        TDialMethod method;
        QStringList expected;
    } cases[] = {
        {"&F", "555-1234", TDialMethod::dmTone, {"AT&F", "ATDT555-1234", "ATH"}},
        {"at&f", "555-1234", TDialMethod::dmTone, {"at&f", "ATDT555-1234", "ATH"}},
        {"", "9,555-1234", TDialMethod::dmPulse, {"ATDP9,555-1234", "ATH"}},
        {"Z", " (555) 12 ", TDialMethod::dmTone, {"ATZ", "ATDT (555) 12 ", "ATH"}}, // as typed
    };
    for (const Case& c : cases)
        EXPECT_EQ(TDialer::Commands(c.init, c.number, c.method), c.expected) << c.init << " " << c.number;
}

TEST(TDialerCommands, PortsAndUnsafeText)
{
    EXPECT_EQ(TDialer::DevicePath("COM1"), "/dev/ttyS0");
    EXPECT_EQ(TDialer::DevicePath("COM 4"), "/dev/ttyS3");
    EXPECT_EQ(TDialer::DevicePath("/dev/ttyACM0"), "/dev/ttyACM0");
    EXPECT_EQ(TDialer::ComNumber("COM5"), 0);

    QTemporaryDir dev;
    for (const char* name : {"ttyUSB1", "ttyACM0", "ttyS9", "null"}) {
        QFile file(dev.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(TDialer::AvailablePorts(dev.path()),
              QStringList({"COM1", "COM2", "COM3", "COM4", dev.filePath("ttyACM0"), dev.filePath("ttyUSB1")}));

    for (const char* bad : {"555;ATH", "555\r\nATZ", "555\n"})
        EXPECT_TRUE(TDialer::HoldsModemCommands(bad)) << bad;
    EXPECT_FALSE(TDialer::HoldsModemCommands("9,555-1234 *70#"));
}

TEST(TDialSettings, ReadsOldPortNumbersAndKeepsDevicePaths)
{
    QTemporaryDir dir;
    TIniFile ini(dir.filePath("QUORVA.ini"));
    const TDialSettings defaults = TDialSettings::Load(ini);
    EXPECT_EQ(defaults.Port, "COM1");
    EXPECT_EQ(defaults.Method, TDialMethod::dmTone);
    EXPECT_FALSE(defaults.UseTelephony);

    ini.WriteInteger("Dialing", "Port", 2);
    EXPECT_EQ(TDialSettings::Load(ini).Port, "COM3");

    TDialSettings s;
    s.Prefix = "9,";
    s.Init = "&F";
    s.Port = "/dev/ttyUSB0";
    s.Method = TDialMethod::dmPulse;
    s.UseTelephony = true;
    s.Save(ini);
    const TDialSettings back = TDialSettings::Load(ini);
    EXPECT_EQ(back.Prefix, "9,");
    EXPECT_EQ(back.Init, "&F");
    EXPECT_EQ(back.Port, "/dev/ttyUSB0");
    EXPECT_EQ(back.Method, TDialMethod::dmPulse);
    EXPECT_TRUE(back.UseTelephony);
    s.Port = "COM4";
    s.Save(ini);
    EXPECT_EQ(ini.ReadString("Dialing", "Port", ""), "3");
}

namespace {
struct Exchange {
    TDialResult Result;
    QStringList Shown;
    QByteArray Sent;
    QString InitAfter;
};

// Dials 9,555-1234 with init "&F" against a modem that gives `dialReply` to the dial command.
Exchange DialAgainst(const QByteArray& dialReply)
{
    PtyModem modem([&](const QByteArray& line) -> QByteArray {
        if (line.startsWith("ATD"))
            return line + "\r\n" + dialReply; // echo, then the result
        return line.isEmpty() ? QByteArray() : line + "\r\nOK\r\n";
    });
    TScriptedUserPrompts prompts;
    TDialer dialer;
    dialer.ComPort = modem.Path();
    dialer.NumberToDial = "9,555-1234";
    dialer.InitStr = "&F";
    dialer.InitWaitMs = 200;
    dialer.ReplyTimeoutMs = 400;
    const TDialResult result = dialer.Execute();
    usleep(100 * 1000); // let the modem thread take the last bytes
    return {result, prompts.Texts(), modem.Received(), dialer.InitStr};
}
} // namespace

TEST(TDialerExchange, ModemRepliesDecideTheMessage)
{
    struct Case {
        QByteArray reply;
        TDialResult result;
        QString shown;
    } cases[] = {
        {"OK\r\n", TDialResult::drDialed, "Pick up phone"},
        {"", TDialResult::drDialed, "Pick up phone"}, // a silent modem is trusted
        {"BUSY\r\n", TDialResult::drModemRefused, "BUSY"},
        {"NO CARRIER\r\n", TDialResult::drModemRefused, "NO CARRIER"},
        {"NO DIALTONE\r\n", TDialResult::drModemRefused, "NO DIALTONE"},
    };
    for (const Case& c : cases) {
        const Exchange e = DialAgainst(c.reply);
        EXPECT_EQ(e.Result, c.result) << c.reply.constData();
        EXPECT_EQ(e.Shown, QStringList{c.shown}) << c.reply.constData();
        // The whole conversation, in order; the modem is hung up in every case.
        EXPECT_EQ(e.Sent, QByteArray("AT&F\r\nATDT9,555-1234\r\nATH\r\n")) << c.reply.constData();
        EXPECT_EQ(e.InitAfter, "AT&F");
    }
}

TEST(TDialerExchange, FailuresAndRefusals)
{
    TScriptedUserPrompts prompts;
    TDialer dialer;
    dialer.ComPort = "/nonexistent/ttyS2";
    dialer.NumberToDial = "555";
    EXPECT_EQ(dialer.Execute(), TDialResult::drOpenFailed);
    EXPECT_EQ(prompts.Texts(), QStringList{"Unable to open /nonexistent/ttyS2"});

    prompts.Clear();
    dialer.NumberToDial = "555;ATZ";
    EXPECT_EQ(dialer.Execute(), TDialResult::drRefused);
    EXPECT_EQ(prompts.Texts(), QStringList{TDialer::RefusedText()});

    prompts.Clear();
    dialer.NumberToDial = "555";
    dialer.Confirm = true; // the scripted prompts answer No
    EXPECT_EQ(dialer.Execute(), TDialResult::drCancelled);
    EXPECT_EQ(prompts.Texts(), QStringList{"About to dial the number 555. Are you sure?"});
}
