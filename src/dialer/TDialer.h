// The modem dialer: writes Hayes AT commands to a modem on a serial port so that the user can
// pick up the handset once the number is dialled. "COM1".."COM4" are the first four serial
// ports (/dev/ttyS0../dev/ttyS3); any other port is a device path (USB modems appear as
// /dev/ttyACM* and /dev/ttyUSB*).
//
// The exchange: the initialization string (with "AT" put in front when it lacks it) and a
// pause of InitWaitMs for the modem to settle, the dial command, then the modem's reply is
// read for up to ReplyTimeoutMs. A reply naming a failure ("NO CARRIER", "BUSY", "NO DIALTONE",
// "ERROR") is reported as the reason; otherwise the user is told to pick up the phone, and
// after that notice the modem is told to hang up so the handset keeps the line.
//
// Messages go through the prompt service; the model has no window of its own.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

enum class TDialMethod { dmTone, dmPulse };

enum class TDialResult {
    drDialed,       // the modem took the number; the user was told to pick up
    drModemRefused, // the modem answered with a failure; Reason holds it
    drCancelled,    // the user said No to the confirmation
    drRefused,      // the number or prefix holds modem command characters
    drOpenFailed,   // "Unable to open " + port
    drWriteFailed   // "Unable to dial number"
};

class TDialer {
public:
    QString ComPort = QStringLiteral("COM1");
    TDialMethod Method = TDialMethod::dmTone;
    QString NumberToDial;
    QString InitStr;
    bool Confirm = false;

    int InitWaitMs = 1500;
    int ReplyTimeoutMs = 2500;
    // How long the modem keeps the line after "Pick up phone" before it hangs up. The windows
    // hold it for as long as the message is open; a script cannot, so the command line waits.
    int HoldMs = 0;
    // Called while waiting for the modem, so windows stay responsive.
    std::function<void()> OnProcessEvents;
    // Every line the modem answered, in order (the command line prints them).
    QStringList Replies;
    QString Reason; // the failure reported, when there was one

    // Dials NumberToDial; shows the messages; returns what happened.
    TDialResult Execute();

    // --- the pieces, for the dry run and the tests
    // "COM1".."COM4" → /dev/ttyS0../dev/ttyS3; any other name is used as it is.
    static QString DevicePath(const QString& port);
    // 1..4 for "COM1".."COM4" (also "COM 1"), 0 for anything else.
    static int ComNumber(const QString& port);
    // The four COM ports followed by the USB modems present under `deviceFolder`.
    static QStringList AvailablePorts(const QString& deviceFolder = QStringLiteral("/dev"));
    // The init string with "AT" in front unless its first two characters, upper-cased, are "AT".
    static QString NormalizedInit(const QString& init);
    static QString DialCommand(const QString& number, TDialMethod method);
    // The commands in the order they are sent, without line ends ("AT&F", "ATDT9,555-1234", "ATH").
    static QStringList Commands(const QString& init, const QString& number, TDialMethod method);
    // True when `text` holds a character a modem would take as a command: ';' ends the dial
    // string and returns to command mode, a line break ends the command early.
    static bool HoldsModemCommands(const QString& text);
    // The failure a reply line names ("BUSY", ...), or empty for none.
    static QString FailureIn(const QString& line);

    static QString RefusedText()
    {
        return QStringLiteral("The number cannot be dialled: it holds \";\" or a line break, which the modem would take as commands.");
    }
};
