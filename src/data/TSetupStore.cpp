#include "TSetupStore.h"

#include "TCp1252.h"
#include "settings/TProgramFolder.h"
#include "xbase/DbfTable.h"
#include "xbase/PaddedText.h"
#include "xbase/WorkArea.h"

#include <QFile>

#include <stdexcept>

TSetupStore::TSetupStore(std::unique_ptr<xbase::WorkArea> area, QChar extension)
    : Area(std::move(area)), Extension(extension)
{
    // Deleted rows wait for the next rebuild; no list ever shows them.
    Area->table().setFlaggedHidden(true);
}

TSetupStore::~TSetupStore() = default;

QString TSetupStore::LayoutName(int number, QChar extension)
{
    return QStringLiteral("BIN%1.%2").arg(number, 5, 10, QLatin1Char('0')).arg(extension);
}

bool TSetupStore::IsLayoutName(const QString& name, QChar extension)
{
    if (name.size() != 10 || !name.startsWith(QLatin1String("BIN"), Qt::CaseInsensitive) || name[8] != u'.' ||
        name[9].toUpper() != extension.toUpper())
        return false;
    for (int at = 3; at < 8; ++at)
        if (name[at] < u'0' || name[at] > u'9')
            return false;
    return true;
}

QString TSetupStore::LayoutPath(const QString& name, QChar extension)
{
    if (!IsLayoutName(name, extension))
        throw std::runtime_error(QStringLiteral("The setup's layout file name \"%1\" is not BINnnnnn.%2 in the sysdata folder")
                                     .arg(name, extension)
                                     .toStdString());
    return TProgramFolder::SysdataFolder() + name;
}

QString TSetupStore::FirstFreeName(const QString& folder, QChar extension, const QSet<QString>& used, const QString& kind)
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

QSet<QString> TSetupStore::UsedNames(xbase::DbfTable& table)
{
    QSet<QString> used;
    const bool hidden = table.flaggedHidden();
    table.setFlaggedHidden(false);
    for (table.goTop(); !table.eof(); table.skip())
        used.insert(Text(table, "BINARY").toUpper());
    table.setFlaggedHidden(hidden);
    return used;
}

QString TSetupStore::Text(const xbase::DbfTable& table, const char* field)
{
    return TCp1252::Decode(xbase::trimPadding(table.textView(table.fieldIndex(field))));
}

void TSetupStore::SetText(xbase::DbfTable& table, const char* field, const QString& text, int width)
{
    table.setText(table.fieldIndex(field), TCp1252::Encode(text.left(width)));
}

bool TSetupStore::Go(uint32_t recordNumber)
{
    xbase::DbfTable& table = Area->table();
    if (recordNumber == 0 || recordNumber > table.recordCount())
        return false;
    table.go(recordNumber);
    return !table.eof() && table.recordNumber() == recordNumber && !table.isFlaggedDeleted();
}

QSet<QString> TSetupStore::UsedLayoutNames()
{
    // Rows whose file went missing still own their name: a new file must not take it.
    return UsedNames(Area->table());
}

QString TSetupStore::RowLayoutPath() const { return LayoutPath(Text(Area->table(), "BINARY"), Extension); }

void TSetupStore::DeleteRow(uint32_t recordNumber)
{
    if (!Go(recordNumber))
        return;
    const QString layout = Extension.isNull() ? QString() : Text(Area->table(), "BINARY");
    Area->table().setDeleted(true);
    Area->table().commit();
    if (IsLayoutName(layout, Extension))
        QFile::remove(TProgramFolder::SysdataFolder() + layout);
}
