// The orders of the Sort menu: their captions (without the "&" the menu adds) and the index tag
// each selects. The main window's Sort menu and the Search dialog's order list show the same
// entries in the same sequence.
#pragma once

#include <QString>
#include <QStringList>

class TSortOrders {
public:
    // "Last Name", "First Name", ... "Codes", in menu order.
    static QStringList Captions();
    // The tag of a caption, compared without regard to case ("last name" gives LNAME); empty
    // for a caption that is no Sort entry.
    static QString TagFor(const QString& caption);
};
