#include "TLayoutFileNames.h"

#include <QFile>

#include <stdexcept>

QString TLayoutFileNames::Name(int number, const QString& extension)
{
    return QStringLiteral("BIN%1").arg(number, 5, 10, QLatin1Char('0')) + extension;
}

QString TLayoutFileNames::FirstFree(const QString& folder, const QString& extension, const QSet<QString>& used,
                                    const QString& kind)
{
    for (int number = 1; number <= LastNumber; ++number) {
        const QString name = Name(number, extension);
        if (!used.contains(name) && !QFile::exists(folder + name))
            return name;
    }
    throw std::runtime_error(QStringLiteral("Every %1 layout name (%2 to %3) is taken in %4: delete unused %1 setups first")
                                 .arg(kind, Name(1, extension), Name(LastNumber, extension), folder)
                                 .toStdString());
}
