#include "TBrowseFieldList.h"

#include "data/TAddressSchema.h"
#include "settings/TProgramFolder.h"

#include <QFile>
#include "data/TSafeFileWriter.h"

#include <algorithm>

QString TBrowseFieldList::FilePath() { return TProgramFolder::SysdataFolder() + QStringLiteral("FIELDS.LST"); }

QStringList TBrowseFieldList::ViewOrder()
{
    QStringList order;
    for (const TViewFieldDef& field : TAddressSchema::ViewFields())
        order << QLatin1String(field.Name);
    return order;
}

QStringList TBrowseFieldList::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ViewOrder();
    QStringList lines;
    for (const QByteArray& line : file.readAll().split('\n'))
        lines << QString::fromLatin1(line).trimmed();
    return Arrange(ViewOrder(), lines);
}

QStringList TBrowseFieldList::Arrange(QStringList order, const QStringList& lines)
{
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const TViewFieldDef* field = TAddressSchema::FindViewField(lines[line]);
        if (field == nullptr)
            continue;
        const qsizetype from = order.indexOf(QLatin1String(field->Name));
        if (from < 0)
            continue;
        order.move(from, std::min(line, order.size() - 1));
    }
    return order;
}

bool TBrowseFieldList::Save(const QString& path, const QStringList& order)
{
    QByteArray text;
    for (const QString& name : order)
        text.append(name.toLatin1()).append("\r\n");
    return TSafeFileWriter::WriteWhole(path, text);
}

QStringList TBrowseFieldList::Shown(const QStringList& order)
{
    QStringList shown;
    for (const QString& name : order)
        if (const TViewFieldDef* field = TAddressSchema::FindViewField(name); field && field->Shown)
            shown << name;
    return shown;
}

QStringList TBrowseFieldList::WithShownOrder(const QStringList& order, const QStringList& shownOrder)
{
    QStringList arranged = order;
    qsizetype next = 0;
    for (QString& name : arranged)
        if (const TViewFieldDef* field = TAddressSchema::FindViewField(name); field && field->Shown && next < shownOrder.size())
            name = shownOrder[next++];
    return arranged;
}
