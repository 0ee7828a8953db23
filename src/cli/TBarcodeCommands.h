// `quorvane barcode postnet|fim|imb ...`: the postal barcodes of the layouts from a script,
// through the same encoders the layout objects print with. Prints the digits encoded and the
// bars as text.
#pragma once

#include <QStringList>

class QTextStream;

class TBarcodeCommands {
public:
    static void Register();
    // `arguments` follow the word "barcode"; `in` feeds `imb -`.
    static int Run(const QStringList& arguments, QTextStream& in, QTextStream& out, QTextStream& err);
};
