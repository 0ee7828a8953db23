// The envelope commands of the command line: `envelopes` prints a setup's layout (or a layout
// file) for the records of an address table through the same job, panel and renderer as the
// envelope window, one page per envelope; `setups envelopes` lists ENVELOPE.DBF as CSV.
// Both read the "Envelope Feed" and "Envelope Printer" settings and never write them.
#pragma once

#include <QStringList>

class QTextStream;

class TEnvelopeCommands {
public:
    // Call after TLabelCommands::Register(): "setups envelopes" joins the "setups" command.
    static void Register();
    static int Envelopes(const QStringList& arguments, QTextStream& out, QTextStream& err);
    static int ListSetups(QTextStream& out, QTextStream& err);
};
