// `quorvane stocks [--search TEXT] [--european]`: the label template catalogue as CSV, through
// the same catalogue and template query as the template dialog.
#pragma once

#include <QStringList>

class QTextStream;

class TLabelCommands {
public:
    static void Register();
    // `arguments` follow the word "stocks".
    static int Stocks(const QStringList& arguments, QTextStream& out, QTextStream& err);
};
