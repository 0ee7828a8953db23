#include "TDialCommands.h"
#include "TCommandLine.h"

#include "prompts/TConsolePrompts.h"

#include "dialer/TDialSettings.h"
#include "dialer/TDialer.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"

#include <QTextStream>

#include <optional>

namespace {

int Usage(QTextStream& err, const QString& problem)
{
    err << "quorvane: dial: " << problem << "\n" << TCommandLine::CommandHelp(QStringLiteral("dial"));
    return 2;
}

int Dial(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    TDialSettings settings = TDialSettings::Load(TIniFile(TProgramFolder::SettingsFile()));
    QString number;
    bool dryRun = false;
    bool listPorts = false;
    bool haveNumber = false;
    int holdSeconds = 10;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        if (argument == QLatin1String("--hold")) {
            const std::optional<QString> given = value();
            bool isNumber = false;
            holdSeconds = given ? given->toInt(&isNumber) : -1;
            if (!isNumber || holdSeconds < 0 || holdSeconds > 600)
                return Usage(err, "--hold needs a number of seconds from 0 to 600");
        } else if (argument == QLatin1String("--prefix") || argument == QLatin1String("--port") || argument == QLatin1String("--init")) {
            const std::optional<QString> given = value();
            if (!given)
                return Usage(err, argument + " needs a value");
            if (argument == QLatin1String("--prefix"))
                settings.Prefix = *given;
            else if (argument == QLatin1String("--init"))
                settings.Init = *given;
            else
                settings.Port = TDialer::ComNumber(*given) > 0 ? QStringLiteral("COM%1").arg(TDialer::ComNumber(*given)) : *given;
        } else if (argument == QLatin1String("--pulse")) {
            settings.Method = TDialMethod::dmPulse;
        } else if (argument == QLatin1String("--dry-run")) {
            dryRun = true;
        } else if (argument == QLatin1String("--list-ports")) {
            listPorts = true;
        } else if (argument.startsWith(QLatin1String("--")) || haveNumber) {
            return Usage(err, "unexpected " + argument);
        } else {
            number = argument;
            haveNumber = true;
        }
    }
    if (listPorts) {
        if (haveNumber)
            return Usage(err, "--list-ports takes no number");
        for (const QString& port : TDialer::AvailablePorts())
            out << port << (TDialer::ComNumber(port) > 0 ? "\t" + TDialer::DevicePath(port) : QString()) << "\n";
        return 0;
    }
    if (number.trimmed().isEmpty())
        return Usage(err, "no number to dial");

    TDialer dialer;
    dialer.ComPort = settings.Port;
    dialer.Method = settings.Method;
    dialer.NumberToDial = settings.Prefix + number;
    dialer.InitStr = settings.Init;
    if (TDialer::HoldsModemCommands(dialer.NumberToDial) || TDialer::HoldsModemCommands(dialer.InitStr)) {
        err << "quorvane: dial: " << TDialer::RefusedText() << "\n";
        return 2;
    }
    if (dryRun) {
        for (const QString& command : TDialer::Commands(dialer.InitStr, dialer.NumberToDial, dialer.Method))
            out << command << "\n";
        return 0;
    }
    TConsolePrompts prompts(err);
    dialer.HoldMs = holdSeconds * 1000;
    const TDialResult result = dialer.Execute();
    for (const QString& reply : dialer.Replies)
        out << reply << "\n";
    return result == TDialResult::drDialed ? 0 : 2;
}

} // namespace

void TDialCommands::Register()
{
    TCommandLine::Register({QStringLiteral("dial"),
                            {QStringLiteral("dial NUMBER [--prefix TEXT] [--port DEVICE|COM1..COM4] [--init TEXT] [--pulse] "
                                            "[--hold SECONDS] [--dry-run]"),
                             QStringLiteral("dial --list-ports")},
                            QStringLiteral("dial a number on a modem (--dry-run prints the modem commands; --list-ports "
                                           "the serial ports a modem may sit on)"),
                            {}, {}, Dial});
}
