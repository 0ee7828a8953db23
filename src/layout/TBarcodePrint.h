// Puts an encoder's bars on a page of the page-output engine: a black solid brush and a black
// solid pen one device pixel wide, then one rectangle per bar. Only the barcode's top-left
// corner places it; the object's width and height play no part, so a barcode prints at its
// true size whatever the designer shows.
#pragma once

#include "TBarList.h"

#include "output/TInches.h"

#include <QPoint>

class TBaseReport;

class TBarcodePrint {
public:
    // Where an object at `topLeft` in layout pixels (at `pixelsPerInch`) lands on the page
    // when its layout is printed at `offset`.
    static TInchPoint Origin(QPoint topLeft, double pixelsPerInch, TInchPoint offset);
    // Draws nothing at all for an empty list.
    static void Print(TBaseReport& report, const TBarList& bars, TInchPoint origin);
};
