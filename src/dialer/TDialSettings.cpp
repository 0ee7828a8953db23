#include "TDialSettings.h"

#include "settings/TIniFile.h"

namespace {
const QString section = QStringLiteral("Dialing");

// "0".."3" name COM1..COM4; anything else that is a path names a device of its own.
QString PortFromSetting(const QString& value)
{
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    if (isNumber)
        return QStringLiteral("COM%1").arg(number >= 0 && number <= 3 ? number + 1 : 1);
    return value.startsWith(QLatin1Char('/')) ? value : QStringLiteral("COM1");
}

QString SettingFromPort(const QString& port)
{
    const int com = TDialer::ComNumber(port);
    return com > 0 ? QString::number(com - 1) : port;
}
} // namespace

TDialSettings TDialSettings::Load(const TIniFile& settings)
{
    TDialSettings s;
    s.Prefix = settings.ReadString(section, QStringLiteral("Prefix"), QString());
    s.Init = settings.ReadString(section, QStringLiteral("Init"), QString());
    s.Port = PortFromSetting(settings.ReadString(section, QStringLiteral("Port"), QStringLiteral("0")));
    s.Method = settings.ReadInteger(section, QStringLiteral("Method"), 0) == 1 ? TDialMethod::dmPulse : TDialMethod::dmTone;
    s.UseTelephony = settings.ReadBool(section, QStringLiteral("UseTAPI"), false);
    return s;
}

void TDialSettings::Save(TIniFile& settings) const
{
    settings.WriteString(section, QStringLiteral("Prefix"), Prefix);
    settings.WriteString(section, QStringLiteral("Init"), Init);
    settings.WriteString(section, QStringLiteral("Port"), SettingFromPort(Port));
    settings.WriteInteger(section, QStringLiteral("Method"), Method == TDialMethod::dmPulse ? 1 : 0);
    settings.WriteBool(section, QStringLiteral("UseTAPI"), UseTelephony);
}
