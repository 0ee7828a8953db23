#include "TProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <stdexcept>

namespace {
QString programFolder;

QString WithSlash(const QString& path)
{
    QString clean = QDir::cleanPath(QDir(path).absolutePath());
    return clean.endsWith(u'/') ? clean : clean + u'/';
}

void MakeFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw std::runtime_error(("Unable to create the folder " + path).toStdString());
}
} // namespace

QString TProgramFolder::Resolve(const QString& explicitHome)
{
    if (!explicitHome.isEmpty())
        return WithSlash(explicitHome);
    const QString fromEnvironment = qEnvironmentVariable("QUORVANE_HOME");
    if (!fromEnvironment.isEmpty())
        return WithSlash(fromEnvironment);
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QFileInfo executableInfo(executableFolder);
    if (QFileInfo(executableFolder + QStringLiteral("/sysdata")).isDir() && executableInfo.isWritable())
        return WithSlash(executableFolder);
    return WithSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                     + QStringLiteral("/quorvane"));
}

void TProgramFolder::SetPath(const QString& path) { programFolder = WithSlash(path); }

QString TProgramFolder::Path() { return programFolder; }
QString TProgramFolder::DataFolder() { return programFolder + QStringLiteral("DATA/"); }
QString TProgramFolder::SysdataFolder() { return programFolder + QStringLiteral("sysdata/"); }
QString TProgramFolder::SettingsFile() { return programFolder + QStringLiteral("QUORVA.ini"); }

QString TProgramFolder::DeliveredSysdata()
{
    const QString fromEnvironment = qEnvironmentVariable("QUORVANE_SYSDATA");
    if (!fromEnvironment.isEmpty())
        return WithSlash(fromEnvironment);
    return WithSlash(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quorvane/sysdata"));
}

void TProgramFolder::Prepare()
{
    MakeFolder(Path());
    MakeFolder(DataFolder());
    MakeFolder(SysdataFolder());
    const QString delivered = DeliveredSysdata();
    if (QDir::cleanPath(delivered) == QDir::cleanPath(SysdataFolder()))
        return;
    // The main spelling dictionary lives in the program folder itself, never over the user's.
    const QString dictionary = Path() + QStringLiteral("quorva.dct");
    if (!QFileInfo::exists(dictionary))
        QFile::copy(delivered + QStringLiteral("../quorva.dct"), dictionary);
    QDirIterator files(delivered, QDir::Files);
    while (files.hasNext()) {
        const QFileInfo source(files.next());
        const QString target = SysdataFolder() + source.fileName();
        if (!QFileInfo::exists(target))
            QFile::copy(source.filePath(), target);
    }
}
