#include "TRecentFiles.h"

#include "TIniFile.h"

namespace {
QString Key(int number) { return QStringLiteral("Item") + QString::number(number); }
} // namespace

QStringList TRecentFiles::Read(const TIniFile& settings)
{
    QStringList paths;
    for (int number = 1; number <= MaxEntries; ++number) {
        const QString path = settings.ReadString(QLatin1String(Section), Key(number), QString());
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

void TRecentFiles::Write(TIniFile& settings, const QStringList& paths)
{
    for (int number = 1; number <= MaxEntries; ++number)
        settings.WriteString(QLatin1String(Section), Key(number), paths.value(number - 1));
}

QStringList TRecentFiles::PutFirst(const QStringList& paths, const QString& path)
{
    QStringList result{path};
    for (const QString& earlier : paths) {
        if (result.size() == MaxEntries)
            break;
        if (earlier != path)
            result << earlier;
    }
    return result;
}
