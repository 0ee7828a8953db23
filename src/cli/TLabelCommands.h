// `quorvane stocks [--search TEXT] [--european]`: the label template catalogue as CSV, through
// the same catalogue and template query as the template dialog. `quorvane setups labels [add ...]`:
// the saved label setups as CSV, and a new setup from a template or typed values.
#pragma once

#include <QStringList>

class QTextStream;

class TLabelCommands {
public:
    static void Register();
    // `arguments` follow the word "stocks".
    static int Stocks(const QStringList& arguments, QTextStream& out, QTextStream& err);
    // `arguments` follow the word "setups".
    static int Setups(const QStringList& arguments, QTextStream& out, QTextStream& err);
};
