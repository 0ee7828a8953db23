// FIELDS.LST in the sysdata folder: the browse grid's column order, kept as the order of every
// field of the address view (hidden ones included), one field name per line.
//
// Reading starts from the view's own order and gives each named field the position of its line,
// one line after the other, as moving a column there would; names the view does not know are
// passed over. So a list written by an older release, or trimmed by hand, still arranges the
// fields it names.
#pragma once

#include <QString>
#include <QStringList>

class TBrowseFieldList {
public:
    static QString FilePath(); // <sysdata>/FIELDS.LST

    // The view's field names in their default order.
    static QStringList ViewOrder();
    // The view order arranged by the file's lines; the default order when there is no file.
    static QStringList Load(const QString& path);
    static QStringList Arrange(QStringList order, const QStringList& lines);
    // Writes every name of `order`, one per line. False when the file cannot be written.
    static bool Save(const QString& path, const QStringList& order);

    // The fields of `order` that the grid shows, in that order.
    static QStringList Shown(const QStringList& order);
    // `order` with its shown fields replaced, slot by slot, by `shownOrder` (the grid's columns
    // as the user left them); hidden fields keep their places.
    static QStringList WithShownOrder(const QStringList& order, const QStringList& shownOrder);
};
