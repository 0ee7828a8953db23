// "Undo Last Standardization" and "Undo last conversion": the question, the restore of the
// tool's undo file and the message of what happened, through the prompt service. A restore that
// is refused (a value changed since, another table, a damaged file) writes nothing and says why;
// one that succeeds removes the file, so the same change is not put back twice.
//
// Contract: the table is the open address table; its record set, order and record are put back.
#pragma once

#include <QString>

class TAddressTable;

class TUndoLast {
public:
    // `what` names the change in the question ("standardization", "conversion").
    static bool Run(TAddressTable& table, const QString& undoPath, const QString& caption, const QString& what);
};
