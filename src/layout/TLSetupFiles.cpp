#include "TLSetupFiles.h"

#include "data/TCp1252.h"
#include "xbase/DbfTable.h"
#include "xbase/PaddedText.h"

#include <QFile>

#include <stdexcept>

QString TLSetupFiles::LayoutName(int number, QChar extension)
{
    return QStringLiteral("BIN%1.%2").arg(number, 5, 10, QLatin1Char('0')).arg(extension);
}

QString TLSetupFiles::FirstFreeName(const QString& folder, QChar extension, const QSet<QString>& used, const QString& kind)
{
    for (int number = 1; number <= LastLayoutNumber; ++number) {
        const QString name = LayoutName(number, extension);
        if (!used.contains(name) && !QFile::exists(folder + name))
            return name;
    }
    throw std::runtime_error(QStringLiteral("Every %1 layout name (%2 to %3) is taken in %4: delete unused %1 setups first")
                                 .arg(kind, LayoutName(1, extension), LayoutName(LastLayoutNumber, extension), folder)
                                 .toStdString());
}

QSet<QString> TLSetupFiles::UsedNames(xbase::DbfTable& table)
{
    QSet<QString> used;
    const bool hidden = table.flaggedHidden();
    table.setFlaggedHidden(false);
    for (table.goTop(); !table.eof(); table.skip())
        used.insert(Text(table, "BINARY").toUpper());
    table.setFlaggedHidden(hidden);
    return used;
}

QString TLSetupFiles::Text(const xbase::DbfTable& table, const char* field)
{
    return TCp1252::Decode(xbase::trimPadding(table.textView(table.fieldIndex(field))));
}

void TLSetupFiles::SetText(xbase::DbfTable& table, const char* field, const QString& text, int width)
{
    table.setText(table.fieldIndex(field), TCp1252::Encode(text.left(width)));
}
