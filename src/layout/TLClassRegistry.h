// The layout classes a reader can create, by their stored names. Every layout class is known
// from the start of the run, whichever panels were created, so a layout that holds a FIM read
// by a label designer still reads in the next session.
#pragma once

#include "TLGraphicControl.h"

#include <QStringList>

#include <memory>

class TLClassRegistry {
public:
    // A new object of the class, or nullptr when no layout class has that name.
    static std::unique_ptr<TLGraphicControl> Create(const QByteArray& className);
    static QStringList ClassNames();
};
