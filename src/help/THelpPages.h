// The help pages shipped with the program (resources/help/, compiled in under
// :/quorvane/help/): their list, titles and links, the text search of the help window's search
// field, and which page belongs to which window. No widgets, so tests check every page.
#pragma once

#include <QString>
#include <QStringList>

class THelpPages {
public:
    static QString IndexPage() { return QStringLiteral("index.html"); }
    static QString Folder() { return QStringLiteral(":/quorvane/help/"); }

    static QStringList Pages();                 // every .html file name, sorted
    static QString Html(const QString& page);   // empty when there is no such page
    static QString Title(const QString& page);  // the page's <title>
    static QStringList Links(const QString& page); // every href, as written
    // "page: link" for every link that names a missing page or a missing #anchor.
    static QStringList DeadLinks();
    // Pages whose text holds every word of `words` (any case), ordered by title.
    static QStringList Search(const QString& words);

    // The page of a window, by its class name, else by its title; empty when none is known.
    static QString PageForWindow(const QString& className, const QString& title);
    // Every class name with a page of its own (the windows built so far and those to come).
    static QStringList KnownWindowClasses();
};
