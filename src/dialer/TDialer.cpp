#include "TDialer.h"

#include "prompts/TUserPrompts.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QRegularExpression>
#include <QSerialPort>

namespace {
const QStringList failureCodes = {QStringLiteral("NO CARRIER"), QStringLiteral("BUSY"), QStringLiteral("NO DIALTONE"),
                                  QStringLiteral("NO DIAL TONE"), QStringLiteral("NO ANSWER"), QStringLiteral("ERROR")};

// Collects the modem's reply lines; modems echo commands, which are not replies.
class TReplyReader {
public:
    TReplyReader(QSerialPort& port, TDialer& dialer) : Port(port), Dialer(dialer) {}

    // Reads for `ms`; with stopAtResult it returns at the first final result code.
    QString Read(int ms, bool stopAtResult)
    {
        QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired()) {
            if (Dialer.OnProcessEvents)
                Dialer.OnProcessEvents();
            if (Port.bytesAvailable() > 0 || Port.waitForReadyRead(std::min<qint64>(50, std::max<qint64>(1, deadline.remainingTime()))))
                Pending += Port.readAll();
            const QString result = TakeLines();
            if (stopAtResult && !result.isEmpty())
                return result;
        }
        return QString();
    }

private:
    // Moves complete lines into the dialer's replies; returns the final result code among them.
    QString TakeLines()
    {
        QString result;
        qsizetype end;
        while ((end = Pending.indexOf('\n')) >= 0 || (end = Pending.indexOf('\r')) >= 0) {
            const QString line = QString::fromLatin1(Pending.left(end)).trimmed();
            Pending.remove(0, end + 1);
            if (line.isEmpty() || line.startsWith(QLatin1String("AT"), Qt::CaseInsensitive))
                continue;
            Dialer.Replies << line;
            const QString failure = TDialer::FailureIn(line);
            if (!failure.isEmpty())
                result = failure;
            else if (line == QLatin1String("OK") || line.startsWith(QLatin1String("CONNECT")))
                result = line;
        }
        return result;
    }

    QSerialPort& Port;
    TDialer& Dialer;
    QByteArray Pending;
};

bool Send(QSerialPort& port, const QString& command)
{
    const QByteArray bytes = command.toLatin1() + "\r\n";
    if (port.write(bytes) != bytes.size())
        return false;
    return port.waitForBytesWritten(2000) || port.bytesToWrite() == 0;
}
} // namespace

int TDialer::ComNumber(const QString& port)
{
    static const QRegularExpression com(QStringLiteral("^COM ?([1-4])$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = com.match(port.trimmed());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString TDialer::DevicePath(const QString& port)
{
    const int com = ComNumber(port);
    return com > 0 ? QStringLiteral("/dev/ttyS%1").arg(com - 1) : port;
}

QStringList TDialer::AvailablePorts(const QString& deviceFolder)
{
    QStringList ports = {QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"), QStringLiteral("COM4")};
    const QDir folder(deviceFolder);
    for (const QString& name : folder.entryList({QStringLiteral("ttyACM*"), QStringLiteral("ttyUSB*")}, QDir::System | QDir::Files, QDir::Name))
        ports << folder.filePath(name);
    return ports;
}

QString TDialer::NormalizedInit(const QString& init)
{
    if (init.isEmpty() || init.left(2).toUpper() == QLatin1String("AT"))
        return init;
    return QStringLiteral("AT") + init;
}

QString TDialer::DialCommand(const QString& number, TDialMethod method)
{
    return (method == TDialMethod::dmPulse ? QStringLiteral("ATDP") : QStringLiteral("ATDT")) + number;
}

QStringList TDialer::Commands(const QString& init, const QString& number, TDialMethod method)
{
    QStringList commands;
    if (!init.isEmpty())
        commands << NormalizedInit(init);
    commands << DialCommand(number, method) << QStringLiteral("ATH");
    return commands;
}

bool TDialer::HoldsModemCommands(const QString& text)
{
    return text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

QString TDialer::FailureIn(const QString& line)
{
    const QString upper = line.trimmed().toUpper();
    for (const QString& code : failureCodes)
        if (upper == code)
            return code == QLatin1String("NO DIAL TONE") ? QStringLiteral("NO DIALTONE") : code;
    return QString();
}

TDialResult TDialer::Execute()
{
    TUserPrompts& prompts = TUserPrompts::Current();
    Replies.clear();
    Reason.clear();
    if (HoldsModemCommands(NumberToDial) || HoldsModemCommands(InitStr)) {
        Reason = RefusedText();
        prompts.Information(Reason);
        return TDialResult::drRefused;
    }
    if (Confirm && !prompts.Question(QStringLiteral("Dial"), QStringLiteral("About to dial the number ") + NumberToDial + QStringLiteral(". Are you sure?")))
        return TDialResult::drCancelled;

    QSerialPort port;
    port.setPortName(DevicePath(ComPort));
    if (!port.open(QIODevice::ReadWrite)) {
        Reason = QStringLiteral("Unable to open ") + ComPort;
        prompts.Information(Reason);
        return TDialResult::drOpenFailed;
    }
    TReplyReader reader(port, *this);
    InitStr = NormalizedInit(InitStr);
    if (!InitStr.isEmpty()) {
        Send(port, InitStr);
        reader.Read(InitWaitMs, false); // the pause the modem needs; its "OK" is only logged
    }
    if (!Send(port, DialCommand(NumberToDial, Method))) {
        Reason = QStringLiteral("Unable to dial number");
        prompts.Information(Reason);
        return TDialResult::drWriteFailed;
    }
    const QString failure = FailureIn(reader.Read(ReplyTimeoutMs, true));
    TDialResult result = TDialResult::drDialed;
    if (failure.isEmpty()) {
        prompts.Information(QStringLiteral("Pick up phone"));
        if (HoldMs > 0)
            reader.Read(HoldMs, false);
    } else {
        Reason = failure;
        prompts.Information(failure);
        result = TDialResult::drModemRefused;
    }
    Send(port, QStringLiteral("ATH")); // the handset keeps the line; after a failure it frees it
    reader.Read(100, true);
    port.close();
    return result;
}
