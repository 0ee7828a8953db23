// Settings-file reader: any bytes in QUORVA.ini must read as values or defaults, and a write
// over them must keep working, never crash or hang.
#include "settings/TIniFile.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath("QUORVA.ini");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    TIniFile ini(path);
    for (const QString& section : {QStringLiteral("Misc"), QStringLiteral("MRU"), QStringLiteral("")}) {
        for (const QString& key : ini.ReadSectionKeys(section))
            ini.ReadString(section, key, QString());
        ini.ReadInteger(section, QStringLiteral("AggressiveSave"), 1);
        ini.ReadBool(section, QStringLiteral("GettingStarted"), false);
    }
    ini.WriteString(QStringLiteral("Misc"), QStringLiteral("GlobalTagId"), QStringLiteral("T57LQA6"));
    if (ini.ReadString(QStringLiteral("Misc"), QStringLiteral("GlobalTagId"), QString()) != QLatin1String("T57LQA6"))
        __builtin_trap(); // a written value must read back
    return 0;
}
